#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// The one rule for an IPv4 address typed by a person (the window's network
// settings, the network form, the LAN search, the command line): four parts of
// one to three decimal digits, each 0-255, joined by dots, nothing else. A
// leading zero is read as decimal ("010" is 10, as the printer's 1F 69 command
// and the settings page always read it). Refused: the short forms inet_aton
// reads ("10.1", "10.1.2"), hexadecimal parts ("0x10"), signs and blanks, all of
// which QHostAddress accepts; it also reads "010" as octal 8, so the address
// is handed to it as a number (toIPv4), never as text.
class DottedQuad
{
public:
    static bool isValid(const QString &text);
    // The four parts as bytes, in order; empty when the text is no valid address.
    static QByteArray octets(const QString &text);
    // The address as a number for QHostAddress; 0 with ok false when invalid.
    static quint32 toIPv4(const QString &text, bool *ok);
};
