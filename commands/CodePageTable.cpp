#include "commands/CodePageTable.h"

#include "commands/EscPos.h"
#include "text/TextEncoding.h"

#include <QTextCodec>

namespace CodePageTable {

namespace {
const char kInitialize[] = {EscPos::ESC, '@'};
const char kSingleByte[] = {EscPos::FS, '.'};
const char kChinese[] = {EscPos::FS, '&'};
const char kSelectTable[] = {EscPos::ESC, 't'};
const char kFontA[] = {EscPos::ESC, 'M', 0x00};
const char kFontB[] = {EscPos::ESC, 'M', 0x01};
const char kFeedAndCut[] = {EscPos::ESC, 'J', char(0xFA), EscPos::GS, 'V', 0x01};
const char kCellSeparator = ' ';
const char kCodeSeparator = ':';
const int kHexBase = 16;
// Characters of the basic plane that GBK has, and characters outside it that
// GB18030 writes in four bytes (CJK extensions A and B).
const char *const kGbkSample = "中文汉字打印测试";
const char *const kGb18030Sample = "㐀䶵𠀀𪚥";

template <size_t N>
QByteArray raw(const char (&bytes)[N])
{
    return QByteArray(bytes, int(N));
}

QByteArray gb18030(const char *utf8)
{
    static QTextCodec *const codec = QTextCodec::codecForName("GB18030");
    const QString text = QString::fromUtf8(utf8);
    return codec ? codec->fromUnicode(text) : text.toUtf8();
}

QByteArray hexCode(int byte)
{
    return QByteArray::number(byte, kHexBase).toUpper().rightJustified(2, '0');
}
} // namespace

QByteArray table(int codePage)
{
    const int n = codePage & 0xFF;
    QByteArray bytes = raw(kInitialize) + raw(kSingleByte) + raw(kSelectTable) + EscPos::lowByte(n);
    bytes += "ESC t " + QByteArray::number(n) + " (0x" + hexCode(n) + ")" + EscPos::LF;
    bytes += raw(kFontB);
    for (int byte = FirstByte; byte <= LastByte; ++byte) {
        const int column = (byte - FirstByte) % CellsPerLine;
        if (column > 0)
            bytes += kCellSeparator;
        bytes += hexCode(byte) + kCodeSeparator + EscPos::lowByte(byte);
        if (column == CellsPerLine - 1 || byte == LastByte)
            bytes += EscPos::LF;
    }
    bytes += raw(kFontA) + raw(kChinese);
    bytes += "GBK: " + TextEncoding::gbk(QString::fromUtf8(kGbkSample)) + EscPos::LF;
    bytes += "GB18030: " + gb18030(kGb18030Sample) + EscPos::LF;
    bytes += raw(kFeedAndCut);
    return bytes;
}

} // namespace CodePageTable
