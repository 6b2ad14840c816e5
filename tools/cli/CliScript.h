#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QTextStream>
#include <QStringList>

// A script for "run --script": one operation per line with its arguments,
// words separated by blanks, quoted with "..." or '...' where they hold
// blanks, backslash escaping the next character outside single quotes.
// A # at the start of a word begins a comment; empty lines are skipped.
class CliScript
{
    Q_DECLARE_TR_FUNCTIONS(CliScript)
public:
    struct Line
    {
        int number = 0;
        QStringList words; // operation, then its arguments
    };

    // False with a message for an unfinished quote. A skipped line gives no words.
    static bool splitWords(const QString &text, QStringList *words, QString *error);
    // Reads and splits a whole file; false with a message naming the file (and
    // the line) when it cannot be read or a line cannot be split.
    static bool readFile(const QString &path, QList<Line> *lines, QString *error);
    // The same for text already open (path names it in the messages).
    static bool readLines(const QString &path, QTextStream &in, QList<Line> *lines, QString *error);
    // "FILE line N: message"
    static QString lineMessage(const QString &path, int number, const QString &message);
};
