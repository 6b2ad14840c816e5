#include "CliTarget.h"

#include "app/base/Logger.h"
#include "commands/CommType.h"
#include "commands/RealTimeStatusForm.h"
#include "platform/DeviceNodeAccess.h"
#include "transport/serial/SerialPortManager.h"
#include "transport/spooler/PrintDriverManager.h"
#include "transport/tcp/TcpDeviceManager.h"
#include "transport/usb/USBDeviceManager.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSerialPort>
#include <QTcpSocket>
#include <QTimer>
#include <QVariantMap>

namespace {
// Bytes per write of a raw file over a stream; the log shows each block.
constexpr int RawBlockBytes = 4096;

// "[2026-12-09 10:15:02] [ERROR] text" gives "text".
QString messageOfLogLine(const QString &line)
{
    static const QRegularExpression prefix(QStringLiteral("^\\[[^\\]]*\\] \\[[A-Z]+\\] "));
    QString text = line;
    text.remove(prefix);
    return text.trimmed();
}

bool allDigits(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (!c.isDigit())
            return false;
    }
    return true;
}
} // namespace

bool CliTarget::takeOption(const QStringList &args, int *index, Endpoint *endpoint, QString *error)
{
    static const QList<QPair<QString, Kind>> options{{QStringLiteral("--tcp"), Kind::Tcp},
                                                     {QStringLiteral("--usb"), Kind::Usb},
                                                     {QStringLiteral("--serial"), Kind::Serial},
                                                     {QStringLiteral("--queue"), Kind::Queue}};
    const QString arg = args.at(*index);
    for (const auto &option : options) {
        QString value;
        int used = 1;
        if (arg == option.first) {
            if (*index + 1 >= args.size()) {
                *error = tr("%1 需要一个值").arg(option.first);
                return false;
            }
            value = args.at(*index + 1);
            used = 2;
        } else if (arg.startsWith(option.first + QLatin1Char('='))) {
            value = arg.mid(option.first.size() + 1);
        } else {
            continue;
        }
        if (endpoint->kind != Kind::None) {
            *error = tr("只能指定一个目标: %1").arg(arg);
            return false;
        }
        if (value.isEmpty()) {
            *error = tr("%1 需要一个值").arg(option.first);
            return false;
        }
        endpoint->kind = option.second;
        endpoint->address = value;
        if (option.second == Kind::Serial) {
            const int colon = value.lastIndexOf(QLatin1Char(':'));
            if (colon > 0 && allDigits(value.mid(colon + 1))) {
                endpoint->address = value.left(colon);
                endpoint->baud = value.mid(colon + 1);
            }
        }
        // A relative path that exists is meant from here; the serial layer
        // would read a bare name as one under /dev (ttyS0).
        if ((option.second == Kind::Serial || option.second == Kind::Usb) && QDir::isRelativePath(endpoint->address)
            && QFileInfo::exists(endpoint->address))
            endpoint->address = QFileInfo(endpoint->address).absoluteFilePath();
        *index += used;
        return true;
    }
    return false;
}

QString CliTarget::describe(const Endpoint &endpoint)
{
    switch (endpoint.kind) {
    case Kind::Tcp: return QStringLiteral("tcp %1").arg(endpoint.address);
    case Kind::Usb: return QStringLiteral("usb %1").arg(endpoint.address);
    case Kind::Serial: return QStringLiteral("serial %1").arg(endpoint.address);
    case Kind::Queue: return QStringLiteral("queue %1").arg(endpoint.address);
    case Kind::None: break;
    }
    return QString();
}

CliTarget::CliTarget(const Endpoint &endpoint, QObject *parent) : QObject(parent), m_endpoint(endpoint)
{
    connect(Logger::getInstance(), &Logger::newLogMessage, this, [this](int level, const QString &line) {
        if (level >= Logger::Error)
            noteError(messageOfLogLine(line));
    });
}

CliTarget::~CliTarget()
{
    close();
}

void CliTarget::noteError(const QString &text)
{
    if (m_collecting && !text.isEmpty() && !m_errors.contains(text))
        m_errors.append(text);
}

