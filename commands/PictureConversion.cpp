#include "commands/PictureConversion.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace PictureConversion {

namespace {

const int kMiddleGrey = 128;
const int kWhite = 255;
// The dot threshold with which earlier versions read a 1-bit picture.
const int kEarlierDotThreshold = 200;
const QRgb kPaper = 0xFFFFFFFFu;
const QRgb kDot = 0xFF000000u;

// The 8 x 8 ordered-dither (Bayer) matrix, values 0..63.
const uchar kBayer[8][8] = {
    {0, 32, 8, 40, 2, 34, 10, 42},  {48, 16, 56, 24, 50, 18, 58, 26}, {12, 44, 4, 36, 14, 46, 6, 38},
    {60, 28, 52, 20, 62, 30, 54, 22}, {3, 35, 11, 43, 1, 33, 9, 41},   {51, 19, 59, 27, 49, 17, 57, 25},
    {15, 47, 7, 39, 13, 45, 5, 37}, {63, 31, 55, 23, 61, 29, 53, 21},
};

QImage blankDots(int width, int height)
{
    QImage dots(width, height, QImage::Format_Mono);
    if (dots.isNull())
        return dots;
    dots.setColorTable({kPaper, kDot});
    dots.fill(0);
    return dots;
}

inline void setDot(uchar *line, int x)
{
    line[x >> 3] |= uchar(0x80 >> (x & 7));
}

// Error diffusion's choice for one pixel: a dot below the middle grey. Returns
// the error left to spread (the grey minus black or minus white).
inline int diffusedDot(int grey, uchar *line, int x)
{
    if (grey < kMiddleGrey) {
        setDot(line, x);
        return grey;
    }
    return grey - kWhite;
}

// Reads the greys of one row after the level table, as ints (error diffusion
// adds to them).
class GreyRows
{
public:
    GreyRows(const QImage &picture, const PictureOptions &options) : m_levels(levelTable(options))
    {
        if (options.earlierPixelReading) {
            // As earlier versions: the colour of every pixel, whatever its alpha.
            m_source = picture.convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32
                                                                         : QImage::Format_RGB32);
        } else if (picture.hasAlphaChannel()) {
            // Over white paper: premultiplied colour plus the paper that shows through.
            m_source = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
            m_overPaper = true;
        } else {
            m_source = picture.convertToFormat(QImage::Format_RGB32);
        }
    }

    int width() const { return m_source.width(); }
    int height() const { return m_source.height(); }

    void read(int y, int *out) const
    {
        const QRgb *line = reinterpret_cast<const QRgb *>(m_source.constScanLine(y));
        const int w = m_source.width();
        if (m_overPaper) {
            // The grey of a premultiplied colour over white: the weights sum to
            // 32, so the paper adds exactly 255 - alpha.
            for (int x = 0; x < w; ++x)
                out[x] = m_levels[greyLevel(line[x]) + kWhite - qAlpha(line[x])];
        } else {
            for (int x = 0; x < w; ++x)
                out[x] = m_levels[greyLevel(line[x])];
        }
    }

private:
    std::array<uchar, 256> m_levels;
    QImage m_source;
    bool m_overPaper = false;
};

void threshold(const GreyRows &rows, QImage &dots)
{
    std::vector<int> line(static_cast<size_t>(rows.width()));
    for (int y = 0; y < rows.height(); ++y) {
        rows.read(y, line.data());
        uchar *out = dots.scanLine(y);
        for (int x = 0; x < rows.width(); ++x) {
            if (line[size_t(x)] < kMiddleGrey)
                setDot(out, x);
        }
    }
}

void bayer(const GreyRows &rows, QImage &dots)
{
    std::vector<int> line(static_cast<size_t>(rows.width()));
    for (int y = 0; y < rows.height(); ++y) {
        rows.read(y, line.data());
        uchar *out = dots.scanLine(y);
        const uchar *matrixRow = kBayer[y & 7];
        for (int x = 0; x < rows.width(); ++x) {
            if (line[size_t(x)] < 4 * matrixRow[x & 7] + 2)
                setDot(out, x);
        }
    }
}

// The same arithmetic as Qt's diffuse dither (rounded sixteenths, the last
// one taking what rounding left over), so that earlier output is kept.
void floydSteinberg(const GreyRows &rows, QImage &dots)
{
    const int w = rows.width();
    const int h = rows.height();
    std::vector<int> current(static_cast<size_t>(w));
    std::vector<int> next(static_cast<size_t>(w));
    rows.read(0, next.data());
    for (int y = 0; y < h; ++y) {
        current.swap(next);
        const bool notLast = y < h - 1;
        if (notLast)
            rows.read(y + 1, next.data());
        uchar *out = dots.scanLine(y);
        int *c = current.data();
        int *n = next.data();
        for (int x = 0; x < w; ++x) {
            const int err = diffusedDot(c[x], out, x);
            const int e7 = (err * 7 + 8) >> 4;
            const int e5 = (err * 5 + 8) >> 4;
            const int e3 = (err * 3 + 8) >> 4;
            const int e1 = err - (e7 + e5 + e3);
            if (x < w - 1)
                c[x + 1] += e7;
            if (notLast) {
                n[x] += e5;
                if (x > 0)
                    n[x - 1] += e3;
                if (x < w - 1)
                    n[x + 1] += e1;
            }
        }
    }
}

