#pragma once

#include <QByteArray>

// Command encoders: pure functions from values to command bytes. Every integer
// parameter goes into the command as its low 8 bits.
namespace EscPos {

constexpr char ESC = 0x1B;
constexpr char GS = 0x1D;
constexpr char DLE = 0x10;
constexpr char FS = 0x1C;
constexpr char DC4 = 0x14;
constexpr char EOT = 0x04;
constexpr char LF = 0x0A;

inline char lowByte(int value) { return char(value & 0xFF); }

// ESC B n t 00: beep n times for t x 50 ms (the trailing 00 is always sent).
QByteArray beep(int count, int duration);
// ESC C m t n: m alarms, t x 50 ms apart, n = 0 none, 1 beep, 2 flash, 3 both.
QByteArray beepAndFlash(int count, int interval, int mode);
// GS V: mode 0 full cut, 1 partial cut, 2 feed n motion units and cut partially.
QByteArray cut(int mode, int feed);
// ESC p m t1 t2: drawer pulse on pin m (0 = pin 2, 1 = pin 5), t1 on / t2 off x 2 ms.
QByteArray drawerPulse(int pin, int onTime, int offTime);
// DLE DC4 1 m t: real-time drawer pulse for t x 100 ms.
QByteArray realTimeDrawerPulse(int pin, int time);
// DLE EOT n: real-time status n (1 printer, 2 offline, 3 error, 4 paper sensor).
QByteArray realTimeStatus(int n);

} // namespace EscPos