bool CliTarget::open(QString *error)
{
    switch (m_endpoint.kind) {
    case Kind::Tcp: {
        m_tcp = new TcpDeviceManager(this);
        m_manager = m_tcp;
        m_opened = m_tcp->connectDevice(QString(), m_endpoint.address, QString(), QString());
        if (!m_opened)
            *error = QCoreApplication::translate("TcpDeviceManager", "连接主机ip: %1 失败").arg(m_endpoint.address);
        break;
    }
    case Kind::Usb: {
        m_usb = new USBDeviceManager(this);
        m_manager = m_usb;
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
            *error = QCoreApplication::translate("USBDeviceManager", "连接USB设备: %1 失败").arg(model);
            if (DeviceNodeAccess::permissionDenied(m_endpoint.address))
                *error += QLatin1Char(' ') + USBDeviceManager::permissionAdvice(m_endpoint.address);
        }
        break;
    }
    case Kind::Serial: {
        m_serial = new SerialPortManager(this);
        m_manager = m_serial;
        QString failure;
        auto capture = connect(m_serial, &SerialPortManager::errorOccurred, this,
                               [&failure](const QString &text) { failure = text; });
        m_opened = m_serial->connectSerialPort_new(
            m_endpoint.address, m_endpoint.baud.isEmpty() ? QLatin1String(DefaultBaud) : m_endpoint.baud);
        disconnect(capture);
        if (!m_opened)
            *error = failure.isEmpty() ? QCoreApplication::translate("SerialPortManager", "串口连接失败: ") + m_endpoint.address
                                       : failure;
        connect(m_serial, &SerialPortManager::errorOccurred, this, &CliTarget::noteError);
        break;
    }
    case Kind::Queue: {
        m_queue = new PrintDriverManager(this);
        m_manager = m_queue;
        QString failure;
        auto capture = connect(m_queue, &PrintDriverManager::sigConnectionFailTcp, this,
                               [&failure](const QString &text) { failure = text; });
        m_queue->refreshPrinters();
        m_opened = m_queue->connectDevice(m_endpoint.address, QString(), QString(), QString());
        disconnect(capture);
        if (!m_opened)
            *error = failure;
        connect(m_queue, &PrintDriverManager::printJobFailed, this,
                [this](const QString &, const QString &text) { noteError(text); });
        break;
    }
    case Kind::None:
        *error = tr("没有指定目标");
        return false;
    }
    return m_opened;
}

void CliTarget::beginOperation()
{
    m_errors.clear();
    m_collecting = true;
}

void CliTarget::drain()
{
    QElapsedTimer clock;
    clock.start();
    QIODevice *stream = nullptr;
    if (m_tcp)
        stream = m_tcp->findChild<QTcpSocket *>(QString(), Qt::FindDirectChildrenOnly);
    else if (m_serial)
        stream = m_serial->findChild<QSerialPort *>(QString(), Qt::FindDirectChildrenOnly);
    while (stream && stream->isOpen() && stream->bytesToWrite() > 0 && clock.elapsed() < DrainLimitMs) {
        if (!stream->waitForBytesWritten(int(DrainLimitMs - clock.elapsed())))
            break;
    }
    // Let queued signals (replies, errors, a closed line, hot-plug) arrive.
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

bool CliTarget::finishOperation(QStringList *errors)
{
    drain();
    m_collecting = false;
    if (errors)
        *errors = m_errors;
    // A line that closed after the bytes left is noticed before the next use.
    return m_errors.isEmpty();
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
    if (m_tcp) {
        auto *socket = m_tcp->findChild<QTcpSocket *>(QString(), Qt::FindDirectChildrenOnly);
        return socket && socket->state() == QAbstractSocket::ConnectedState;
    }
    if (m_usb)
        return m_usb->isConnected();
    if (m_serial)
        return m_serial->isConnected();
    return m_queue && !m_queue->currentPrinter().isEmpty();
}

QString CliTarget::lostMessage() const
{
    return tr("与打印机的连接已断开: %1").arg(describe(m_endpoint));
}

QString CliTarget::queryStatus(int status)
{
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
    if (m_serial)
        links << connect(m_serial, &SerialPortManager::hexDataReceived, &loop,
                         [&](const QByteArray &bytes) { take(name, BaseDeviceManager::toHexText(bytes).trimmed()); });
    QTimer::singleShot(StatusReplyLimitMs, &loop, &QEventLoop::quit);

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
    const CommType type = m_tcp      ? CommType::Tcp
                          : m_usb    ? CommType::Usb
                          : m_serial ? CommType::Serial
                                     : CommType::Driver;
    // A spooler job per call: the whole file is one job.
    const int block = type == CommType::Driver ? bytes.size() : RawBlockBytes;
    for (int pos = 0; pos < bytes.size() && isConnected(); pos += block) {
        m_manager->onBuilderData(type, bytes.mid(pos, block));
        if (m_tcp || m_serial)
            drain();
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
