#include "CliTarget.h"

#include "CliPreviewManager.h"
#include "render/VpPageFiles.h"

#include "app/base/Logger.h"

#include <QJsonObject>

#include "commands/CommType.h"
#include "commands/PrinterReplyReader.h"
#include "commands/RealTimeStatusForm.h"
#include "platform/DeviceNodeAccess.h"
#include "transport/serial/SerialPortManager.h"
#include "transport/spooler/PrintDriverManager.h"
#include "transport/tcp/TcpDeviceManager.h"
#include "transport/usb/USBDeviceManager.h"
#include "transport/usb/USBPrinterController.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QSerialPort>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>
#include <QVariantMap>

namespace {
// Bytes per write of a raw file over a stream; the log shows each block.
constexpr int RawBlockBytes = 4096;
// How often a drain looks whether the USB writer thread is done.
constexpr int UsbPollMs = 5;
} // namespace

QString CliTarget::shown(const QString &address)
{
    return Logger::oneLine(address, MaxShownChars);
}

QString CliTarget::describe(const Endpoint &endpoint)
{
    const QString address = shown(endpoint.address);
    switch (endpoint.kind) {
    case Kind::Tcp: return QStringLiteral("tcp %1").arg(address);
    case Kind::Usb: return QStringLiteral("usb %1").arg(address);
    case Kind::Serial: return QStringLiteral("serial %1").arg(address);
    case Kind::Queue: return QStringLiteral("queue %1").arg(address);
    case Kind::Preview: return QStringLiteral("preview %1").arg(address);
    case Kind::None: break;
    }
    return QString();
}

CliTarget::CliTarget(const Endpoint &endpoint, QObject *parent) : QObject(parent), m_endpoint(endpoint) {}

CliTarget::~CliTarget()
{
    close();
}


void CliTarget::noteFailure(const QString &text)
{
    if (m_collecting && !text.isEmpty() && !m_failures.contains(text))
        m_failures.append(text);
}

void CliTarget::createManager()
{
    if (m_manager)
        return;
    switch (m_endpoint.kind) {
    case Kind::Tcp:
        m_manager = m_tcp = new TcpDeviceManager(this);
        if (m_connectMs > 0)
            m_tcp->setConnectWaitMs(m_connectMs);
        break;
    case Kind::Usb: m_manager = m_usb = new USBDeviceManager(this); break;
    case Kind::Serial: m_manager = m_serial = new SerialPortManager(this); break;
    case Kind::Queue: m_manager = m_queue = new PrintDriverManager(this); break;
    case Kind::Preview: m_manager = m_preview = new CliPreviewManager(this); break;
    case Kind::None: return;
    }
    // What goes wrong once an operation has been accepted.
    connect(m_manager, &BaseDeviceManager::sigOperationFailed, this, &CliTarget::noteFailure);
    connect(m_manager, &BaseDeviceManager::sigInputRefused, this, &CliTarget::noteFailure);
}

bool CliTarget::identify(QString *error, bool *reachable)
{
    *reachable = false;
    if (m_endpoint.kind != Kind::Tcp)
        return true;
    createManager();
    bool answered = false;
    bool success = false;
    QString message;
    QEventLoop loop;
    connect(m_tcp, &TcpDeviceManager::sigTestConnectionResult, &loop,
            [&](const QString &ip, const QString &mac, const QString &name, bool ok, const QString &errorMsg) {
                if (ip != m_endpoint.address)
                    return;
                answered = true;
                success = ok;
                m_mac = mac;
                m_model = name;
                message = errorMsg;
                loop.quit();
            });
    QTimer::singleShot(IdentifyLimitMs, &loop, &QEventLoop::quit);
    m_tcp->testDeviceConnection(m_endpoint.address);
    loop.exec();
    // The print port answered even when the model or the MAC address is missing.
    *reachable = answered && (success || !m_mac.isEmpty() || !m_model.isEmpty());
    if (success)
        return true;
    *error = answered && !message.isEmpty()
                 ? message
                 : QCoreApplication::translate("TcpDeviceManager", "连接主机ip: %1 失败").arg(shown(m_endpoint.address));
    return false;
}

