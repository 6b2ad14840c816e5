#include "render/VpRenderer.h"

#include "render/VpBarcode.h"

#include <QPainter>
#include <QTransform>

namespace {

constexpr uchar Dot = 0;
constexpr uchar Paper = 255;

// The upper half of code page 437, which is the power-on code table. The same
// table as text/CodePage437: the renderer links no library of the program.
const char16_t Cp437High[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, 0x00FF, 0x00D6, 0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192,
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA, 0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510,
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567,
    0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4, 0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229,
    0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248, 0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,
};

// The 12 ASCII positions that ESC R replaces, and their characters per set.
const char IntlPositions[12] = {'#', '$', '@', '[', '\\', ']', '^', '`', '{', '|', '}', '~'};
const char16_t IntlSets[16][12] = {
    {'#', '$', '@', '[', '\\', ']', '^', '`', '{', '|', '}', '~'},                          // USA
    {'#', '$', 0xE0, 0xB0, 0xE7, 0xA7, '^', '`', 0xE9, 0xF9, 0xE8, 0xA8},                  // France
    {'#', '$', 0xA7, 0xC4, 0xD6, 0xDC, '^', '`', 0xE4, 0xF6, 0xFC, 0xDF},                  // Germany
    {0xA3, '$', '@', '[', '\\', ']', '^', '`', '{', '|', '}', '~'},                         // UK
    {'#', '$', '@', 0xC6, 0xD8, 0xC5, '^', '`', 0xE6, 0xF8, 0xE5, '~'},                     // Denmark I
    {'#', 0xA4, 0xC9, 0xC4, 0xD6, 0xC5, 0xDC, 0xE9, 0xE4, 0xF6, 0xE5, 0xFC},               // Sweden
    {'#', '$', '@', 0xB0, '\\', 0xE9, '^', 0xF9, 0xE0, 0xF2, 0xE8, 0xEC},                  // Italy
    {0x20A7, '$', '@', 0xA1, 0xD1, 0xBF, '^', '`', 0xA8, 0xF1, '}', '~'},                  // Spain I
    {'#', '$', '@', '[', 0xA5, ']', '^', '`', '{', '|', '}', '~'},                          // Japan
    {'#', 0xA4, 0xC9, 0xC6, 0xD8, 0xC5, 0xDC, 0xE9, 0xE6, 0xF8, 0xE5, 0xFC},               // Norway
    {'#', '$', 0xC9, 0xC6, 0xD8, 0xC5, 0xDC, 0xE9, 0xE6, 0xF8, 0xE5, 0xFC},                // Denmark II
    {'#', '$', 0xE1, 0xA1, 0xD1, 0xBF, 0xE9, '`', 0xED, 0xF1, 0xF3, 0xFA},                 // Spain II
    {'#', '$', 0xE1, 0xA1, 0xD1, 0xBF, 0xE9, 0xFC, 0xED, 0xF1, 0xF3, 0xFA},                // Latin America
    {'#', '$', '@', '[', 0x20A9, ']', '^', '`', '{', '|', '}', '~'},                        // Korea
    {'#', '$', 0x17D, 0x160, 0x110, 0x106, 0x10C, 0x17E, 0x161, 0x111, 0x107, 0x10D},      // Slovenia/Croatia
    {'#', 0xA5, '@', '[', '\\', ']', '^', '`', '{', '|', '}', '~'},                        // China
};

struct CodeTable { int n; const char *name; const char *codec; };
const CodeTable CodeTables[] = {
    {0, "CP437", nullptr},           {2, "CP850", "IBM850"},        {3, "CP860", "IBM860"},
    {4, "CP863", "IBM863"},          {5, "CP865", "IBM865"},        {16, "WPC1252", "windows-1252"},
    {17, "CP866", "IBM866"},         {18, "CP852", "IBM852"},       {19, "CP858", "IBM00858"},
    {255, "GBK", "GBK"},
};

void invert(QImage &img)
{
    for (int y = 0; y < img.height(); ++y) {
        uchar *row = img.scanLine(y);
        for (int x = 0; x < img.width(); ++x)
            row[x] = uchar(255 - row[x]);
    }
}

QImage blank(int w, int h)
{
    QImage img(qMax(1, w), qMax(1, h), QImage::Format_Grayscale8);
    img.fill(Paper);
    return img;
}

bool hasInk(const QImage &img)
{
    for (int y = 0; y < img.height(); ++y)
        if (memchr(img.constScanLine(y), Dot, size_t(img.width())))
            return true;
    return false;
}

void blit(QImage &dst, const QImage &src, int x0, int y0)
{
    for (int y = 0; y < src.height(); ++y) {
        const int ty = y0 + y;
        if (ty < 0 || ty >= dst.height())
            continue;
        const uchar *s = src.constScanLine(y);
        uchar *d = dst.scanLine(ty);
        for (int x = 0; x < src.width(); ++x) {
            const int tx = x0 + x;
            if (tx >= 0 && tx < dst.width() && s[x] == Dot)
                d[tx] = Dot;
        }
    }
}

} // namespace

