#include "commands/LogoCommands.h"

#include "commands/EscPos.h"

#include <QDebug>
#include <QImageReader>
#include <QTransform>

namespace LogoCommands {

namespace {
const char kDefineLogo = 'q';
const char kPrintStoredLogo = 'p';
const char kPrintLogoHead[] = {EscPos::ESC, '@', EscPos::ESC, 'a', 0x01, EscPos::GS, 0x54};
const char kPrintLogoTail[] = {EscPos::ESC, '@', 0x00, EscPos::LF, EscPos::LF, EscPos::LF, EscPos::LF,
                               0x00, EscPos::GS, 'V', 0x01, 0x00};
const int kDotsPerByte = 8;
const int kDotThreshold = 200;
const int kRotateToColumns = -90;

template <size_t N>
QByteArray raw(const char (&bytes)[N])
{
    return QByteArray(bytes, int(N));
}

int roundUpToByte(int dots)
{
    return (dots + kDotsPerByte - 1) / kDotsPerByte * kDotsPerByte;
}

// Grey level used by the printer driver: (11 R + 16 G + 5 B) / 32.
int greyLevel(QRgb pixel)
{
    return (11 * qRed(pixel) + 16 * qGreen(pixel) + 5 * qBlue(pixel)) / 32;
}

QImage readPicture(const QString &path, const QSize &target)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > MaxDecodedPixels) {
        // Only the JPEG decoder can decode at a reduced size without first
        // holding the whole picture.
        const QByteArray format = reader.format();
        if (format != "jpeg" && format != "jpg") {
            qWarning() << "picture too large to decode:" << path << size;
            return QImage();
        }
        if (target.isEmpty())
            return QImage();
        reader.setScaledSize(target);
    }
    QImage image;
    if (!reader.read(&image))
        qDebug() << "cannot read picture:" << path << reader.errorString();
    return image;
}
} // namespace

bool isUsablePicture(const QString &path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead())
        return false;
    const QSize size = reader.size();
    if (!size.isValid())
        return true; // formats that tell their size only once decoded
    if (size.isEmpty())
        return false;
    const QByteArray format = reader.format();
    return qint64(size.width()) * size.height() <= MaxDecodedPixels || format == "jpeg" || format == "jpg";
}

QSize scaledSize(const QSize &original, int maxWidth, int maxHeight)
{
    if (original.isEmpty())
        return QSize();
    if (original.width() <= maxWidth && original.height() <= maxHeight)
        return QSize(roundUpToByte(original.width()), original.height());
    const double r = qMin(double(maxWidth) / original.width(), double(maxHeight) / original.height());
    const int height = int(r * original.height());
    const int width = int(r * original.width());
    if (width <= 0 || height <= 0)
        return QSize();
    return QSize(roundUpToByte(width), height);
}

QImage loadMonochrome(const QString &path, int maxWidth, int maxHeight)
{
    QImageReader probe(path);
    probe.setDecideFormatFromContent(true);
    QSize original = probe.size();
    QSize target = scaledSize(original, maxWidth, maxHeight);

    QImage picture = readPicture(path, target);
    if (picture.isNull())
        return QImage();
    if (!original.isValid()) {
        // Formats that tell their size only once decoded.
        original = picture.size();
        target = scaledSize(original, maxWidth, maxHeight);
    }
    if (target.isEmpty())
        return QImage();
    QImage scaled = picture.scaled(target, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    picture = QImage();
    QImage mono = scaled.convertToFormat(QImage::Format_Mono);
    qDebug() << "处理后宽度:" << mono.width() << " 高度:" << mono.height();
    return mono;
}

QByteArray packColumns(const QImage &picture)
{
    if (picture.isNull())
        return QByteArray();
    // Turn the picture so that row r holds column r, top pixel first.
    const QImage columns = picture.transformed(QTransform().rotate(kRotateToColumns), Qt::SmoothTransformation)
                               .mirrored(false, true)
                               .convertToFormat(QImage::Format_RGB32);
    const int bytesPerRow = (columns.width() + kDotsPerByte - 1) / kDotsPerByte;
    QByteArray data;
    data.reserve(bytesPerRow * columns.height());
    for (int y = 0; y < columns.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(columns.constScanLine(y));
        quint8 byte = 0;
        int bit = 0;
        for (int x = 0; x < columns.width(); ++x) {
            byte <<= 1;
            if (greyLevel(line[x]) < kDotThreshold)
                byte |= 1;
            if (++bit == kDotsPerByte) {
                data.append(char(byte));
                byte = 0;
                bit = 0;
            }
        }
        if (bit > 0)
            data.append(char(byte << (kDotsPerByte - bit)));
    }
    return data;
}

QByteArray defineLogo(int number, const QString &path, int maxWidth, int maxHeight)
{
    const QImage mono = loadMonochrome(path, maxWidth, maxHeight);
    const int xL = (mono.width() + kDotsPerByte - 1) / kDotsPerByte;
    const int yL = (mono.height() + kDotsPerByte - 1) / kDotsPerByte;
    qDebug() << "xL:" << xL << " xH:" << 0 << " yL:" << yL << " yH:" << 0;
    QByteArray block;
    block += EscPos::FS;
    block += kDefineLogo;
    block += EscPos::lowByte(number);
    block += EscPos::lowByte(xL);
    block += '\0';
    block += EscPos::lowByte(yL);
    block += '\0';
    block += packColumns(mono);
    return block;
}

QByteArray printLogo(int number, int mode)
{
    return raw(kPrintLogoHead) + EscPos::FS + kPrintStoredLogo + EscPos::lowByte(number) + EscPos::lowByte(mode)
           + raw(kPrintLogoTail);
}

} // namespace LogoCommands
