#pragma once

#include "fleet/PrinterTarget.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

#include <memory>

class HostIdentifier;
class MacAddressLookup;
class UsbPrinterLister;

// Learns the model and MAC address of printers for their info series, the
// way the LAN search does: a network printer's web page (NetBIOS name when the
// page tells nothing) and the neighbour table (the NetBIOS answer's unit id
// where the table has no entry; empty when neither names one); a USB
// printer's IEEE 1284 id or product name from sysfs. A serial line tells
// nothing. Runs in the event loop of the thread that owns it, a few printers
// at a time.
class TargetIdentifier : public QObject
{
    Q_OBJECT
public:
    static constexpr int MaxAtOnce = 16;

    TargetIdentifier(quint16 printPort, int connectTimeoutMs, QObject *parent = nullptr);
    // For tests: another USB tree.
    TargetIdentifier(quint16 printPort, int connectTimeoutMs, std::unique_ptr<UsbPrinterLister> usb,
                     QObject *parent = nullptr);
    ~TargetIdentifier() override;

    // Queues the printer (again); a printer already waiting or under way is
    // not queued twice.
    void identify(const PrinterTarget &target);
    // The printer left the list: whatever runs for it stops.
    void forget(const QString &identity);

signals:
    void identified(const QString &identity, const QString &model, const QString &mac);

private:
    void startNext();
    void identifyUsb(const PrinterTarget &target);

    quint16 m_printPort;
    int m_connectTimeoutMs;
    std::unique_ptr<UsbPrinterLister> m_usb;
    std::unique_ptr<MacAddressLookup> m_macLookup;
    QList<PrinterTarget> m_waiting;
    QHash<QString, HostIdentifier *> m_running; // by identity
};
