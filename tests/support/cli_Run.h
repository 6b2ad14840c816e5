#pragma once

// quillmark run as a separate process, with its texts in English.

#include <QByteArray>
#include <QString>
#include <QStringList>

struct CliResult
{
    int code = -1; // -1: it did not start, crashed or overran its time
    QString out;
    QString err;
    QStringList lines() const { return out.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
};

// Runs program with args, input on its standard input (then closed); gives
// up (killing it) after limitMs.
CliResult runQuillmark(const QString &program, const QStringList &args, const QByteArray &input = QByteArray(),
                       const QString &workingDirectory = QString(), int limitMs = 60000);
