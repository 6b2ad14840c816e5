#include "text/TextEncoding.h"

#include "text/CodePage437.h"

#include <QCoreApplication>
#include <QDebug>
#include <QSet>
#include <QStringList>
#include <QTextCodec>

namespace TextEncoding {

QByteArray gbk(const QString &text)
{
    static QTextCodec *const codec = QTextCodec::codecForName("GBK");
    if (!codec) {
        qDebug() << "GBK编码器不可用，使用UTF-8编码";
        return text.toUtf8();
    }
    return codec->fromUnicode(text);
}

QString servingCodePage(const QString &name)
{
    if (name == QLatin1String("IBM860") || name == QLatin1String("IBM863") || name == QLatin1String("IBM865"))
        return QStringLiteral("IBM850");
    return name;
}

bool isCodePage437(const QString &name)
{
    return name == QLatin1String("CP437") || name == QLatin1String("IBM437");
}

QString unencodable(const QString &text, const QString &codePage)
{
    const QString serving = servingCodePage(codePage);
    const bool ownTable = isCodePage437(serving);
    QTextCodec *codec = ownTable ? nullptr : QTextCodec::codecForName(serving.toUtf8());
    if (!ownTable && !codec)
        return QString();
    QString missing;
    QSet<uint> seen;
    const QVector<uint> codePoints = text.toUcs4();
    for (const uint cp : codePoints) {
        if (seen.contains(cp))
            continue;
        seen.insert(cp);
        const QString character = QString::fromUcs4(&cp, 1);
        const bool encodable = ownTable ? CodePage437::canEncode(character) : codec->canEncode(character);
        if (!encodable)
            missing += character;
    }
    return missing;
}

QString unencodableNotice(const QString &text, const QString &codePage)
{
    const QVector<uint> missing = unencodable(text, codePage).toUcs4();
    if (missing.isEmpty())
        return QString();
    QStringList listed;
    for (int i = 0; i < missing.size() && i < MaxListedCharacters; ++i)
        listed.append(QString::fromUcs4(&missing.at(i), 1));
    if (missing.size() > MaxListedCharacters)
        listed.append(QStringLiteral("…"));
    return QCoreApplication::translate("TextEncoding", "以下字符无法用 %1 编码: %2")
        .arg(codePage, listed.join(QLatin1Char(' ')));
}

} // namespace TextEncoding
