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

// Longest list of characters a notice names; more are cut off with "…".
constexpr int MaxListedCharacters = 20;

// The characters of text that the code page cannot encode, each once, in the
// order of their first appearance (a surrogate pair is one character). Empty
// when every character can be encoded, and for a name no codec knows (text
// printing sends no text then).
QString unencodable(const QString &text, const QString &codePage);
// The notice for them, ready to show: "以下字符无法用 %1 编码: 中 文" with the
// code page's name as the user chose it and at most MaxListedCharacters
// characters, separated by blanks; empty when there are none.
QString unencodableNotice(const QString &text, const QString &codePage);

} // namespace TextEncoding
