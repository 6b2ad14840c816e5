#include "CliScript.h"

#include <QFile>
#include <QTextStream>

bool CliScript::splitWords(const QString &text, QStringList *words, QString *error)
{
    words->clear();
    const QString line = text.trimmed();
    if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
        return true;

    QString word;
    bool inWord = false;
    QChar quote;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (quote == QLatin1Char('\'')) {
            if (c == quote)
                quote = QChar();
            else
                word += c;
            continue;
        }
        if (c == QLatin1Char('\\') && i + 1 < line.size()) {
            word += line.at(++i);
            inWord = true;
            continue;
        }
        if (quote == QLatin1Char('"')) {
            if (c == quote)
                quote = QChar();
            else
                word += c;
            continue;
        }
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
            inWord = true;
        } else if (c == QLatin1Char('#') && !inWord) {
            break; // a comment runs to the end of the line
        } else if (c.isSpace()) {
            if (inWord)
                words->append(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (!quote.isNull()) {
        *error = tr("引号没有结束");
        return false;
    }
    if (inWord)
        words->append(word);
    return true;
}

QString CliScript::lineMessage(const QString &path, int number, const QString &message)
{
    return tr("%1 第 %2 行: %3").arg(path).arg(number).arg(message);
}

bool CliScript::readFile(const QString &path, QList<Line> *lines, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = tr("无法读取脚本文件 %1: %2").arg(path, file.errorString());
        return false;
    }
    QTextStream in(&file);
    in.setCodec("UTF-8");
    return readLines(path, in, lines, error);
}

bool CliScript::readLines(const QString &path, QTextStream &in, QList<Line> *lines, QString *error)
{
    int number = 0;
    while (!in.atEnd()) {
        const QString text = in.readLine();
        ++number;
        Line line;
        line.number = number;
        QString splitError;
        if (!splitWords(text, &line.words, &splitError)) {
            *error = lineMessage(path, number, splitError);
            return false;
        }
        if (!line.words.isEmpty())
            lines->append(line);
    }
    return true;
}
