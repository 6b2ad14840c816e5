#pragma once

#include <QByteArray>

// The code page table test print: what the printer's character table n
// (ESC t n) holds at bytes 20..FF, every byte beside its hexadecimal code, then
// a line of Chinese in GBK and one in GB18030, so that a technician sees which
// tables the printer really has.
namespace CodePageTable {

constexpr int FirstByte = 0x20;
constexpr int LastByte = 0xFF;
constexpr int CellCount = LastByte - FirstByte + 1;
// Cells of "HH:c" with one blank between them: 39 characters of font B, which
// fits 58 mm paper (42 characters) as well as 80 mm paper.
constexpr int CellsPerLine = 8;

// ESC @, FS . (single-byte characters), ESC t n, the title "ESC t n (0xNN)",
// font B, CellCount cells in lines of CellsPerLine, font A, FS & (Chinese
// characters), "GBK: " and Chinese in GBK, "GB18030: " and characters that
// only GB18030 has (four bytes each), then a feed of 250 motion units and a
// partial cut. n goes into ESC t as its low 8 bits.
QByteArray table(int codePage);

} // namespace CodePageTable
