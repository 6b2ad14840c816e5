#include "fleet/TargetIdentifier.h"

#include "platform/LinuxNeighbourTable.h"
#include "platform/UsbPrinterLister.h"
#include "transport/tcp/HostIdentifier.h"
#include "transport/tcp/ScanWorker.h"
#include "transport/usb/USBDeviceManager.h"

#include <QFileInfo>
#include <QTimer>

TargetIdentifier::TargetIdentifier(quint16 printPort, int connectTimeoutMs, QObject *parent)
    : TargetIdentifier(printPort, connectTimeoutMs, USBDeviceManager::systemLister(), parent)
{
}

TargetIdentifier::TargetIdentifier(quint16 printPort, int connectTimeoutMs, std::unique_ptr<UsbPrinterLister> usb,
                                   QObject *parent)
    : QObject(parent), m_printPort(printPort), m_connectTimeoutMs(connectTimeoutMs), m_usb(std::move(usb)),
      m_macLookup(std::make_unique<LinuxNeighbourTable>())
{
}

TargetIdentifier::~TargetIdentifier()
{
    for (HostIdentifier *host : qAsConst(m_running)) {
        host->abort();
        delete host;
    }
}

void TargetIdentifier::identify(const PrinterTarget &target)
{
    const QString identity = target.identity();
    if (m_running.contains(identity))
        return;
    for (const PrinterTarget &t : qAsConst(m_waiting)) {
        if (t.identity() == identity)
            return;
    }
    if (target.transport == PrinterTarget::Transport::Usb) {
        identifyUsb(target);
        return;
    }
    if (target.transport != PrinterTarget::Transport::Tcp)
        return;
    m_waiting.append(target);
    startNext();
}

void TargetIdentifier::forget(const QString &identity)
{
    for (int i = m_waiting.size() - 1; i >= 0; --i) {
        if (m_waiting.at(i).identity() == identity)
            m_waiting.removeAt(i);
    }
    if (HostIdentifier *host = m_running.take(identity)) {
        host->abort();
        host->deleteLater();
        startNext();
    }
}

void TargetIdentifier::startNext()
{
    while (m_running.size() < MaxAtOnce && !m_waiting.isEmpty()) {
        const PrinterTarget target = m_waiting.takeFirst();
        const QString identity = target.identity();
        const HostIdentifier::Settings settings =
            ScanWorker::hostSettings(HostIdentifier::Stage::SingleTest, m_printPort, m_connectTimeoutMs);
        auto *host = new HostIdentifier(target.address, settings, m_macLookup.get(), this);
        m_running.insert(identity, host);
        connect(host, &HostIdentifier::finished, this, [this, host, identity] {
            if (m_running.value(identity) != host)
                return;
            m_running.remove(identity);
            // A printer whose print port did not answer tells nothing now;
            // it is asked again when it answers.
            if (host->portOpen())
                emit identified(identity, host->model(), host->mac());
            host->deleteLater();
            startNext();
        });
        host->start();
    }
}

void TargetIdentifier::identifyUsb(const PrinterTarget &target)
{
    if (!m_usb)
        return;
    const QString wanted = QFileInfo(target.address).canonicalFilePath();
    for (const DevInfo &d : m_usb->listPrinters()) {
        if (d.devPath == target.address || (!wanted.isEmpty() && QFileInfo(d.devPath).canonicalFilePath() == wanted)) {
            const QString identity = target.identity();
            const QString model = d.model;
            // Reported from the event loop, as for network printers.
            QTimer::singleShot(0, this, [this, identity, model] { emit identified(identity, model, QString()); });
            return;
        }
    }
}