VpRenderer::VpRenderer(int paperDots) : m_paper(paperDots)
{
    initialize();
}

void VpRenderer::initialize()
{
    m_fontB = m_bold = m_reverse = m_upsideDown = m_rotate90 = false;
    m_underline = 0;
    m_wMul = m_hMul = 1;
    m_align = 0;
    m_leftMargin = 0;
    m_areaWidth = m_paper;
    m_lineSpacing = DefaultLineSpacing;
    m_rightSpacing = 0;
    m_cnDoubleW = m_cnDoubleH = m_cnQuad = false;
    m_cnUnderline = m_cnLeft = m_cnRight = 0;
    m_codec = nullptr;
    m_codeTableName = QStringLiteral("CP437");
    m_intlSet = 0;
    m_userChars = false;
    m_hriPos = 0;
    m_hriFontB = false;
    m_barHeight = DefaultBarcodeHeight;
    m_barWidth = DefaultBarcodeWidth;
    m_qrModule = DefaultQrModule;
    m_qrLevel = 0;
    m_pdf417Module = DefaultPdf417Module;
    m_pdf417RowHeight = DefaultPdf417RowHeight;
    m_pdf417Level = -1;
    m_line.clear();
}

void VpRenderer::setPrintMode(int n)
{
    m_fontB = n & 0x01;
    m_bold = n & 0x08;
    m_hMul = (n & 0x10) ? 2 : 1;
    m_wMul = (n & 0x20) ? 2 : 1;
    m_underline = (n & 0x80) ? 1 : 0;
}

void VpRenderer::setCharSize(int n)
{
    m_wMul = ((n >> 4) & 0x07) + 1;
    m_hMul = (n & 0x07) + 1;
}

void VpRenderer::setChineseFormat(int n)
{
    m_cnDoubleW = n & 0x04;
    m_cnDoubleH = n & 0x08;
    m_cnUnderline = (n & 0x80) ? 1 : 0;
}

bool VpRenderer::setCodeTable(int n, QString *name)
{
    for (const CodeTable &t : CodeTables) {
        if (t.n != n)
            continue;
        QTextCodec *codec = t.codec ? QTextCodec::codecForName(t.codec) : nullptr;
        if (t.codec && !codec)
            return false;
        m_codec = codec;
        m_codeTableName = QLatin1String(t.name);
        *name = m_codeTableName;
        return true;
    }
    return false;
}

bool VpRenderer::setInternationalSet(int n)
{
    if (n < 0 || n >= int(sizeof IntlSets / sizeof IntlSets[0]))
        return false;
    m_intlSet = n;
    return true;
}

int VpRenderer::defineUserChars(int y, int first, int last, const QByteArray &data)
{
    int at = 0, defined = 0;
    for (int c = first; c <= last && at < data.size(); ++c) {
        const int x = uchar(data.at(at++));
        const QImage cell = x == 0 ? blank(m_fontB ? VpFont::FontBWidth : VpFont::FontAWidth, y * 8)
                                   : bitPicture(data, at, x, y * 8, y, true);
        at += x * y;
        m_userCells.insert(c, cell);
        ++defined;
    }
    return defined;
}

void VpRenderer::cancelUserChar(int code)
{
    m_userCells.remove(code);
}

void VpRenderer::setAbsolutePosition(int dots)
{
    Item spacer;
    spacer.image = blank(1, 1);
    spacer.x = qMax(0, dots);
    m_line.append(spacer);
}

QImage VpRenderer::scaled(const QImage &src, int sx, int sy)
{
    if (sx == 1 && sy == 1)
        return src;
    QImage out(src.width() * sx, src.height() * sy, QImage::Format_Grayscale8);
    for (int y = 0; y < out.height(); ++y) {
        const uchar *s = src.constScanLine(y / sy);
        uchar *d = out.scanLine(y);
        for (int x = 0; x < out.width(); ++x)
            d[x] = s[x / sx];
    }
    return out;
}

