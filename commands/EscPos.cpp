#include "commands/EscPos.h"

namespace EscPos {

namespace {
const char kBeep = 'B';
const char kBeepAndFlash = 'C';
const char kCut = 'V';
const char kCutFull = 0x00;
const char kCutPartial = 0x01;
const char kCutFeedPartial = 0x42;
const char kPulse = 'p';
const char kRealTimePulseFunction = 0x01;

QByteArray bytes(std::initializer_list<char> list)
{
    return QByteArray(list.begin(), int(list.size()));
}
} // namespace

QByteArray beep(int count, int duration)
{
    return bytes({ESC, kBeep, lowByte(count), lowByte(duration), 0x00});
}

QByteArray beepAndFlash(int count, int interval, int mode)
{
    return bytes({ESC, kBeepAndFlash, lowByte(count), lowByte(interval), lowByte(mode)});
}

QByteArray cut(int mode, int feed)
{
    switch (mode) {
    case 1: return bytes({GS, kCut, kCutPartial});
    case 2: return bytes({GS, kCut, kCutFeedPartial, lowByte(feed)});
    default: return bytes({GS, kCut, kCutFull});
    }
}

QByteArray drawerPulse(int pin, int onTime, int offTime)
{
    return bytes({ESC, kPulse, lowByte(pin), lowByte(onTime), lowByte(offTime)});
}

QByteArray realTimeDrawerPulse(int pin, int time)
{
    return bytes({DLE, DC4, kRealTimePulseFunction, lowByte(pin), lowByte(time)});
}

QByteArray realTimeStatus(int n)
{
    return bytes({DLE, EOT, lowByte(n)});
}

} // namespace EscPos
