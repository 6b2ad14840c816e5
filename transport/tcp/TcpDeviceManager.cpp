#include "transport/tcp/TcpDeviceManager.h"

#include "app/base/ConfigManager.h"
#include "app/base/Logger.h"
#include "platform/ThreadQuitFence.h"
#include "text/DottedQuad.h"
#include "transport/tcp/HostIdentifier.h"
#include "transport/tcp/NetworkSettingsPost.h"
#include "transport/tcp/ScanWorker.h"

#include <QDebug>
#include <QEventLoop>
#include <QHostAddress>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>
#include <QVariantMap>

#include <linux/sockios.h>
#include <sys/ioctl.h>

TcpDeviceManager::TcpDeviceManager(QObject *parent) : BaseDeviceManager(parent)
{
    qRegisterMetaType<DevInfo>();
    qRegisterMetaType<QList<DevInfo>>();
    m_tcpSock = new QTcpSocket(this);
    m_networkPost = new NetworkSettingsPost(this);
    connect(m_networkPost, &NetworkSettingsPost::sigPostFinished, this, [this](int status, const QString &failure) {
        if (status == 0)
            emit sigOperationFailed(failure);
        emit sigNetworkPostFinished(status);
    });

    m_scanThread = new QThread;
    m_worker = new ScanWorker;
    connect(m_scanThread, &QThread::finished, m_worker, &QObject::deleteLater);
    // Runs on the scan thread, the last of its work that is ours.
    connect(m_worker, &QObject::destroyed, [this] { m_workerGone.store(true, std::memory_order_release); });
    // Requests and results cross between the threads as queued signals.
    connect(this, &TcpDeviceManager::operate, m_worker, &ScanWorker::doWork);
    connect(this, &TcpDeviceManager::sigTestDevice, m_worker, &ScanWorker::testSingleDevice);
    connect(this, &TcpDeviceManager::sigSegmentChanged, m_worker, &ScanWorker::setTcpNetworkSegment);
    connect(m_worker, &ScanWorker::sigWorkOver, this, &TcpDeviceManager::slotScanOver);
    connect(m_worker, &ScanWorker::sigAddDevList, this, &TcpDeviceManager::slotAddDevList);
    connect(m_worker, &ScanWorker::sigTestDeviceResult, this, &TcpDeviceManager::slotTestDeviceResult);
    connect(m_worker, &ScanWorker::sigSearchProgress, this, &TcpDeviceManager::sigSearchProgress);
    connect(m_worker, &ScanWorker::sigDeviceIdentified, this, &TcpDeviceManager::slotDeviceIdentified);
    m_worker->moveToThread(m_scanThread);
    m_scanThread->setObjectName(QStringLiteral("scan"));
    m_scanThreadStop = std::make_unique<ThreadQuitFence>(m_scanThread);
    m_scanThread->start(QThread::InheritPriority);
}

TcpDeviceManager::~TcpDeviceManager()
{
    if (m_tcpSock->state() != QAbstractSocket::UnconnectedState)
        m_tcpSock->close();
    // From here on the worker and this manager no longer talk: late results
    // are dropped, and the worker's destruction on its own thread leaves this
    // object alone.
    disconnect(m_worker, nullptr, this, nullptr);
    disconnect(this, nullptr, m_worker, nullptr);
    if (m_scanThread->isRunning()) {
        // A search in progress gives up at once instead of running to its end.
        m_scanThread->requestInterruption();
        m_scanThreadStop->quitAndWait();
    }
    m_workerGone.load(std::memory_order_acquire);
    delete m_scanThread;
    m_devices.clear();
}

bool TcpDeviceManager::openDevice(const QString &name, const QString &ip, const QString &mac, const QString &)
{
    m_currentDevice = DevInfo{ip, mac, name, {}, {}, {}, {}};
    setConnectedDevice(m_currentDevice);

    if (m_tcpSock->state() != QAbstractSocket::UnconnectedState)
        m_tcpSock->abort();
    m_connectFailure.clear();
    bool valid = false;
    const QHostAddress address(DottedQuad::toIPv4(ip.trimmed(), &valid));
    bool connected = false;
    // A text that is no IPv4 address fails like an unreachable printer and
    // never becomes a name lookup.
    if (valid) {
        m_tcpSock->connectToHost(address, PrintPort, QIODevice::ReadWrite);
        connected = waitUntilConnected();
    }
    if (connected) {
        Logger::getInstance()->info(tr("连接主机ip: %1 端口: %2 成功").arg(Logger::oneLine(ip)).arg(PrintPort));
        qDebug() << "连接主机ip:" << ip << "端口:" << PrintPort << "成功";
        m_networkPost->cancel(); // a form for the previous connection goes no further
        setupBuilders(CommType::Tcp, m_tcpSock, m_currentDevice);
        emit connectionStatusChanged(true);
        return true;
    }
    // Why, in the socket's words (as the one-address test says it): refused,
    // unreachable, or still waiting when the connect wait ran out.
    if (!valid)
        m_connectFailure = tr("不是 IPv4 地址: %1").arg(ip);
    else if (m_tcpSock->state() != QAbstractSocket::UnconnectedState)
        m_connectFailure = HostIdentifier::connectTimedOut();
    else
        m_connectFailure = m_tcpSock->errorString();
    m_tcpSock->abort();
    qDebug() << "连接主机ip:" << ip << "端口:" << PrintPort << "失败";
    emit sigConnectionFailTcp(ip);
    Logger::getInstance()->info(tr("连接主机ip: %1 失败").arg(Logger::oneLine(ip)));
    return false;
}

