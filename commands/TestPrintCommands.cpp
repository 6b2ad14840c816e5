#include "commands/TestPrintCommands.h"

#include "commands/BarcodeCommands.h"
#include "commands/EscPos.h"
#include "commands/LogoCommands.h"
#include "text/HexText.h"

namespace TestPrintCommands {

namespace {
const char kSelfTest[] = {0x1F, EscPos::ESC, 0x0D};
const char kHriBelow[] = {EscPos::GS, 'H', 0x02};
const char kBarcode[] = {EscPos::GS, 'k'};

struct TypeByte
{
    const char *name;
    char symbology;
};

const TypeByte kTypes[] = {
    {"UPCA", BarcodeCommands::UpcA},     {"UPCE", BarcodeCommands::UpcE},   {"JAN13", BarcodeCommands::Jan13},
    {"JAN8", BarcodeCommands::Jan8},     {"CODE39", BarcodeCommands::Code39}, {"ITF", BarcodeCommands::Itf},
    {"CODABAR", BarcodeCommands::Codabar}, {"CODE93", BarcodeCommands::Code93},
    {"CODE128", BarcodeCommands::Code128},
};

template <size_t N>
QByteArray raw(const char (&bytes)[N])
{
    return QByteArray(bytes, int(N));
}
} // namespace

QByteArray fromStoredHex(const QString &text)
{
    return HexText::parseStoredPairs(text);
}

QByteArray selfTest()
{
    return raw(kSelfTest);
}

char symbologyOf(const QString &type)
{
    for (const TypeByte &t : kTypes) {
        if (type == QLatin1String(t.name))
            return t.symbology;
    }
    return 0;
}

QByteArray testBarcode(const QString &type, const QString &value)
{
    QByteArray bytes = raw(kHriBelow) + raw(kBarcode);
    if (const char symbology = symbologyOf(type))
        bytes += symbology;
    const QByteArray data = value.toLatin1();
    bytes += EscPos::lowByte(data.size());
    bytes += data;
    return bytes;
}

QByteArray testPicture(const QString &path)
{
    return testPicture(path, PictureOptions::earlierVersions());
}

QByteArray testPicture(const QString &path, const PictureOptions &options)
{
    return LogoCommands::defineLogo(PictureLogoNumber, path, PictureBound, PictureBound, options)
           + LogoCommands::printLogo(PictureLogoNumber, PictureLogoMode);
}

} // namespace TestPrintCommands