QImage VpRenderer::charCell(uint codePoint, bool chineseChar, uchar userCode)
{
    QImage cell;
    if (!chineseChar && m_userChars && m_userCells.contains(userCode))
        cell = m_userCells.value(userCode);
    else if (chineseChar)
        cell = VpFont::glyph(VpFont::Chinese, codePoint);
    else
        cell = VpFont::glyph(m_fontB ? VpFont::FontB : VpFont::FontA, codePoint);

    if (m_bold) {
        QImage bold = cell.copy();
        for (int y = 0; y < cell.height(); ++y) {
            const uchar *s = cell.constScanLine(y);
            uchar *d = bold.scanLine(y);
            for (int x = 1; x < cell.width(); ++x)
                if (s[x - 1] == Dot)
                    d[x] = Dot;
        }
        cell = bold;
    }
    int wMul = m_wMul, hMul = m_hMul;
    int left = 0, right = m_rightSpacing;
    int underline = m_underline;
    if (chineseChar) {
        if (m_cnDoubleW || m_cnQuad)
            wMul = qMax(wMul, 2);
        if (m_cnDoubleH || m_cnQuad)
            hMul = qMax(hMul, 2);
        left = m_cnLeft;
        right = m_cnRight;
        underline = qMax(underline, m_cnUnderline);
    }
    cell = scaled(cell, wMul, hMul);
    QImage padded = blank(cell.width() + (left + right) * wMul, cell.height());
    blit(padded, cell, left * wMul, 0);
    if (underline > 0 && !m_rotate90) {
        for (int t = 0; t < underline; ++t) {
            uchar *row = padded.scanLine(padded.height() - 1 - t);
            for (int x = 0; x < padded.width(); ++x)
                row[x] = Dot;
        }
    }
    if (m_reverse)
        invert(padded);
    if (m_rotate90)
        padded = padded.transformed(QTransform().rotate(90));
    return padded;
}

QString VpRenderer::addText(const QByteArray &bytes, bool chinese)
{
    static QTextCodec *gbk = QTextCodec::codecForName("GBK");
    QString text;
    for (int i = 0; i < bytes.size(); ++i) {
        const uchar b = uchar(bytes.at(i));
        if (chinese && b >= 0x81 && b <= 0xFE && i + 1 < bytes.size()) {
            const QByteArray pair = bytes.mid(i, 2);
            const QString s = gbk ? gbk->toUnicode(pair) : QStringLiteral("?");
            const uint cp = s.isEmpty() ? uint('?') : s.toUcs4().value(0, '?');
            text += s;
            appendItem(charCell(cp, true, 0));
            ++i;
            continue;
        }
        uint cp;
        if (b < 0x80) {
            cp = b;
            if (m_intlSet != 0)
                for (int k = 0; k < 12; ++k)
                    if (b == uchar(IntlPositions[k]))
                        cp = IntlSets[m_intlSet][k];
        }
        else if (m_codec)
            cp = m_codec->toUnicode(reinterpret_cast<const char *>(&b), 1).toUcs4().value(0, '?');
        else
            cp = Cp437High[b - 0x80];
        const uint cps[1] = {cp};
        text += QString::fromUcs4(cps, 1);
        appendItem(charCell(cp, false, b));
    }
    return text;
}

void VpRenderer::horizontalTab()
{
    const int tab = (m_fontB ? VpFont::FontBWidth : VpFont::FontAWidth) * TabWidthChars;
    const int next = (lineWidth() / tab + 1) * tab;
    if (next >= areaWidth())
        return;
    Item spacer;
    spacer.image = blank(1, 1);
    spacer.x = next;
    m_line.append(spacer);
}

int VpRenderer::areaWidth() const
{
    return qMax(1, qMin(m_areaWidth, m_paper - m_leftMargin));
}

int VpRenderer::lineWidth() const
{
    int x = 0;
    for (const Item &item : m_line)
        x = (item.x >= 0 ? item.x : x) + item.image.width();
    return x;
}

void VpRenderer::appendItem(const QImage &img, bool wrap)
{
    if (wrap && !m_line.isEmpty() && lineWidth() + img.width() > areaWidth())
        flushLine(m_lineSpacing);
    Item item;
    item.image = img;
    m_line.append(item);
}

