#include "commands/PrinterParamCommands.h"

#include "commands/EscPos.h"

#include <QTextCodec>

namespace PrinterParamCommands {

namespace {
const char kUnitSeparator = 0x1F;
const char kRecordSeparator = 0x1E;

// The maker's functions after 1F 1B.
const char kVendorPrintMode = 0x01;
const char kVendorBuzzer = 0x02;
const char kVendorKnife = 0x03;
const char kVendorDensity = 0x04;
const char kVendorErrorBeep = 0x05;
const char kVendorCharset = 0x0E;
const char kVendorModel = 0x0F;
const char kVendorFactoryReset = 0x19;
const char kL7sCharset[] = {0x1F, char(0xFF)};
const char kDensityPrefix[] = {kUnitSeparator, EscPos::FS, kUnitSeparator, 0x41, 0x04, 0x06, 0x07};
const char kUsbUpgrade[] = {kUnitSeparator, kRecordSeparator, 0x18, 0x19, 0x01};
const char kPrintSpeedPrefix[] = {EscPos::ESC, 0x4E, 0x04};
const char kPeripheralsPrefix[] = {kUnitSeparator, 0x73, 0x02};
const int kPeripheralsPadding = 5;

const char kInternationalSet = 'R';
const char kAlignment = 'a';
const char kRotate90 = 'V';
const char kUpsideDown = '{';
const char kCharSize = '!';
const char kReverse = 'B';
const char kLeftMargin = 'L';
const char kPrintArea = 'W';
const char kMotionUnits = 'P';
const char kLineSpacing = '3';

// Print-area widths of the three paper sizes, in dots: 406, 456, 588.
const int kPaperWidths[] = {406, 456, 588};
// Line spacing of the four paper-gap choices, in motion units.
const int kGapSpacing[] = {1, 24, 30, 60};
// Character size: the width index goes to the high nibble, the height index to the low.
const int kSizeWidthShift = 4;
const int kSizeIndexMask = 0x07;

template <size_t N>
QByteArray raw(const char (&bytes)[N])
{
    return QByteArray(bytes, int(N));
}

QByteArray vendor(char function)
{
    return QByteArray() + kUnitSeparator + EscPos::ESC + function;
}

QByteArray esc(char command, int n)
{
    return QByteArray() + EscPos::ESC + command + EscPos::lowByte(n);
}

QByteArray gs(char command, int n)
{
    return QByteArray() + EscPos::GS + command + EscPos::lowByte(n);
}

QByteArray gs2(char command, int a, int b)
{
    return gs(command, a) + EscPos::lowByte(b);
}

using PrinterModel::hasVendorSettings;

QByteArray vendorOnly(Model model, char function, int n)
{
    return hasVendorSettings(model) ? vendor(function) + EscPos::lowByte(n) : QByteArray();
}
} // namespace

QByteArray printMode(Model model, int mode)
{
    return vendorOnly(model, kVendorPrintMode, mode);
}

QByteArray internationalCharacterSet(Model model, int set)
{
    if (hasVendorSettings(model))
        return vendor(kVendorCharset) + EscPos::lowByte(set);
    if (PrinterModel::hasOwnCharacterSetCommand(model))
        return QByteArray() + kUnitSeparator + EscPos::ESC + raw(kL7sCharset) + EscPos::lowByte(set);
    return esc(kInternationalSet, set);
}

QByteArray buzzerSwitch(Model model, int on)
{
    return vendorOnly(model, kVendorBuzzer, on);
}

QByteArray knifeSwitch(Model model, int on)
{
    return vendorOnly(model, kVendorKnife, on);
}

QByteArray errorBeep(Model model, int type)
{
    return vendorOnly(model, kVendorErrorBeep, type);
}

QByteArray density(Model model, int density)
{
    if (hasVendorSettings(model))
        return vendor(kVendorDensity) + EscPos::lowByte(density);
    return raw(kDensityPrefix) + EscPos::lowByte(density) + EscPos::LF;
}

QByteArray machineModel(Model model, const QString &name, int errorBeepType)
{
    if (!hasVendorSettings(model))
        return QByteArray();
    QTextCodec *utf8 = QTextCodec::codecForName("UTF-8");
    const QByteArray encoded = utf8 ? utf8->fromUnicode(name) : name.toUtf8();
    return vendor(kVendorModel) + EscPos::lowByte(encoded.size()) + encoded + EscPos::lowByte(errorBeepType);
}

QByteArray usbUpgradeMode(Model model)
{
    return hasVendorSettings(model) ? raw(kUsbUpgrade) : QByteArray();
}

QByteArray restoreFactorySettings(Model model)
{
    return hasVendorSettings(model) ? vendor(kVendorFactoryReset) : QByteArray();
}

QByteArray alignment(int alignment)
{
    return esc(kAlignment, alignment);
}

QByteArray rotate90(bool on)
{
    return esc(kRotate90, on ? 1 : 0);
}

QByteArray upsideDown(bool on)
{
    return esc(kUpsideDown, on ? 1 : 0);
}

QByteArray characterSize(int widthIndex, int heightIndex)
{
    // Indices outside 0-7 wrap into the eight-entry tables instead of reading past them.
    const int n = ((widthIndex & kSizeIndexMask) << kSizeWidthShift) + (heightIndex & kSizeIndexMask);
    return gs(kCharSize, n);
}

QByteArray reversePrinting(bool on)
{
    return gs(kReverse, on ? 1 : 0);
}

QByteArray leftMargin(int low, int high)
{
    return gs2(kLeftMargin, low, high);
}

QByteArray printAreaWidth(int low, int high)
{
    return gs2(kPrintArea, low, high);
}

QByteArray motionUnits(int x, int y)
{
    return gs2(kMotionUnits, x, y);
}

QByteArray paperSize(int choice)
{
    if (choice < 0 || choice >= int(sizeof kPaperWidths / sizeof kPaperWidths[0]))
        return QByteArray();
    const int width = kPaperWidths[choice];
    return gs2(kPrintArea, width, width >> 8);
}

QByteArray paperGap(int choice)
{
    if (choice < 0 || choice >= int(sizeof kGapSpacing / sizeof kGapSpacing[0]))
        return QByteArray();
    return esc(kLineSpacing, kGapSpacing[choice]);
}

QByteArray printSpeed(int speed)
{
    return raw(kPrintSpeedPrefix) + EscPos::lowByte(speed) + EscPos::LF;
}

QByteArray peripherals(bool cutter, bool buzzer, bool cashDrawer)
{
    return raw(kPeripheralsPrefix) + char(cutter ? 0 : 1) + char(buzzer ? 0 : 1) + char(cashDrawer ? 0 : 1)
           + QByteArray(kPeripheralsPadding, '\0');
}

} // namespace PrinterParamCommands
