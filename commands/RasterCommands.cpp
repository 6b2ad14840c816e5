#include "commands/RasterCommands.h"

#include "commands/EscPos.h"

namespace RasterCommands {

namespace {
const char kRaster[] = {EscPos::GS, 'v', '0'};
const char kNormalSize = 0x00;
const int kDotThreshold = 128;
} // namespace

QByteArray rasterImage(const QImage &picture)
{
    if (picture.isNull() || picture.height() > MaxHeightDots)
        return QByteArray();
    const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
    const int widthBytes = (grey.width() + DotsPerByte - 1) / DotsPerByte;
    const int height = grey.height();

    QByteArray bytes(kRaster, int(sizeof kRaster));
    bytes += kNormalSize;
    bytes += EscPos::lowByte(widthBytes);
    bytes += EscPos::lowByte(widthBytes >> 8);
    bytes += EscPos::lowByte(height);
    bytes += EscPos::lowByte(height >> 8);
    const int header = bytes.size();
    bytes.resize(header + widthBytes * height);
    char *data = bytes.data() + header;
    for (int y = 0; y < height; ++y) {
        const uchar *row = grey.constScanLine(y);
        char *out = data + y * widthBytes;
        for (int b = 0; b < widthBytes; ++b) {
            uchar packed = 0;
            for (int bit = 0; bit < DotsPerByte; ++bit) {
                const int x = b * DotsPerByte + bit;
                if (x < grey.width() && row[x] < kDotThreshold)
                    packed |= uchar(0x80 >> bit);
            }
            out[b] = char(packed);
        }
    }
    return bytes;
}

} // namespace RasterCommands
