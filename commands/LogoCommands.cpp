#include "commands/LogoCommands.h"

#include "commands/EscPos.h"
#include "commands/PictureConversion.h"

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
    return int((qint64(dots) + kDotsPerByte - 1) / kDotsPerByte * kDotsPerByte);
}

bool tooLargeToDecode(const QSize &size)
{
    return size.isValid() && qint64(size.width()) * size.height() > MaxDecodedPixels;
}

bool decodesAtReducedSize(const QByteArray &format)
{
    return format == "jpeg" || format == "jpg";
}

using PictureConversion::greyLevel;

void appendPacked(QByteArray &data, quint8 &byte, int &bit, bool dot)
{
    byte = quint8(byte << 1);
    if (dot)
        byte |= 1;
    if (++bit == kDotsPerByte) {
        data.append(char(byte));
        byte = 0;
        bit = 0;
    }
}

void finishColumn(QByteArray &data, quint8 &byte, int &bit)
{
    if (bit > 0)
        data.append(char(byte << (kDotsPerByte - bit)));
    byte = 0;
    bit = 0;
}

// packColumns() for a 1-bit picture: the bits read column by column in place,
// without turning the picture first.
QByteArray packMonoColumns(const QImage &picture)
{
    const std::array<bool, 2> isDot = PictureConversion::monoDotColours(picture, kDotThreshold);
    const int width = picture.width();
    const int height = picture.height();
    QByteArray data;
    data.reserve(width * ((height + kDotsPerByte - 1) / kDotsPerByte));
    const uchar *bits = picture.constBits();
    const qsizetype stride = picture.bytesPerLine();
    for (int x = 0; x < width; ++x) {
        const uchar *cell = bits + (x >> 3);
        const int shift = 7 - (x & 7);
        quint8 byte = 0;
        int bit = 0;
        for (int y = 0; y < height; ++y, cell += stride)
            appendPacked(data, byte, bit, isDot[size_t((*cell >> shift) & 1)]);
        finishColumn(data, byte, bit);
    }
    return data;
}

QImage readPicture(const QString &path, const QSize &target)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (tooLargeToDecode(size)) {
        // Only the JPEG decoder can decode at a reduced size without first
        // holding the whole picture.
        if (!decodesAtReducedSize(reader.format())) {
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

int clampLimit(int limit)
{
    return qBound(MinLogoDots, limit, MaxLogoDots);
}

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
    maxWidth = clampLimit(maxWidth);
    maxHeight = clampLimit(maxHeight);
    if (original.width() <= maxWidth && original.height() <= maxHeight)
        return QSize(roundUpToByte(original.width()), original.height());
    const double r = qMin(double(maxWidth) / original.width(), double(maxHeight) / original.height());
    const int height = int(r * original.height());
    const int width = int(r * original.width());
    if (width <= 0 || height <= 0)
        return QSize();
    return QSize(roundUpToByte(width), height);
}

QImage loadScaled(const QString &path, int maxWidth, int maxHeight)
{
    QImageReader probe(path);
    probe.setDecideFormatFromContent(true);
    QSize original = probe.size();
    // A probed size is only a claim of the file: refuse a huge one before any
    // arithmetic on it, unless the decoder can decode straight at a small size.
    if (tooLargeToDecode(original) && !decodesAtReducedSize(probe.format())) {
        qWarning() << "picture too large to decode:" << path << original;
        return QImage();
    }
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
    return picture.scaled(target, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QImage loadMonochrome(const QString &path, int maxWidth, int maxHeight)
{
    return loadMonochrome(path, maxWidth, maxHeight, PictureOptions::earlierVersions());
}

QImage loadMonochrome(const QString &path, int maxWidth, int maxHeight, const PictureOptions &options)
{
    const QImage scaled = loadScaled(path, maxWidth, maxHeight);
    if (scaled.isNull())
        return QImage();
    const QImage dots = PictureConversion::toMonochrome(scaled, options);
    qDebug() << "处理后宽度:" << dots.width() << " 高度:" << dots.height();
    return dots;
}

QByteArray packColumns(const QImage &picture)
{
    if (picture.isNull())
        return QByteArray();
    if (picture.format() == QImage::Format_Mono)
        return packMonoColumns(picture);
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
        for (int x = 0; x < columns.width(); ++x)
            appendPacked(data, byte, bit, greyLevel(line[x]) < kDotThreshold);
        finishColumn(data, byte, bit);
    }
    return data;
}

QByteArray defineLogo(int number, const QString &path, int maxWidth, int maxHeight)
{
    return defineLogo(number, loadMonochrome(path, maxWidth, maxHeight));
}

QByteArray defineLogo(int number, const QString &path, int maxWidth, int maxHeight, const PictureOptions &options)
{
    return defineLogo(number, loadMonochrome(path, maxWidth, maxHeight, options));
}

QByteArray defineLogos(const QStringList &paths, int maxWidth, int maxHeight, const PictureOptions &options)
{
    QByteArray data;
    for (int i = 0; i < paths.size(); ++i)
        data += defineLogo(i + 1, paths.at(i), maxWidth, maxHeight, options);
    return data;
}

QByteArray defineLogo(int number, const QImage &mono)
{
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
