#pragma once

#include "CliOperations.h"
#include "CliTarget.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

class CliCommandLine;

// The printer tasks of the command line in a person's words (beep, cut,
// drawer, print, feed, logo, barcode, qr, network, test-page, reset), each
// turned into calls of the same command API operations the window's buttons
// call, so that the bytes are the window's by construction. Every value is
// checked here, before the printer is touched.
class CliVerbs
{
    Q_DECLARE_TR_FUNCTIONS(CliVerbs)
public:
    // The limits of the values are those of the operations each verb calls
    // (OperationRanges, as the window's controls have them).
    static constexpr int DefaultPulseOnMs = 100;
    static constexpr int DefaultPulseOffMs = 500;
    static constexpr int MaxLogos = 7;
    static constexpr int DefaultQrModule = 8;

    struct Plan
    {
        QList<CliOperations::Call> calls;
        // TCP: the network form needs the printer's model (CliTarget::identify).
        bool identify = false;
        // logo: the picture conversion for this run (empty: as stored) and
        // the widest picture in dots (0: the stored logo limit).
        QString dither;
        int logoWidth = 0;
        // --preview: the paper drawn on, in dots (0: 80 mm).
        int previewPaperDots = 0;
    };

    static QStringList names();
    static bool isVerb(const QString &word) { return names().contains(word); }

    // The verb's own options (the targets come from the command line).
    static void addOptions(const QString &verb, CliCommandLine *line);
    // The calls for the parsed words; false with the message of a usage error.
    static bool plan(const QString &verb, const CliCommandLine &line, const CliTarget::Endpoint &endpoint, Plan *plan,
                     QString *error);

    // Empty when value is an IPv4 address (DottedQuad); else the usage error
    // for option, saying what is expected.
    static QString addressProblem(const QString &option, const QString &value);

    // The barcode page's name of a symbology typed on the command line
    // ("ean13", "UPC-A", "codabar" ...); empty for none.
    static QString symbologyName(const QString &typed);
    // The names to type, for help and messages.
    static QStringList symbologyWords();
};
