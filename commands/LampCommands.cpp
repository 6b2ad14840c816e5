#include "commands/LampCommands.h"

#include "commands/EscPos.h"

namespace LampCommands {

namespace {
const char kUnitSeparator = 0x1F;
const char kStandbySwitch = 0x06;
const char kStandbyPattern = 0x0B;

QByteArray prefix(char function)
{
    return QByteArray() + kUnitSeparator + EscPos::ESC + function;
}
} // namespace

QByteArray standbySwitch(int on)
{
    return prefix(kStandbySwitch) + EscPos::lowByte(on);
}

QByteArray standbyPattern(int pattern)
{
    return prefix(kStandbyPattern) + EscPos::lowByte(pattern);
}

QByteArray colour(Lamp lamp, int red, int green, int blue)
{
    return prefix(char(lamp)) + EscPos::lowByte(red) + EscPos::lowByte(green) + EscPos::lowByte(blue);
}

} // namespace LampCommands