bool CliTarget::open(QString *error)
{
    createManager();
    switch (m_endpoint.kind) {
    case Kind::Tcp: {
        m_opened = m_tcp->connectDevice(m_model, m_endpoint.address, m_mac, QString());
        if (!m_opened)
            *error = QCoreApplication::translate("TcpDeviceManager", "连接主机ip: %1 失败: %2")
                         .arg(shown(m_endpoint.address), m_tcp->connectFailure());
        break;
    }
    case Kind::Usb: {
        m_usb->refreshDeviceList();
        QVariantMap entry;
        const QString wanted = QFileInfo(m_endpoint.address).absoluteFilePath();
        for (const QVariant &v : m_usb->getDeviceList()) {
            const QVariantMap map = v.toMap();
            const QString path = map.value(QStringLiteral("devPath")).toString();
            if (path == m_endpoint.address || QFileInfo(path).absoluteFilePath() == wanted)
                entry = map;
        }
        const QString model = entry.value(QStringLiteral("model"), m_endpoint.address).toString();
        m_opened = m_usb->connectDevice(entry.value(QStringLiteral("vpid")).toString(), model,
                                        entry.value(QStringLiteral("manufacturer")).toString(), m_endpoint.address);
        if (!m_opened) {
            *error = QCoreApplication::translate("USBDeviceManager", "连接USB设备: %1 失败").arg(shown(model));
            if (DeviceNodeAccess::permissionDenied(m_endpoint.address))
                *error += QLatin1Char(' ') + USBDeviceManager::permissionAdvice(shown(m_endpoint.address));
        }
        break;
    }
    case Kind::Serial: {
        QString failure;
        auto capture = connect(m_serial, &SerialPortManager::errorOccurred, this,
                               [&failure](const QString &text) { failure = text; });
        m_opened = m_serial->connectSerialPort_new(
            m_endpoint.address, m_endpoint.baud.isEmpty() ? QLatin1String(DefaultBaud) : m_endpoint.baud);
        disconnect(capture);
        if (!m_opened)
            *error = failure.isEmpty() ? QCoreApplication::translate("SerialPortManager", "串口连接失败: ") + shown(m_endpoint.address)
                                       : Logger::oneLine(failure, MaxShownChars * 2);
        connect(m_serial, &SerialPortManager::errorOccurred, this, &CliTarget::noteFailure);
        break;
    }
    case Kind::Queue: {
        QString failure;
        auto capture = connect(m_queue, &PrintDriverManager::sigConnectionFailTcp, this,
                               [&failure](const QString &text) { failure = text; });
        m_queue->refreshPrinters();
        m_opened = m_queue->connectDevice(m_endpoint.address, QString(), QString(), QString());
        disconnect(capture);
        if (!m_opened)
            *error = failure;
        connect(m_queue, &PrintDriverManager::printJobFailed, this,
                [this](const QString &, const QString &text) { noteFailure(text); });
        break;
    }
    case Kind::Preview:
        m_opened = m_preview->connectDevice(QString(), QString(), QString(), QString());
        break;
    case Kind::None:
        *error = tr("没有指定目标");
        return false;
    }
    if (m_opened) {
        m_openClock.start();
        // A printer that resets or closes the connection as it accepts it
        // does so now; the first operation then finds the line gone.
        if (m_tcp)
            settle();
    }
    return m_opened;
}

void CliTarget::beginOperation()
{
    m_failures.clear();
    m_collecting = true;
}

void CliTarget::wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool CliTarget::drain(bool confirm)
{
    QElapsedTimer clock;
    clock.start();
    QIODevice *stream = nullptr;
    if (m_tcp)
        stream = m_tcp->findChild<QTcpSocket *>(QString(), Qt::FindDirectChildrenOnly);
    else if (m_serial)
        stream = m_serial->findChild<QSerialPort *>(QString(), Qt::FindDirectChildrenOnly);
    while (stream && stream->isOpen() && stream->bytesToWrite() > 0 && clock.elapsed() < m_drainLimitMs) {
        if (!stream->waitForBytesWritten(int(m_drainLimitMs - clock.elapsed())))
            break;
    }
    bool left = stream && stream->isOpen() && stream->bytesToWrite() > 0;
    // USB: the builders' blocks are written on the controller's writer thread.
    const USBPrinterController *usb =
        m_usb ? m_usb->findChild<USBPrinterController *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    while (usb && usb->queuedWritesPending() && clock.elapsed() < m_drainLimitMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, UsbPollMs);
        QThread::msleep(UsbPollMs);
    }
    left = left || (usb && usb->queuedWritesPending());
    // TCP: a write counts once the printer's end has acknowledged every byte;
    // a reset before that (the kernel then drops what it held) leaves the
    // socket closed and the bytes unconfirmed.
    bool unconfirmed = false;
    if (confirm && m_tcp && !left) {
        qint64 queued = m_tcp->unacknowledgedBytes();
        while (queued > 0 && clock.elapsed() < m_drainLimitMs) {
            wait(UsbPollMs);
            queued = m_tcp->unacknowledgedBytes();
        }
        unconfirmed = queued != 0;
    }
    // Let queued signals (replies, failures, a closed line, hot-plug) arrive.
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    if (left) {
        m_writeTimedOut = true;
        noteFailure(tr("数据没有在 %1 毫秒内发出: %2").arg(m_drainLimitMs).arg(describe(m_endpoint)));
    } else if (unconfirmed) {
        noteFailure(tr("打印机没有确认收到数据: %1").arg(describe(m_endpoint)));
    }
    return !left && !unconfirmed;
}

void CliTarget::settle()
{
    if (m_openClock.isValid() && m_openClock.elapsed() < PrinterReplyReader::SettleMs)
        wait(int(PrinterReplyReader::SettleMs - m_openClock.elapsed()));
}

void CliTarget::waitForNetworkPost()
{
    if (!m_tcp || !m_tcp->networkPostPending())
        return;
    QEventLoop loop;
    connect(m_tcp, &TcpDeviceManager::sigNetworkPostFinished, &loop, &QEventLoop::quit);
    QTimer::singleShot(NetworkPostLimitMs, &loop, &QEventLoop::quit);
    loop.exec();
}

