#include "VpEngine.h"

#include "VpEventLog.h"
#include "VpHttpServer.h"
#include "VpNetbiosResponder.h"
#include "VpPrinterCore.h"
#include "VpPtyLink.h"
#include "VpRawServer.h"
#include "render/VpRenderer.h"
#include "VpState.h"
#include "VpUsbGadget.h"

#include <QDir>
#include <QJsonObject>

namespace {
const QString SerialSource = QStringLiteral("serial");
const QString UsbSource = QStringLiteral("usb");
constexpr int Paper58 = 58;
} // namespace

VpEngine::VpEngine(const VirtualPrinterOptions &options, VpState *state, VpEventLog *log)
    : m_options(options), m_state(state), m_log(log)
{
}

VpEngine::~VpEngine()
{
    stop();
}

qint64 VpEngine::rawBufferedBytes() const
{
    return m_raw ? m_raw->bufferedBytes() : 0;
}

void VpEngine::event(const QString &source, const QString &name, const QJsonObject &params)
{
    m_log->append(QJsonObject{{QStringLiteral("kind"), QStringLiteral("event")},
                              {QStringLiteral("name"), name},
                              {QStringLiteral("source"), source},
                              {QStringLiteral("params"), params}});
}

bool VpEngine::start(QStringList *lines)
{
    bool ok = true;
    const QHostAddress address(m_options.address);
    m_state->setAddress(m_options.address);
    const int paperDots = m_options.paperMm == Paper58 ? VpRenderer::Paper58Dots : VpRenderer::Paper80Dots;
    m_core = new VpPrinterCore(m_state, m_log, paperDots, m_options.outputDir, this);
    m_core->setMaxReceivedBytes(m_options.maxReceivedBytes);

    if (!m_options.outputDir.isEmpty())
        lines->append(QStringLiteral("output %1").arg(QDir(m_options.outputDir).absolutePath()));

    if (m_options.rawPort != VirtualPrinterOptions::Off) {
        m_raw = new VpRawServer(m_core, m_log, this);
        QString error;
        if (m_raw->listen(address, quint16(m_options.rawPort), &error)) {
            rawPort = m_raw->port();
            lines->append(QStringLiteral("tcp listening %1:%2").arg(m_options.address).arg(rawPort));
        } else {
            ok = false;
            lines->append(QStringLiteral("tcp not-bound %1:%2 %3").arg(m_options.address).arg(m_options.rawPort).arg(error));
        }
    }
    if (m_options.httpPort != VirtualPrinterOptions::Off) {
        m_http = new VpHttpServer(m_state, m_log, m_options.httpRequestTimeoutMs, this);
        // Queued: the form's answer leaves from the old address first.
        connect(m_http, &VpHttpServer::networkFormApplied, this, &VpEngine::moveTo, Qt::QueuedConnection);
        QString error;
        if (m_http->listen(address, quint16(m_options.httpPort), &error)) {
            httpPort = m_http->port();
            lines->append(QStringLiteral("http listening %1:%2").arg(m_options.address).arg(httpPort));
        } else {
            ok = false;
            lines->append(QStringLiteral("http not-bound %1:%2 %3").arg(m_options.address).arg(m_options.httpPort).arg(error));
        }
    }
    if (m_options.netbiosPort != VirtualPrinterOptions::Off) {
        const QString name = m_options.netbiosName.isEmpty() ? m_options.model : m_options.netbiosName;
        m_netbios = new VpNetbiosResponder(name, m_options.mac, m_log, this);
        QString error;
        if (m_netbios->bind(address, quint16(m_options.netbiosPort), &error)) {
            netbiosPort = m_netbios->port();
            lines->append(QStringLiteral("netbios listening %1:%2 name %3").arg(m_options.address).arg(netbiosPort).arg(name));
        } else {
            ok = false;
            lines->append(QStringLiteral("netbios not-bound %1:%2 %3").arg(m_options.address).arg(m_options.netbiosPort).arg(error));
        }
    }
    if (!m_options.serialPath.isEmpty() || m_options.serialEnabled) {
        m_serial = new VpPtyLink(this);
        QString error;
        if (m_serial->open(m_options.serialPath, &error)) {
            serialPty = m_serial->slavePath();
            connect(m_serial, &VpPtyLink::dataReceived, this, [this](const QByteArray &bytes) {
                const QByteArray reply = m_core->feed(SerialSource, bytes);
                if (!reply.isEmpty())
                    m_serial->write(reply);
            });
            lines->append(m_options.serialPath.isEmpty()
                              ? QStringLiteral("serial pty %1").arg(serialPty)
                              : QStringLiteral("serial pty %1 link %2").arg(serialPty, m_options.serialPath));
        } else {
            ok = false;
            lines->append(QStringLiteral("serial not-opened %1 %2").arg(m_options.serialPath, error));
            delete m_serial;
            m_serial = nullptr;
        }
    }
    if (!m_options.usbSysfsRoot.isEmpty()) {
        VpUsbGadget::Identity id = m_options.usb;
        if (id.product.isEmpty())
            id.product = m_options.model;
        m_usb = new VpUsbGadget(m_options.usbSysfsRoot, id, this);
        connect(m_usb->link(), &VpPtyLink::dataReceived, this, [this](const QByteArray &bytes) {
            const QByteArray reply = m_core->feed(UsbSource, bytes);
            if (!reply.isEmpty())
                m_usb->link()->write(reply);
        });
        QString error;
        if (m_usb->plug(&error)) {
            usbNode = m_usb->nodePath();
            usbPty = m_usb->link()->slavePath();
            usbClassEntry = m_usb->classEntryPath();
            usbDeviceDir = m_usb->deviceDirPath();
            lines->append(QStringLiteral("usb node %1 pty %2 sysfs %3").arg(usbNode, usbPty, usbClassEntry));
        } else {
            ok = false;
            lines->append(QStringLiteral("usb not-created %1 %2").arg(m_options.usbSysfsRoot, error));
        }
    }
    event(QStringLiteral("control"), QStringLiteral("started"), {{QStringLiteral("model"), m_options.model}});
    return ok;
}

