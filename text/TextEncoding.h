#pragma once

#include <QByteArray>
#include <QString>

// Text to printer bytes: GBK for Chinese text, and the names of the code pages
// the pages offer.
namespace TextEncoding {

// The GBK bytes of text; UTF-8 when no GBK codec is at hand.
QByteArray gbk(const QString &text);

// The code page that serves name: IBM860, IBM863 and IBM865, which the printer
// knows but the codec library lacks, are served by IBM850; others by themselves.
QString servingCodePage(const QString &name);
// CP437 and IBM437 go through our own table (text/CodePage437).
bool isCodePage437(const QString &name);

} // namespace TextEncoding