void VpRenderer::flushLine(int minFeed)
{
    if (m_line.isEmpty()) {
        addFeed(minFeed);
        return;
    }
    int height = 0;
    for (const Item &item : m_line)
        height = qMax(height, item.image.height());
    const int used = qMin(lineWidth(), areaWidth());
    int offset = 0;
    if (m_align == 1)
        offset = (areaWidth() - used) / 2;
    else if (m_align == 2)
        offset = areaWidth() - used;
    QImage band = blank(m_paper, qMax(height, minFeed));
    int x = 0;
    for (const Item &item : m_line) {
        x = item.x >= 0 ? item.x : x;
        blit(band, item.image, areaLeft() + offset + x, height - item.image.height());
        x += item.image.width();
    }
    if (m_upsideDown)
        band = band.transformed(QTransform().rotate(180));
    m_line.clear();
    addBand(band);
}

void VpRenderer::addBand(const QImage &band)
{
    if (!hasInk(band)) {
        addFeed(band.height());
        return;
    }
    Band ink{band, band.height()};
    if (ink.height > m_maxPage) {
        m_clippedDots += ink.height - m_maxPage;
        ink.image = band.copy(0, 0, band.width(), m_maxPage);
        ink.height = m_maxPage;
    }
    if (m_bandsHeight + ink.height > m_maxPage) {
        if (m_pageInk)
            finishPage();
        else
            trimBlankPage(m_maxPage - ink.height);
    }
    m_bands.append(ink);
    m_bandsHeight += ink.height;
    m_pageInk = true;
}

void VpRenderer::trimBlankPage(int dots)
{
    if (m_bandsHeight <= dots)
        return;
    m_clippedDots += m_bandsHeight - dots;
    m_bands.clear();
    m_bandsHeight = 0;
    addFeed(dots);
}

void VpRenderer::addBlock(const QImage &block)
{
    if (!m_line.isEmpty())
        flushLine(m_lineSpacing);
    const int w = qMin(block.width(), areaWidth());
    int offset = 0;
    if (m_align == 1)
        offset = (areaWidth() - w) / 2;
    else if (m_align == 2)
        offset = areaWidth() - w;
    QImage band = blank(m_paper, block.height());
    blit(band, block, areaLeft() + offset, 0);
    if (m_upsideDown)
        band = band.transformed(QTransform().rotate(180));
    addBand(band);
}

void VpRenderer::addFeed(int dots)
{
    if (dots <= 0)
        return;
    const int drawn = qMin(dots, m_maxPage - m_bandsHeight);
    m_clippedDots += dots - drawn;
    if (drawn <= 0)
        return;
    // Blank paper is a length, not a picture, until the page is put together.
    if (!m_bands.isEmpty() && m_bands.last().image.isNull())
        m_bands.last().height += drawn;
    else
        m_bands.append(Band{QImage(), drawn});
    m_bandsHeight += drawn;
}

int VpRenderer::keptRows(int rows)
{
    const int kept = qMin(rows, m_maxPage);
    m_clippedDots += rows - kept;
    return kept;
}

void VpRenderer::printLine()
{
    flushLine(m_lineSpacing);
}

void VpRenderer::printAndFeedDots(int dots)
{
    if (m_line.isEmpty())
        addFeed(dots);
    else
        flushLine(dots);
}

void VpRenderer::printAndFeedLines(int lines)
{
    if (!m_line.isEmpty())
        flushLine(m_lineSpacing);
    else if (lines > 0)
        addFeed(m_lineSpacing);
    if (lines > 1)
        addFeed((lines - 1) * m_lineSpacing);
}

void VpRenderer::bitImage(int m, int columns, const QByteArray &data)
{
    const int bytesPerColumn = (m == 32 || m == 33) ? 3 : 1;
    const QImage img = bitPicture(data, 0, columns, bytesPerColumn * 8, bytesPerColumn, true);
    const int sx = (m == 0 || m == 32) ? 2 : 1;
    const int sy = bytesPerColumn == 1 ? 3 : 1;
    appendItem(scaled(img, sx, sy));
}

QImage VpRenderer::bitPicture(const QByteArray &data, qint64 at, int width, int height, int stride, bool column)
{
    QImage img = blank(width, height);
    const auto *bytes = reinterpret_cast<const uchar *>(data.constData());
    for (int y = 0; y < height; ++y) {
        uchar *row = img.scanLine(y);
        for (int x = 0; x < width; ++x) {
            const qint64 idx = at + (column ? qint64(x) * stride + y / 8 : qint64(y) * stride + x / 8);
            const int bit = column ? y % 8 : x % 8;
            if (idx < data.size() && (bytes[idx] & (0x80 >> bit)))
                row[x] = Dot;
        }
    }
    return img;
}

