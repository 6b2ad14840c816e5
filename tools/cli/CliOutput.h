#pragma once

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonValue>
#include <QString>

// Where the command line writes: results to standard output, errors to
// standard error and, with the same text, to the log. Colour only when
// standard output is a terminal (and NO_COLOR is not set).
class CliOutput
{
    Q_DECLARE_TR_FUNCTIONS(CliOutput)
public:
    enum class Colour { Red, Green, Yellow, Bold };

    // Qt's debug output (the log lines echoed by the back end) stays off the
    // terminal unless QM_CLI_DEBUG is set; the log file still gets every line.
    static void installMessageFilter();

    static bool colourEnabled();
    static QString paint(const QString &text, Colour colour);

    // One or more lines to standard output; a line break is added when missing.
    static void print(const QString &text);
    // An error: written to the log at error level and to standard error.
    static void error(const QString &message);
    // A hint after an error (such as where the help is): standard error only.
    static void hint(const QString &message);
    // A JSON value as printed: arrays and objects indented (or compact, one
    // line each), other values as plain text.
    static QString jsonText(const QJsonValue &value, QJsonDocument::JsonFormat format = QJsonDocument::Indented);
};
