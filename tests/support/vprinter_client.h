#pragma once

// Small helpers for tests that talk to the virtual printer
// (tools/virtual_printer/VirtualPrinter.h) over its raw TCP port.

#include <QByteArray>
#include <QString>

namespace VprinterClient {

// Connects to address:port, writes bytes, waits until replyBytes bytes came
// back (or timeoutMs passed) and disconnects. Returns what came back.
QByteArray exchange(quint16 port, const QByteArray &bytes, int replyBytes = 0, int timeoutMs = 3000,
                    const QString &address = QStringLiteral("127.0.0.1"));

// "10 04 01" style text to bytes (blanks ignored).
QByteArray hex(const char *text);

} // namespace VprinterClient