bool CliTarget::finishOperation(QStringList *errors)
{
    drain(true);
    waitForNetworkPost();
    m_collecting = false;
    if (errors)
        *errors = m_failures;
    // A line that closed after the bytes left is noticed before the next use.
    return m_failures.isEmpty();
}

bool CliTarget::stillConnected()
{
    drain();
    return isConnected();
}

bool CliTarget::isConnected()
{
    if (!m_opened)
        return false;
    if (m_tcp)
        return m_tcp->linkUp();
    if (m_usb)
        return m_usb->isConnected();
    if (m_serial)
        return m_serial->isConnected();
    if (m_preview)
        return true;
    return m_queue && !m_queue->currentPrinter().isEmpty();
}

QString CliTarget::lostMessage() const
{
    return tr("与打印机的连接已断开: %1").arg(describe(m_endpoint));
}

int CliTarget::statusOperation(const QString &operation)
{
    static const char *const operations[] = {"setPrinterStatusClicked", "setOfflineStatusClicked",
                                             "setErrorStatusClicked", "setPaperStatusClicked"};
    for (int status = RealTimeStatusForm::PrinterStatus; status <= RealTimeStatusForm::PaperStatus; ++status) {
        if (operation == QLatin1String(operations[status]))
            return status;
    }
    return -1;
}

QString CliTarget::queryStatus(int status)
{
    // Bytes a printer sends as it accepts the connection come and go first,
    // and what else arrived unasked is read away before the request.
    settle();
    QCoreApplication::processEvents();
    const QString name = RealTimeStatusForm::statusName(status);
    QString payload;
    bool answered = false;
    QEventLoop loop;
    auto take = [&](const QString &cmd, const QString &reply) {
        if (answered || cmd != name)
            return;
        answered = true;
        payload = reply;
        loop.quit();
    };
    QList<QMetaObject::Connection> links;
    if (m_tcp)
        links << connect(m_tcp, &BaseDeviceManager::sigTcpResponse, &loop, take);
    if (m_usb)
        links << connect(m_usb, &USBDeviceManager::sigUsbResponse, &loop, take);
    // The serial manager hands on whatever arrives; the reader picks the answer.
    PrinterReplyReader serialReader;
    serialReader.expect(PrinterReplyReader::Reply::RealTimeStatus);
    if (m_serial)
        links << connect(m_serial, &SerialPortManager::hexDataReceived, &loop, [&](const QByteArray &bytes) {
            const PrinterReplyReader::State state = serialReader.feed(bytes);
            if (state == PrinterReplyReader::State::Answered)
                take(name, BaseDeviceManager::toHexText(serialReader.answer()));
            else if (state == PrinterReplyReader::State::Garbage)
                take(name, QString());
        });
    QTimer::singleShot(m_statusReplyLimitMs, &loop, &QEventLoop::quit);

    switch (status) {
    case RealTimeStatusForm::PrinterStatus: m_manager->setPrinterStatusClicked(); break;
    case RealTimeStatusForm::OfflineStatus: m_manager->setOfflineStatusClicked(); break;
    case RealTimeStatusForm::ErrorStatus: m_manager->setErrorStatusClicked(); break;
    case RealTimeStatusForm::PaperStatus: m_manager->setPaperStatusClicked(); break;
    default: break;
    }
    if (!answered)
        loop.exec();
    for (const auto &link : links)
        disconnect(link);
    return payload;
}

bool CliTarget::sendBytes(const QByteArray &bytes)
{
    const CommType type = (m_tcp || m_preview) ? CommType::Tcp
                          : m_usb    ? CommType::Usb
                          : m_serial ? CommType::Serial
                                     : CommType::Driver;
    // A spooler job per call: the whole file is one job.
    const int block = type == CommType::Driver ? bytes.size() : RawBlockBytes;
    for (int pos = 0; pos < bytes.size() && isConnected(); pos += block) {
        m_manager->onBuilderData(type, bytes.mid(pos, block));
        // A printer that stops reading holds a block no longer than the limit.
        if ((m_tcp || m_serial) && !drain())
            return false;
    }
    return isConnected();
}

void CliTarget::close()
{
    if (m_manager && m_opened) {
        drain();
        m_manager->disconnectDevice();
        m_opened = false;
    }
}

bool CliTarget::writePreview(QStringList *files, QString *error)
{
    if (!m_preview)
        return true;
    VpStreamRenderer::Options options;
    options.listing = false;
    if (m_previewPaperDots > 0)
        options.paperDots = m_previewPaperDots;
    const VpPageFiles::Result result = VpPageFiles::write(m_preview->bytes(), options, m_endpoint.address);
    for (const QJsonValue &page : result.pages) {
        const QString file = page.toObject().value(QStringLiteral("file")).toString();
        if (!file.isEmpty())
            files->append(file);
    }
    if (!result.written()) {
        *error = tr("无法写入图片 %1: %2").arg(result.failedFile, result.failure);
        return false;
    }
    if (files->isEmpty()) {
        *error = tr("没有要打印的内容，没有写入图片");
        return false;
    }
    return true;
}
