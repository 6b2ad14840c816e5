#pragma once

#include "VirtualPrinterOptions.h"

#include <QHostAddress>
#include <QObject>
#include <QStringList>

class VpEventLog;
class VpHttpServer;
class VpNetbiosResponder;
class VpPrinterCore;
class VpPtyLink;
class VpRawServer;
class VpState;
class VpUsbGadget;

// The services of one virtual printer. Lives on the printer's own thread;
// VirtualPrinter calls its slots with blocking queued calls.
class VpEngine : public QObject
{
    Q_OBJECT
public:
    VpEngine(const VirtualPrinterOptions &options, VpState *state, VpEventLog *log);
    ~VpEngine() override;

    VpPrinterCore *core() const { return m_core; }
    // The bytes the raw port holds undecoded (VpRawServer::bufferedBytes).
    qint64 rawBufferedBytes() const;

public slots:
    // Starts every requested service; lines describe each one. False when a
    // requested service could not be started (the others still run).
    bool start(QStringList *lines);
    void stop();
    bool unplug(QString *error);
    bool replug(QString *error);
    // Off: the network services stop listening and drop their clients; on:
    // they listen again on the same address and ports.
    bool setPowered(bool on, QString *error);
    bool isPowered() const { return m_powered; }
    // A network form asked for a new address. Like a real printer the
    // emulation takes a static address it can hold here (one on loopback,
    // 127.0.0.0/8): its raw port, web server and NetBIOS responder move there.
    // Other addresses and DHCP leave it where it is; either way an event says
    // what happened ("address_changed" or "address_kept").
    void moveTo(const QString &ip, bool dhcp);

public:
    // Filled by start(); read after it returned.
    quint16 rawPort = 0, httpPort = 0, netbiosPort = 0;
    QString serialPty, usbNode, usbPty, usbClassEntry, usbDeviceDir;

private:
    void event(const QString &source, const QString &name, const QJsonObject &params);

    bool relistenAll(const QHostAddress &address, QString *error);
    // The raw port, web page and NetBIOS responder stop listening (kept for on).
    void closeNetworkPorts();

    VirtualPrinterOptions m_options;
    VpState *m_state;
    VpEventLog *m_log;
    VpPrinterCore *m_core = nullptr;
    VpRawServer *m_raw = nullptr;
    VpHttpServer *m_http = nullptr;
    VpNetbiosResponder *m_netbios = nullptr;
    VpPtyLink *m_serial = nullptr;
    VpUsbGadget *m_usb = nullptr;
    bool m_powered = true;
};
