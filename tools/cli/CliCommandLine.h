#pragma once

#include "CliTarget.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The options of one command, parsed by QCommandLineParser, with this
// program's messages for what goes wrong ("未知的选项: --x", "--tcp 需要一个值")
// and for values out of their range. -h and --help ask for the command's help
// wherever they stand (before the operation of run).
class CliCommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CliCommandLine)
public:
    CliCommandLine();

    void addOption(const QCommandLineOption &option);
    // --tcp, --usb, --serial and --queue.
    void addTargetOptions();
    // Everything after the first word that is no option belongs to it (run:
    // the operation's arguments, which may look like options).
    void stopAtFirstWord();

    // False with a message when the words do not parse; help() is still
    // answered then.
    bool parse(const QStringList &args, QString *error);
    bool helpRequested() const;

    bool isSet(const QString &name) const { return m_parser.isSet(name); }
    QString value(const QString &name) const { return m_parser.value(name); }
    QStringList values(const QString &name) const { return m_parser.values(name); }
    QStringList positional() const { return m_parser.positionalArguments(); }

    // The target the options name (Kind::None for none); false with a message
    // for two targets or an empty value.
    bool target(CliTarget::Endpoint *endpoint, QString *error) const;
    // A whole number from min to max (decimal), fallback when the option is
    // absent; false with a message naming the option and the range.
    bool number(const QString &name, int min, int max, int fallback, int *value, QString *error) const;
    // The same for a word that is no option (what names it in the message).
    static bool number(const QString &text, const QString &what, int min, int max, int *value, QString *error);
    // The checks alone, for callers with messages of their own: a whole
    // number in decimal digits, and a number that may have a fraction
    // ("0.5"). NaN and infinities are no numbers.
    static bool wholeNumber(const QString &text, int min, int max, int *value);
    static bool decimal(const QString &text, double min, double max, double *value);

private:
    // --serial PATH[:BAUD]: the speed after the last colon, one the serial
    // port opens at; false with a message naming them.
    static bool serialSpeed(const QString &value, CliTarget::Endpoint *endpoint, QString *error);

    QCommandLineParser m_parser;
    QStringList m_valueOptions; // names of the options that take a value
    QStringList m_args;
};
