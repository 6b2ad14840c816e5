#include "commands/SettingsFrame.h"

#include "commands/EscPos.h"

namespace SettingsFrame {

namespace {
const char kFrameStart = 0x10;
const char kRead = 0x00;
const char kWrite = 0x01;
const char kReserved = 0x00;
const char kBaudPrefix[] = {0x1F, EscPos::ESC, 0x1F, char(0xC1)};
const int kBaudBase = 0x80;
const int kBaudMaxIndex = 7;

QByteArray frame(Setting setting, char direction, const QByteArray &data, char lengthLow, char lengthHigh)
{
    QByteArray bytes;
    bytes += kFrameStart;
    bytes += char(setting);
    bytes += direction;
    bytes += kReserved;
    bytes += lengthLow;
    bytes += lengthHigh;
    bytes += data;
    bytes += checksum(bytes);
    return bytes;
}
} // namespace

char checksum(const QByteArray &bytes)
{
    quint8 sum = 0;
    for (const char b : bytes)
        sum = quint8(sum + quint8(b));
    return char(sum);
}

QByteArray read(Setting setting)
{
    return frame(setting, kRead, QByteArray(), 0, 0);
}

QByteArray writeChoice(Setting setting, int choice)
{
    return frame(setting, kWrite, QByteArray(1, EscPos::lowByte(choice)), 1, 0);
}

QByteArray writeText(Setting setting, const QByteArray &text)
{
    if (text.size() > MaxTextBytes)
        return QByteArray();
    return frame(setting, kWrite, text, EscPos::lowByte(text.size()), 0);
}

QByteArray baudRate(int index)
{
    const int b = (index >= 0 && index <= kBaudMaxIndex) ? kBaudBase + index : kBaudBase + kBaudMaxIndex;
    return QByteArray(kBaudPrefix, int(sizeof kBaudPrefix)) + EscPos::lowByte(b);
}

QByteArray placeholder()
{
    return QByteArray(1, '\0');
}

} // namespace SettingsFrame
