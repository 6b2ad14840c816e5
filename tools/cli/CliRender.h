#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// quillmark render FILE|- -o OUT.png [--width 58|80] [--json] [--max-pages N]
// [--max-page-length MM] [--max-listed N]: a printer's byte stream on paper
// without a printer. The virtual printer's renderer draws it (VpPageFiles);
// every cut ends a picture (OUT-1.png, OUT-2.png, ...), and the listing names
// what the printer could not read or print and the paper left out past the
// page length. Pages, page length and listing are bounded (the options raise
// the bounds), so no stream can take unbounded memory, time or disk.
class CliRender
{
    Q_DECLARE_TR_FUNCTIONS(CliRender)
public:
    static QString command() { return QStringLiteral("render"); }
    static QString helpText();
    // True when the command line asks for render, which draws text with the
    // system's fonts and so needs a QGuiApplication.
    static bool wanted(int argc, char *argv[]);

    // args: the words after "render". Returns the exit status.
    static int run(const QStringList &args);
};