void VpRenderer::rasterImage(int m, int widthBytes, int height, const QByteArray &data)
{
    if (widthBytes <= 0 || height <= 0)
        return;
    const int w = qMin(widthBytes * 8, m_paper);
    height = keptRows(height);
    const QImage img = bitPicture(data, 0, w, height, widthBytes, false);
    const int mode = m & 0x03;
    addBlock(scaled(img, (mode & 1) ? 2 : 1, (mode & 2) ? 2 : 1));
}

int VpRenderer::defineLogos(int count, const QByteArray &data)
{
    m_logos.clear();
    int at = 0;
    for (int k = 0; k < count && k < MaxLogos; ++k) {
        if (at + 4 > data.size())
            break;
        const int x = uchar(data.at(at)) | (uchar(data.at(at + 1)) << 8);
        const int y = uchar(data.at(at + 2)) | (uchar(data.at(at + 3)) << 8);
        at += 4;
        const int w = x * 8, h = keptRows(y * 8);
        // Columns beyond twice the paper and rows beyond a page are not kept.
        m_logos.append(bitPicture(data, at, qMin(w, m_paper * 2), h, y, true));
        at += w * y;
    }
    return m_logos.size();
}

bool VpRenderer::printLogo(int n, int m)
{
    if (n < 1 || n > m_logos.size())
        return false;
    const int mode = m & 0x03;
    addBlock(scaled(m_logos.at(n - 1), (mode & 1) ? 2 : 1, (mode & 2) ? 2 : 1));
    return true;
}

void VpRenderer::storeGraphics(bool column, int width, int height, int scaleX, int scaleY, const QByteArray &plane)
{
    if (width <= 0 || height <= 0)
        return;
    const int stride = column ? (height + 7) / 8 : (width + 7) / 8;
    const int rows = qMin(height, m_maxPage);
    const QImage img = bitPicture(plane, 0, qMin(width, m_paper), rows, stride, column);
    if (m_graphics.size() != img.size()) {
        m_graphics = img;
        keptRows(height); // counted once, not for each plane
    }
    else
        blit(m_graphics, img, 0, 0);
    m_graphicsScaleX = scaleX == 2 ? 2 : 1;
    m_graphicsScaleY = scaleY == 2 ? 2 : 1;
}

bool VpRenderer::printStoredGraphics()
{
    if (m_graphics.isNull())
        return false;
    addBlock(scaled(m_graphics, m_graphicsScaleX, m_graphicsScaleY));
    m_graphics = QImage();
    return true;
}

int VpRenderer::defineGraphics(bool nv, bool column, int key, int width, int height, int planes, const QByteArray &data)
{
    if (width <= 0 || height <= 0)
        return 0;
    const int stride = column ? (height + 7) / 8 : (width + 7) / 8;
    const qint64 planeSize = qint64(stride) * (column ? width : height);
    const int w = qMin(width, m_paper), h = keptRows(height);
    QImage picture = blank(w, h);
    int read = 0;
    for (qint64 at = 0; read < planes && at + 1 + planeSize <= data.size(); at += 1 + planeSize, ++read)
        blit(picture, bitPicture(data, at + 1, w, h, stride, column), 0, 0); // at: the plane's colour byte
    if (read > 0)
        (nv ? m_nvGraphics : m_downloadGraphics).insert(key, picture);
    return read;
}

bool VpRenderer::printGraphics(bool nv, int key, int scaleX, int scaleY)
{
    const QHash<int, QImage> &pictures = nv ? m_nvGraphics : m_downloadGraphics;
    auto it = pictures.constFind(key);
    if (it == pictures.constEnd())
        return false;
    addBlock(scaled(*it, scaleX == 2 ? 2 : 1, scaleY == 2 ? 2 : 1));
    return true;
}

int VpRenderer::deleteGraphics(bool nv, int key)
{
    QHash<int, QImage> &pictures = nv ? m_nvGraphics : m_downloadGraphics;
    if (key >= 0)
        return pictures.remove(key);
    const int n = pictures.size();
    pictures.clear();
    return n;
}

