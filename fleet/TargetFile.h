#pragma once

#include "fleet/PrinterTarget.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

// A targets file: one printer a line in the command line's own forms, then
// labels for its series, e.g.
//
//   # shop 17
//   tcp:10.1.2.3 site=shop-17 till=2
//   usb:/dev/usb/lp0 site="shop 17"
//   serial:/dev/ttyUSB0:9600
//   queue:Kitchen
//
// Words are separated by blanks; a label value holding blanks or # is
// written in double quotes (\" and \\ inside them). A # at the start of a
// word begins a comment; empty lines are skipped. Device paths are absolute.
// Label names are Prometheus label names that are not ours (target,
// transport, model, mac, state, kind) nor Prometheus's (instance, job, and
// any name starting with __). A line that breaks a rule is reported with its
// number and left out; the other lines still count. The same printer twice
// is reported at its second line.
class TargetFile
{
    Q_DECLARE_TR_FUNCTIONS(TargetFile)
public:
    static constexpr int MaxFileBytes = 16 * 1024 * 1024;
    static constexpr int MaxLineBytes = 4096;
    static constexpr int MaxTargets = 10000;
    static constexpr int MaxLabels = 16;
    static constexpr int MaxLabelValueChars = 256;

    struct Problem
    {
        int line = 0;
        QString message;
    };

    QList<PrinterTarget> targets;
    QList<Problem> problems;

    // Reads the targets of a whole file's bytes.
    static TargetFile parse(const QByteArray &bytes);
    // Reads a file; false with a message when it cannot be read at all.
    static bool read(const QString &path, TargetFile *file, QString *error);

    // One target as the command line writes it ("tcp:10.1.2.3"); false with
    // a message otherwise.
    static bool parseTarget(const QString &written, PrinterTarget *target, QString *error);

    // The file text of targets, one a line (what --targets-out writes); it
    // reads back as the same targets.
    static QByteArray format(const QList<PrinterTarget> &targets);
    // Writes that text whole or not at all.
    static bool write(const QString &path, const QList<PrinterTarget> &targets, QString *error);

    // Label names a targets file may not use.
    static QStringList reservedLabels();
    // "FILE line N: message".
    static QString lineMessage(const QString &path, int line, const QString &message);

private:
    static bool parseLine(const QString &text, PrinterTarget *target, QString *error, bool *empty);
};
