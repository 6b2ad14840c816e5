#pragma once

#include "render/VpFont.h"

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QList>
#include <QString>
#include <QTextCodec>

// Turns what is printed into pages: a line buffer of glyph cells and inline
// images, printed on line feeds, and blocks (raster images, logos, barcodes,
// QR codes) printed whole. A cut, or the end of a stream, finishes a page.
// Pages are 8-bit grey images (0 dot, 255 paper) as wide as the paper.
// A page is at most maxPageHeight() dots long: printing that does not fit goes
// on in a new page, blank feed is drawn up to that length and what goes past
// it is left out, and a page with no dot on it is no page at all. Paper that
// is left out is counted (clippedDots), so callers can say so.
class VpRenderer
{
public:
    static constexpr int Paper80Dots = 576;
    static constexpr int Paper58Dots = 384;
    static constexpr int DefaultLineSpacing = 30;
    static constexpr int DefaultBarcodeHeight = 162;
    static constexpr int DefaultBarcodeWidth = 3;
    static constexpr int DefaultQrModule = 3;
    static constexpr int MaxPageHeight = 30000; // the page length unless set
    // 8 dots a millimetre (203 dpi) on both paper widths.
    static constexpr int DotsPerMm = 8;
    static constexpr int MaxLogos = 255;
    static constexpr int TabWidthChars = 8;
    static constexpr int QrQuietModules = 4;
    // GS ( k PDF417: module width and row height (in module widths), 2..8.
    static constexpr int DefaultPdf417Module = 3;
    static constexpr int DefaultPdf417RowHeight = 3;
    static constexpr int Pdf417QuietModules = 2;
    static constexpr int BarcodeQuietModules = 10;

    explicit VpRenderer(int paperDots = Paper80Dots);

    int paperDots() const { return m_paper; }

    // The longest page in dots (at least 1); set before anything is printed.
    void setMaxPageHeight(int dots) { m_maxPage = qMax(1, dots); }
    int maxPageHeight() const { return m_maxPage; }
    // Dots of paper length left out so far: feed past the page length, and
    // rows of pictures longer than a page.
    qint64 clippedDots() const { return m_clippedDots; }

    // ESC @: modes back to their power-on values; the line buffer is dropped.
    void initialize();

    // Character modes.
    void setPrintMode(int n);          // ESC !
    void setFontB(bool on) { m_fontB = on; }
    void setBold(bool on) { m_bold = on; }
    void setUnderline(int dots) { m_underline = qBound(0, dots, 2); }
    void setCharSize(int n);           // GS !
    void setReverse(bool on) { m_reverse = on; }
    void setUpsideDown(bool on) { m_upsideDown = on; }
    void setRotate90(bool on) { m_rotate90 = on; }
    void setAlignment(int n) { m_align = qBound(0, n, 2); }
    void setLeftMargin(int dots) { m_leftMargin = qBound(0, dots, m_paper - 1); }
    void setPrintAreaWidth(int dots) { m_areaWidth = qMax(1, dots); }
    void setLineSpacing(int dots) { m_lineSpacing = dots; }
    void setRightSpacing(int dots) { m_rightSpacing = dots; }
    void setChineseFormat(int n);      // FS !
    void setChineseUnderline(int dots) { m_cnUnderline = qBound(0, dots, 2); }
    void setChineseSpacing(int left, int right) { m_cnLeft = left; m_cnRight = right; }
    void setChineseQuad(bool on) { m_cnQuad = on; }
    // ESC t: false when the table is not known (the previous one stays).
    bool setCodeTable(int n, QString *name);
    QString codeTableName() const { return m_codeTableName; }
    // ESC R: national variants of 12 ASCII positions (0 USA .. 15 China).
    bool setInternationalSet(int n);
    void setUserCharsEnabled(bool on) { m_userChars = on; }
    // ESC &: defines characters first..last from their column data.
    int defineUserChars(int y, int first, int last, const QByteArray &data);
    void cancelUserChar(int code);
    void setAbsolutePosition(int dots);

    // Barcode and QR settings.
    void setHriPosition(int n) { m_hriPos = n & 3; }
    void setHriFontB(bool on) { m_hriFontB = on; }
    void setBarcodeHeight(int dots) { m_barHeight = qMax(1, dots); }
    void setBarcodeWidth(int n) { m_barWidth = qBound(1, n, 6); }
    void setQrModule(int n) { m_qrModule = qBound(1, n, 16); }
    void setQrLevel(int n) { m_qrLevel = qBound(0, n, 3); }
    void storeQr(const QByteArray &data) { m_qrData = data; }
    void setPdf417Module(int n) { m_pdf417Module = qBound(2, n, 8); }
    void setPdf417RowHeight(int n) { m_pdf417RowHeight = qBound(2, n, 8); }
    // 0..8, or -1: the level follows the amount of data.
    void setPdf417Level(int level) { m_pdf417Level = qBound(-1, level, 8); }
    void storePdf417(const QByteArray &data) { m_pdf417Data = data; }

