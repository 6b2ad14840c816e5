#pragma once

#include "VpEventLog.h"
#include "VpHttpServer.h"
#include "VpPrinterCore.h"
#include "VpState.h"
#include "VpUsbGadget.h"

#include <QByteArray>
#include <QSet>
#include <QString>

// What one virtual printer serves. Ports: a number to bind, 0 for an
// ephemeral port, -1 to leave the service off.
struct VirtualPrinterOptions
{
    static constexpr int DefaultRawPort = 9100;
    static constexpr int DefaultHttpPort = 80;
    static constexpr int DefaultNetbiosPort = 137;
    static constexpr int Off = -1;

    QString address = QStringLiteral("127.0.0.1");
    QString model = QStringLiteral("KVZ-L7N");
    QString outputDir;          // pages and events.jsonl; empty: kept in memory only
    int rawPort = DefaultRawPort;
    int httpPort = DefaultHttpPort;
    int netbiosPort = DefaultNetbiosPort;
    QString netbiosName;        // empty: the model
    QByteArray mac = QByteArray::fromHex("001122334455");
    int paperMm = 80;           // 80 (576 dots) or 58 (384 dots)
    QString serialPath;         // link made to the serial pty (serial line on when not empty)
    bool serialEnabled = false; // a serial line without a link (or with serialPath)
    QString usbSysfsRoot;       // root of the fake sysfs; empty: no USB printer
    VpUsbGadget::Identity usb;  // product defaults to the model
    QSet<int> flags;            // VpState::Flag values set at start
    // What stays in memory: events (VpEventLog) and received bytes per link.
    // A fleet of printers keeps little of either.
    int maxEventsInMemory = VpEventLog::MaxEntriesInMemory;
    int maxReceivedBytes = VpPrinterCore::MaxReceivedBytes;
    // A web request not complete by then is answered 408 and closed.
    int httpRequestTimeoutMs = VpHttpServer::RequestTimeoutMs;
};