bool VpRenderer::printBarcode(int symbology, const QByteArray &data, QString *text, QString *error)
{
    QVector<bool> modules;
    if (!VpBarcode::encodeLinear(symbology, data, &modules, text, error))
        return false;
    int moduleWidth = m_barWidth;
    const int quiet = BarcodeQuietModules;
    while (moduleWidth > 1 && (modules.size() + 2 * quiet) * moduleWidth > areaWidth())
        --moduleWidth;
    const int barsWidth = modules.size() * moduleWidth;
    if (barsWidth > areaWidth()) {
        *error = QStringLiteral("the barcode is wider than the print area");
        return false;
    }
    const int width = qMin(areaWidth(), barsWidth + 2 * quiet * moduleWidth);
    const int left = (width - barsWidth) / 2;

    auto hriLine = [&]() {
        const VpFont::Face face = m_hriFontB ? VpFont::FontB : VpFont::FontA;
        const QSize cell = VpFont::cellSize(face);
        QImage line = blank(width, cell.height());
        const int textWidth = text->size() * cell.width();
        int x = qMax(0, (width - textWidth) / 2);
        for (const uint cp : text->toUcs4()) {
            blit(line, VpFont::glyph(face, cp), x, 0);
            x += cell.width();
        }
        return line;
    };
    QImage bars = blank(width, m_barHeight);
    for (int i = 0; i < modules.size(); ++i) {
        if (!modules.at(i))
            continue;
        for (int y = 0; y < bars.height(); ++y) {
            uchar *row = bars.scanLine(y);
            for (int k = 0; k < moduleWidth; ++k)
                row[left + i * moduleWidth + k] = Dot;
        }
    }
    if (m_hriPos & 1)
        addBlock(hriLine());
    addBlock(bars);
    if (m_hriPos & 2)
        addBlock(hriLine());
    return true;
}

bool VpRenderer::printQr(QString *error)
{
    QImage matrix;
    if (!VpBarcode::encodeQr(m_qrData, m_qrLevel, &matrix, error))
        return false;
    int module = m_qrModule;
    while (module > 1 && (matrix.width() + 2 * QrQuietModules) * module > areaWidth())
        --module;
    if ((matrix.width() + 2 * QrQuietModules) * module > areaWidth()) {
        *error = QStringLiteral("the QR code is wider than the print area");
        return false;
    }
    QImage block = blank((matrix.width() + 2 * QrQuietModules) * module, (matrix.height() + 2 * QrQuietModules) * module);
    blit(block, scaled(matrix, module, module), QrQuietModules * module, QrQuietModules * module);
    addBlock(block);
    return true;
}

bool VpRenderer::printPdf417(QString *error)
{
    QImage matrix;
    if (!VpBarcode::encodePdf417(m_pdf417Data, m_pdf417Level, &matrix, error))
        return false;
    const int width = (matrix.width() + 2 * Pdf417QuietModules) * m_pdf417Module;
    if (width > areaWidth()) {
        *error = QStringLiteral("the PDF417 symbol is wider than the print area");
        return false;
    }
    const int rowDots = m_pdf417Module * m_pdf417RowHeight;
    const int quiet = Pdf417QuietModules * m_pdf417Module;
    QImage block = blank(width, matrix.height() * rowDots + 2 * quiet);
    blit(block, scaled(matrix, m_pdf417Module, rowDots), quiet, quiet);
    addBlock(block);
    return true;
}

void VpRenderer::selfTest(const QStringList &lines)
{
    const bool fontB = m_fontB;
    m_fontB = false;
    for (const QString &line : lines) {
        addText(line.toLatin1(), false);
        printLine();
    }
    m_fontB = fontB;
}

void VpRenderer::cut()
{
    if (!m_line.isEmpty())
        flushLine(m_lineSpacing);
    finishPage();
}

void VpRenderer::endOfStream()
{
    if (!m_line.isEmpty())
        flushLine(m_lineSpacing);
    finishPage();
}

void VpRenderer::finishPage()
{
    // A page with nothing on it is not a page: blank feed and cuts alone print nothing.
    if (m_pageInk) {
        QImage page = blank(m_paper, m_bandsHeight);
        int y = 0;
        for (const Band &band : qAsConst(m_bands)) {
            for (int r = 0; r < band.image.height(); ++r)
                memcpy(page.scanLine(y + r), band.image.constScanLine(r), size_t(m_paper));
            y += band.height;
        }
        m_finished.append(page);
    }
    m_bands.clear();
    m_bandsHeight = 0;
    m_pageInk = false;
}

QList<QImage> VpRenderer::takeFinishedPages()
{
    QList<QImage> out;
    out.swap(m_finished);
    return out;
}