    // Printing. Text bytes are decoded in the current code table, or as GBK
    // for two-byte characters in Chinese-character mode. Returns the text.
    QString addText(const QByteArray &bytes, bool chinese);
    void horizontalTab();
    void printLine();                 // LF
    void printAndFeedDots(int dots);  // ESC J
    void printAndFeedLines(int lines); // ESC d
    void bitImage(int m, int columns, const QByteArray &data); // ESC *
    void rasterImage(int m, int widthBytes, int height, const QByteArray &data); // GS v 0
    int defineLogos(int count, const QByteArray &data); // FS q, returns logos defined
    bool printLogo(int n, int m); // FS p
    // GS ( L / GS 8 L graphics. A picture comes in planes of one colour each,
    // 1 bit a dot: raster format (rows of whole bytes, most significant bit
    // left) or column format (columns of whole bytes, most significant bit on
    // top). This printer has one colour: every plane prints black.
    // Store in the print buffer (fn 112/113): planes of the same size add up.
    void storeGraphics(bool column, int width, int height, int scaleX, int scaleY, const QByteArray &plane);
    // Print what is stored (fn 50) and empty the buffer; false when it is empty.
    bool printStoredGraphics();
    // Define a picture under a key code (kc1 * 256 + kc2), in non-volatile
    // (fn 67/68) or download memory (fn 83/84): planes times (colour byte,
    // plane data). Returns the planes read.
    int defineGraphics(bool nv, bool column, int key, int width, int height, int planes, const QByteArray &data);
    // Print a defined picture (fn 69/85), scaled 1 or 2 times each way; false
    // when the key is not defined.
    bool printGraphics(bool nv, int key, int scaleX, int scaleY);
    // Delete one picture (fn 66/82), or all of them for key -1 (fn 65/81);
    // returns how many went.
    int deleteGraphics(bool nv, int key);
    bool printBarcode(int symbology, const QByteArray &data, QString *text, QString *error);
    bool printQr(QString *error);
    bool printPdf417(QString *error);
    void selfTest(const QStringList &lines);

    // GS V / ESC i / ESC m: the page ends here.
    void cut();
    // End of a stream: the line buffer is printed and the page ends if
    // anything is on it.
    void endOfStream();
    // A dot on the page being printed (the line buffer not counted).
    bool pageHasInk() const { return m_pageInk; }
    // Ink on the page, or text in the line buffer that will print.
    bool hasContent() const { return m_pageInk || !m_line.isEmpty(); }
    QList<QImage> takeFinishedPages();

private:
    struct Item {
        QImage image;
        int x = -1; // absolute position, or -1 to follow the previous item
    };
    // A strip of the page: a picture with ink on it, or blank paper (null image).
    struct Band {
        QImage image;
        int height = 0;
    };

    QImage charCell(uint codePoint, bool chineseChar, uchar userCode);
    void appendItem(const QImage &img, bool wrap = true);
    int lineWidth() const;
    int areaLeft() const { return m_leftMargin; }
    int areaWidth() const;
    void flushLine(int minFeed);
    void addBand(const QImage &band);
    void addBlock(const QImage &block);
    void addFeed(int dots);
    // A page with no ink yet keeps at most `dots` of its blank paper.
    void trimBlankPage(int dots);
    // Rows of a picture beyond the page length are not kept: the rows kept.
    int keptRows(int rows);
    void finishPage();
    static QImage scaled(const QImage &src, int sx, int sy);
    // A 1-bit picture from data at `at`: rows (or, in column format, columns)
    // of `stride` bytes; bits beyond the data are paper.
    static QImage bitPicture(const QByteArray &data, qint64 at, int width, int height, int stride, bool column);

    int m_paper;
    // modes
    bool m_fontB = false, m_bold = false, m_reverse = false, m_upsideDown = false, m_rotate90 = false;
    int m_underline = 0, m_wMul = 1, m_hMul = 1, m_align = 0;
    int m_leftMargin = 0, m_areaWidth = 0, m_lineSpacing = DefaultLineSpacing, m_rightSpacing = 0;
    bool m_cnDoubleW = false, m_cnDoubleH = false, m_cnQuad = false;
    int m_cnUnderline = 0, m_cnLeft = 0, m_cnRight = 0;
    QTextCodec *m_codec = nullptr;
    QString m_codeTableName;
    int m_intlSet = 0;
    bool m_userChars = false;
    QHash<int, QImage> m_userCells;
    int m_hriPos = 0, m_barHeight = DefaultBarcodeHeight, m_barWidth = DefaultBarcodeWidth;
    bool m_hriFontB = false;
    int m_qrModule = DefaultQrModule, m_qrLevel = 0;
    QByteArray m_qrData;
    int m_pdf417Module = DefaultPdf417Module, m_pdf417RowHeight = DefaultPdf417RowHeight, m_pdf417Level = -1;
    QByteArray m_pdf417Data;
    QList<QImage> m_logos;
    QImage m_graphics; // stored in the print buffer, not yet printed
    int m_graphicsScaleX = 1, m_graphicsScaleY = 1;
    QHash<int, QImage> m_nvGraphics, m_downloadGraphics;
    // paper
    QList<Item> m_line;
    QList<Band> m_bands;
    int m_bandsHeight = 0;
    bool m_pageInk = false; // a dot on the page being printed
    int m_maxPage = MaxPageHeight;
    qint64 m_clippedDots = 0;
    QList<QImage> m_finished;
};
