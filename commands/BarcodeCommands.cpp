#include "commands/BarcodeCommands.h"

#include "commands/EscPos.h"

#include <QStringList>
#include <QTextCodec>

namespace BarcodeCommands {

namespace {
const char kWidth = 'w';
const char kHeight = 'h';
const char kHriFont = 'f';
const char kHriPosition = 'H';
const char kBarcode = 'k';
const int kDecimal = 10;

// GS ( k pL pH cn fn ...: the QR code functions (cn = 31).
const char kQrPrefix[] = {EscPos::GS, '(', 'k'};
const char kQrModuleSize[] = {0x03, 0x00, 0x31, 0x43};
const char kQrErrorLevel[] = {0x03, 0x00, 0x31, 0x45};
const char kQrStoreTail[] = {0x31, 0x50, 0x30};
const int kQrStoreOverhead = 3;
const char kCentre[] = {EscPos::ESC, 'a', 0x31};
const char kQrPrint[] = {EscPos::GS, '(', 'k', 0x03, 0x00, 0x31, 0x51, 0x30};
const char kLeft[] = {EscPos::ESC, 'a', 0x30};
const char kQrFinish[] = {EscPos::LF, EscPos::LF, 0x00, EscPos::GS, 'V', 0x01, 0x00};

template <size_t N>
QByteArray raw(const char (&bytes)[N])
{
    return QByteArray(bytes, int(N));
}

QByteArray gs(char command, int n)
{
    return QByteArray() + EscPos::GS + command + EscPos::lowByte(n);
}
} // namespace

QByteArray size(int width, int height)
{
    return gs(kWidth, width) + gs(kHeight, height);
}

QByteArray hriFont(int font)
{
    return gs(kHriFont, font);
}

QByteArray hriPosition(int position)
{
    return gs(kHriPosition, position);
}

QByteArray oneDimensional(char symbology, const QByteArray &data)
{
    return QByteArray() + EscPos::GS + kBarcode + symbology + EscPos::lowByte(data.size()) + data;
}

QByteArray latin1Data(const QString &content)
{
    return content.toLatin1();
}

QByteArray code128Data(const QString &content)
{
    QByteArray data;
    const QStringList pieces = content.split(QStringLiteral(", "), Qt::SkipEmptyParts);
    for (const QString &piece : pieces) {
        bool ok = false;
        const int value = piece.toInt(&ok, kDecimal);
        if (ok)
            data.append(EscPos::lowByte(value));
    }
    return data;
}

QByteArray qrCode(int magnification, int errorLevel, const QString &content)
{
    QTextCodec *utf8 = QTextCodec::codecForName("UTF-8");
    const QByteArray encoded = utf8 ? utf8->fromUnicode(content) : content.toUtf8();
    const int storeLength = encoded.size() + kQrStoreOverhead;

    QByteArray bytes;
    bytes += raw(kQrPrefix) + raw(kQrModuleSize) + EscPos::lowByte(magnification);
    bytes += raw(kQrPrefix) + raw(kQrErrorLevel) + EscPos::lowByte(errorLevel);
    bytes += raw(kQrPrefix) + EscPos::lowByte(storeLength) + EscPos::lowByte(storeLength >> 8) + raw(kQrStoreTail);
    bytes += encoded;
    bytes += raw(kCentre) + raw(kQrPrint) + raw(kLeft) + raw(kQrFinish);
    return bytes;
}

} // namespace BarcodeCommands
