#pragma once

#include <QByteArray>

// The maker's indicator-lamp commands, 1F 1B and a function byte.
namespace LampCommands {

enum Lamp : char {
    Work = 0x07,
    PaperOut = 0x08,
    CutterJam = 0x09,
    Overheat = 0x0A,
    Standby = 0x0C,
};

// 1F 1B 06 n: standby lamp off (0) or on (1).
QByteArray standbySwitch(int on);
// 1F 1B 0B n: standby pattern 0 steady, 1 rhythm 1, 2 rhythm 2.
QByteArray standbyPattern(int pattern);
// 1F 1B f r g b: the colour of one lamp.
QByteArray colour(Lamp lamp, int red, int green, int blue);

} // namespace LampCommands
