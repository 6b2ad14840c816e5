#pragma once

#include <QByteArray>

// The frame in which the printer's stored settings are read, written and
// reported: 10, setting code, direction, 00, 16-bit length (low byte first),
// data, and the 8-bit sum of all preceding bytes.
namespace SettingsFrame {

enum Setting : char {
    PrintInstruction = char(0xA2),
    PaperType = char(0xA3),
    PrintSpeedMode = char(0xA4),
    PrintDensityMode = char(0xA5),
    CharacterMode = char(0xA6),
    BluetoothName = char(0xA7),
    BluetoothPinCode = char(0xA8),
    BluetoothAddress = char(0xA9),
};

// A read request: no data.
QByteArray read(Setting setting);
// A write of a choice: one byte, the page index of the choice.
QByteArray writeChoice(Setting setting, int choice);
// Longest text a write carries: the printer reads one length byte (the high
// byte of the length field is 00).
constexpr int MaxTextBytes = 255;
// A write of text bytes; an empty array (nothing to send) when the text is
// longer than MaxTextBytes.
QByteArray writeText(Setting setting, const QByteArray &text);
// The 8-bit sum of all bytes.
char checksum(const QByteArray &bytes);

// 1F 1B 1F C1 b: serial baud rate, b = 80 + index for indices 0-7 (1200 to
// 115200 baud), 87 for any other index.
QByteArray baudRate(int index);
// The single byte 00 sent for the serial parameters that have no command of their own.
QByteArray placeholder();

} // namespace SettingsFrame
