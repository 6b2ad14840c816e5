#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The help texts of the command line; the manual page is made from them.
class CliHelp
{
    Q_DECLARE_TR_FUNCTIONS(CliHelp)
public:
    static QStringList commands();
    // The help of one command; the general help for an empty or unknown one.
    static QString text(const QString &command = QString());
    // "quillmark COMMAND --help" shows the help of a command.
    static QString seeHelp(const QString &command);
};
