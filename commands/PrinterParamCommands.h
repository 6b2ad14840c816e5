#pragma once

#include "app/base/PrinterModel.h"

#include <QByteArray>
#include <QString>

// Encoders of the printer-parameter page. Commands that only one printer model
// understands take the model and give an empty array for every other model.
namespace PrinterParamCommands {

using Model = PrinterModel::Model;

// 1F 1B 01 n (L7N only): print mode 0 ASCII, 1 Chinese.
QByteArray printMode(Model model, int mode);
// International character set: 1F 1B 0E n on L7N, 1F 1B 1F FF n on L7S, ESC R n elsewhere.
QByteArray internationalCharacterSet(Model model, int set);
// 1F 1B 02 n (L7N only).
QByteArray buzzerSwitch(Model model, int on);
// 1F 1B 03 n (L7N only).
QByteArray knifeSwitch(Model model, int on);
// 1F 1B 05 n (L7N only): 0 beep continuously, 1 beep six times.
QByteArray errorBeep(Model model, int type);
// Density: 1F 1B 04 n on L7N, 1F 1C 1F 41 04 06 07 n 0A elsewhere.
QByteArray density(Model model, int density);
// 1F 1B 0F k name e (L7N only): the name in UTF-8, k its byte count, e the error-beep type.
QByteArray machineModel(Model model, const QString &name, int errorBeepType);
// 1F 1E 18 19 01 (L7N only).
QByteArray usbUpgradeMode(Model model);
// 1F 1B 19 (L7N only).
QByteArray restoreFactorySettings(Model model);

// ESC a n: 0 left, 1 centre, 2 right.
QByteArray alignment(int alignment);
// ESC V n: 90-degree rotation.
QByteArray rotate90(bool on);
// ESC { n: upside-down printing.
QByteArray upsideDown(bool on);
// GS ! n: n = 16 x width index + height index, indices 0-7.
QByteArray characterSize(int widthIndex, int heightIndex);
// GS B n: reverse (white on black) printing.
QByteArray reversePrinting(bool on);
// GS L nL nH: left margin.
QByteArray leftMargin(int low, int high);
// GS W nL nH: print area width.
QByteArray printAreaWidth(int low, int high);
// GS P x y: motion units.
QByteArray motionUnits(int x, int y);
// GS W for 58, 76 or 80 mm paper (choice 0, 1, 2); empty for any other choice.
QByteArray paperSize(int choice);
// ESC 3 with 1, 24, 30 or 60 motion units (choice 0-3); empty for any other choice.
QByteArray paperGap(int choice);
// 1B 4E 04 n 0A: print speed.
QByteArray printSpeed(int speed);
// 1F 73 02 c b d 00 00 00 00 00: 0 where the device is enabled, 1 where not.
QByteArray peripherals(bool cutter, bool buzzer, bool cashDrawer);

} // namespace PrinterParamCommands