void VpEngine::stop()
{
    if (m_raw) {
        m_raw->close();
        delete m_raw;
        m_raw = nullptr;
    }
    if (m_http) {
        m_http->close();
        delete m_http;
        m_http = nullptr;
    }
    if (m_netbios) {
        m_netbios->close();
        delete m_netbios;
        m_netbios = nullptr;
    }
    if (m_serial) {
        m_core->endStream(SerialSource);
        delete m_serial;
        m_serial = nullptr;
    }
    if (m_usb) {
        m_core->endStream(UsbSource);
        delete m_usb;
        m_usb = nullptr;
    }
}

bool VpEngine::relistenAll(const QHostAddress &address, QString *error)
{
    if (m_raw && !m_raw->relisten(address, rawPort, error))
        return false;
    if (m_http && !m_http->relisten(address, httpPort, error))
        return false;
    if (m_netbios && !m_netbios->rebind(address, netbiosPort, error))
        return false;
    return true;
}

void VpEngine::moveTo(const QString &ip, bool dhcp)
{
    const QString from = m_state->address();
    QHostAddress target;
    QString reason;
    if (dhcp)
        reason = QStringLiteral("dhcp");
    else if (ip.count(QLatin1Char('.')) != 3 || !target.setAddress(ip)
             || target.protocol() != QAbstractSocket::IPv4Protocol)
        reason = QStringLiteral("not an IPv4 address");
    else if (!target.isLoopback())
        reason = QStringLiteral("not on loopback");
    else if (target == QHostAddress(from))
        reason = QStringLiteral("unchanged");
    QString error;
    if (reason.isEmpty() && !relistenAll(target, &error)) {
        reason = error;
        QString ignored;
        relistenAll(QHostAddress(from), &ignored); // back where it was
    }
    if (!reason.isEmpty()) {
        event(QStringLiteral("http"), QStringLiteral("address_kept"),
              {{QStringLiteral("address"), from}, {QStringLiteral("requested"), ip}, {QStringLiteral("reason"), reason}});
        return;
    }
    const QString to = target.toString();
    m_state->setAddress(to);
    event(QStringLiteral("http"), QStringLiteral("address_changed"),
          {{QStringLiteral("from"), from}, {QStringLiteral("to"), to}});
}

void VpEngine::closeNetworkPorts()
{
    if (m_raw)
        m_raw->close();
    if (m_http)
        m_http->close();
    if (m_netbios)
        m_netbios->close();
}

bool VpEngine::setPowered(bool on, QString *error)
{
    if (on == m_powered)
        return true;
    if (!on) {
        // Switched off: the ports close, so connections are refused and
        // clients lose their line, as with a printer whose plug was pulled.
        closeNetworkPorts();
        m_powered = false;
        event(QStringLiteral("control"), QStringLiteral("power_off"), {{QStringLiteral("address"), m_state->address()}});
        return true;
    }
    const QHostAddress address(m_state->address());
    if (!relistenAll(address, error)) {
        // Whatever came up goes down again: on is all services or none.
        closeNetworkPorts();
        return false;
    }
    m_powered = true;
    event(QStringLiteral("control"), QStringLiteral("power_on"), {{QStringLiteral("address"), m_state->address()}});
    return true;
}

bool VpEngine::unplug(QString *error)
{
    if (!m_usb) {
        *error = QStringLiteral("no USB printer");
        return false;
    }
    if (!m_usb->isPlugged())
        return true;
    m_usb->unplug();
    m_core->endStream(UsbSource);
    usbPty.clear();
    event(UsbSource, QStringLiteral("usb_unplugged"), {{QStringLiteral("node"), usbNode}});
    return true;
}

bool VpEngine::replug(QString *error)
{
    if (!m_usb) {
        *error = QStringLiteral("no USB printer");
        return false;
    }
    if (m_usb->isPlugged())
        return true;
    if (!m_usb->plug(error))
        return false;
    usbNode = m_usb->nodePath();
    usbPty = m_usb->link()->slavePath();
    event(UsbSource, QStringLiteral("usb_plugged"), {{QStringLiteral("node"), usbNode}, {QStringLiteral("pty"), usbPty}});
    return true;
}