void atkinson(const GreyRows &rows, QImage &dots)
{
    const int w = rows.width();
    const int h = rows.height();
    // Two columns of margin on each side keep the neighbours in range.
    const int margin = 2;
    std::vector<int> r0(static_cast<size_t>(w + 2 * margin));
    std::vector<int> r1(r0.size());
    std::vector<int> r2(r0.size());
    rows.read(0, r0.data() + margin);
    if (h > 1)
        rows.read(1, r1.data() + margin);
    for (int y = 0; y < h; ++y) {
        if (y + 2 < h)
            rows.read(y + 2, r2.data() + margin);
        else
            std::fill(r2.begin(), r2.end(), 0);
        uchar *out = dots.scanLine(y);
        int *a = r0.data() + margin;
        int *b = r1.data() + margin;
        int *c = r2.data() + margin;
        for (int x = 0; x < w; ++x) {
            const int err = diffusedDot(a[x], out, x);
            // An eighth, rounded half away from zero; two eighths are dropped.
            const int e = (err + (err < 0 ? -4 : 4)) / 8;
            a[x + 1] += e;
            a[x + 2] += e;
            b[x - 1] += e;
            b[x] += e;
            b[x + 1] += e;
            c[x] += e;
        }
        std::swap(r0, r1);
        std::swap(r1, r2);
    }
}

// Earlier versions took a 1-bit picture as it was: a dot where the colour's
// grey is below 200.
QImage takeAsItIs(const QImage &picture)
{
    const QImage mono = picture.convertToFormat(QImage::Format_Mono);
    QImage dots = blankDots(mono.width(), mono.height());
    if (dots.isNull())
        return dots;
    const std::array<bool, 2> isDot = monoDotColours(mono, kEarlierDotThreshold);
    for (int y = 0; y < mono.height(); ++y) {
        const uchar *in = mono.constScanLine(y);
        uchar *out = dots.scanLine(y);
        for (int x = 0; x < mono.width(); ++x) {
            const int index = (in[x >> 3] >> (7 - (x & 7))) & 1;
            if (isDot[size_t(index)])
                setDot(out, x);
        }
    }
    return dots;
}

} // namespace

int greyLevel(QRgb pixel)
{
    return (11 * qRed(pixel) + 16 * qGreen(pixel) + 5 * qBlue(pixel)) / 32;
}

std::array<bool, 2> monoDotColours(const QImage &picture, int threshold)
{
    QVector<QRgb> colours = picture.colorTable();
    if (colours.isEmpty())
        colours << kDot;
    if (colours.size() < 2)
        colours << kPaper;
    return {greyLevel(colours.at(0)) < threshold, greyLevel(colours.at(1)) < threshold};
}

std::array<uchar, 256> levelTable(const PictureOptions &options)
{
    const int brightness = PictureOptions::clampAdjustment(options.brightness);
    const int contrast = PictureOptions::clampAdjustment(options.contrast);
    const double offset = brightness * double(kWhite) / PictureOptions::MaxAdjustment;
    const double factor = contrast >= 0 ? double(PictureOptions::MaxAdjustment) / (PictureOptions::MaxAdjustment - contrast)
                                        : double(PictureOptions::MaxAdjustment + contrast) / PictureOptions::MaxAdjustment;
    std::array<uchar, 256> table{};
    for (int grey = 0; grey < 256; ++grey) {
        double v = grey + offset;
        if (contrast == PictureOptions::MaxAdjustment)
            v = v < kMiddleGrey ? 0 : kWhite;
        else
            v = (v - kMiddleGrey) * factor + kMiddleGrey;
        int level = qBound(0, qRound(v), kWhite);
        if (options.invert)
            level = kWhite - level;
        table[size_t(grey)] = uchar(level);
    }
    return table;
}

QImage toMonochrome(const QImage &picture, const PictureOptions &options)
{
    if (picture.isNull())
        return QImage();
    if (options.earlierPixelReading && picture.depth() == 1)
        return takeAsItIs(picture);
    const GreyRows rows(picture, options);
    QImage dots = blankDots(rows.width(), rows.height());
    if (dots.isNull())
        return dots;
    switch (options.method) {
    case PictureOptions::Threshold:
        threshold(rows, dots);
        break;
    case PictureOptions::Atkinson:
        atkinson(rows, dots);
        break;
    case PictureOptions::Bayer:
        bayer(rows, dots);
        break;
    case PictureOptions::FloydSteinberg:
        floydSteinberg(rows, dots);
        break;
    }
    return dots;
}

} // namespace PictureConversion