bool TcpDeviceManager::waitUntilConnected()
{
    // The socket connects in the event loop: timers, sockets and repaints go on
    // while it does, user input waits until the outcome is known.
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(m_tcpSock, &QAbstractSocket::stateChanged, &loop, [&loop](QAbstractSocket::SocketState state) {
        if (state == QAbstractSocket::ConnectedState || state == QAbstractSocket::UnconnectedState)
            loop.quit();
    });
    if (m_tcpSock->state() != QAbstractSocket::ConnectedState && m_tcpSock->state() != QAbstractSocket::UnconnectedState) {
        limit.start(m_connectWaitMs);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    return m_tcpSock->state() == QAbstractSocket::ConnectedState;
}

void TcpDeviceManager::closeDevice()
{
    if (m_tcpSock->isOpen()) {
        m_tcpSock->close();
        Logger::getInstance()->info(tr("断开主机ip: %1 ").arg(Logger::oneLine(m_currentDevice.ip)));
        qDebug() << "断开主机ip:" << m_currentDevice.ip;
    } else {
        qDebug() << "主机m_tcpSock不存在:" << m_currentDevice.ip;
    }
    emit connectionStatusChanged(false);
}

bool TcpDeviceManager::linkUp() const
{
    return m_tcpSock->state() == QAbstractSocket::ConnectedState;
}

qint64 TcpDeviceManager::unacknowledgedBytes() const
{
    if (!linkUp())
        return -1;
    // SIOCOUTQ: what the kernel still holds for the peer, sent or not.
    int queued = 0;
    if (::ioctl(int(m_tcpSock->socketDescriptor()), SIOCOUTQ, &queued) != 0)
        return -1;
    return m_tcpSock->bytesToWrite() + queued;
}

bool TcpDeviceManager::writeRaw(const QByteArray &data)
{
    // Whether to send at all is decided before (commandReady, or the command
    // line's own look at the connection); a socket that is not connected
    // refuses the bytes here.
    if (m_tcpSock->write(data) != data.size()) {
        qWarning() << "TCP发送数据失败:" << m_tcpSock->errorString();
        return false;
    }
    // A printer that reads slowly leaves bytes in the socket's buffer: they
    // go on as it reads. Only a socket that failed has lost them.
    m_tcpSock->flush();
    return linkUp();
}

void TcpDeviceManager::refreshDevices()
{
    m_devices.clear();
    emit sigSearchStarted();
    emit operate();
}

namespace {

QVariantMap listEntry(const QString &name, const QString &ip, const QString &mac)
{
    QVariantMap entry;
    entry.insert(QStringLiteral("name"), name);
    entry.insert(QStringLiteral("ip"), ip);
    entry.insert(QStringLiteral("mac"), mac);
    return entry;
}

} // namespace

QVariantList TcpDeviceManager::deviceList()
{
    QVariantList list;
    for (const DevInfo &d : qAsConst(m_devices))
        list.append(listEntry(d.name, d.ip, d.mac));
    return list;
}

void TcpDeviceManager::testDeviceConnection(const QString &ip)
{
    emit sigTestDevice(ip);
}

void TcpDeviceManager::setTcpNetworkSegment(const QString &segment)
{
    emit sigSegmentChanged(segment);
    ConfigManager::getInstance()->setTcpNetworkSegment(segment);
}

void TcpDeviceManager::onBuilderData(CommType type, const QByteArray &data)
{
    if (type != CommType::Tcp)
        return;
    Logger::getInstance()->info(tr("TCP发出数据 %1 ").arg(toHexText(data)));
    if (!writeRaw(data))
        reportFailure(tr("TCP数据发送失败"));
}

bool TcpDeviceManager::networkPostPending() const
{
    return m_networkPost->isPending();
}

void TcpDeviceManager::postNetworkForm(const QString &url, const QString &body)
{
    m_networkPost->post(url, body);
}

void TcpDeviceManager::slotAddDevList(const QString &ip, const QString &mac, const QString &name)
{
    m_devices.append(DevInfo{ip, mac, name, {}, {}, {}, {}});
    Logger::getInstance()->info(tr("TCP 设备搜索到设备 ip:%1 mac:%2 name:%3").arg(ip, mac, Logger::oneLine(name)));
}

void TcpDeviceManager::slotDeviceIdentified(const QString &ip, const QString &mac, const QString &name)
{
    emit sigDeviceFoundTcp(listEntry(name, ip, mac));
}

void TcpDeviceManager::slotScanOver()
{
    for (const DevInfo &d : qAsConst(m_devices))
        qDebug() << d.ip << d.mac << d.name;
    Logger::getInstance()->info(tr("TCP 设备搜索完成"));
    emit sigScanOverTcp();
}

void TcpDeviceManager::slotTestDeviceResult(const QString &ip, const QString &mac, const QString &name, bool success,
                                            const QString &errorMsg)
{
    emit sigTestConnectionResult(ip, mac, name, success, errorMsg);
}
