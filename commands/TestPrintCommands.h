#pragma once

#include "commands/PictureOptions.h"

#include <QByteArray>
#include <QString>

// Encoders of the test prints: stored hexadecimal command text, the test
// barcode, the test picture and the self-test page. The sample receipts are
// app/base/SampleReceipt's.
namespace TestPrintCommands {

// The test picture is bounded to 160 x 160 dots whatever the logo limits say.
constexpr int PictureBound = 160;
constexpr int PictureLogoNumber = 1;
constexpr int PictureLogoMode = 3; // double width and height

// Stored hexadecimal text: every blank removed, then digit pairs decoded;
// characters that are not hexadecimal digits are skipped.
QByteArray fromStoredHex(const QString &text);
// 1F 1B 0D: the printer's self-test page.
QByteArray selfTest();
// The symbology byte of GS k for a stored type name ("UPCA" 41 ... "CODE128" 49); 0 for none.
char symbologyOf(const QString &type);
// GS H 2 (HRI below), GS k m n and the value in Latin-1. An unknown type
// adds no symbology byte.
QByteArray testBarcode(const QString &type, const QString &value);
// FS q 1 with the picture bounded to 160 x 160, then the print of logo 1 in
// double width and height. Without options: the conversion of earlier versions.
QByteArray testPicture(const QString &path);
QByteArray testPicture(const QString &path, const PictureOptions &options);

} // namespace TestPrintCommands
