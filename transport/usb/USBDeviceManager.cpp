#include "transport/usb/USBDeviceManager.h"

#include "app/base/Logger.h"
#include "commands/MoreSettings.h"
#include "commands/RealTimeStatusForm.h"
#include "device/ReplyMatcher.h"
#include "platform/DeviceNodeAccess.h"
#include "platform/SysfsPollingDeviceChangeSource.h"
#include "platform/SysfsUsbPrinterLister.h"
#include "transport/usb/USBHotSwapping.h"
#include "transport/usb/USBPrinterController.h"

#include <QDebug>
#include <QVariantMap>

namespace {

const char *const kSysfsRootVariable = "QM_USB_SYSFS_ROOT";
const char *const kDevRootVariable = "QM_USB_DEV_ROOT";
const char *const kSystemSysfsRoot = "/sys";
const char *const kSystemDevRoot = "/dev";

QString sysfsRoot()
{
    const QString root = qEnvironmentVariable(kSysfsRootVariable);
    return root.isEmpty() ? QString::fromLatin1(kSystemSysfsRoot) : root;
}

// A tree of its own keeps its nodes under <root>/dev unless told otherwise.
QString devRoot()
{
    const QString root = qEnvironmentVariable(kDevRootVariable);
    if (!root.isEmpty())
        return root;
    if (!qEnvironmentVariableIsEmpty(kSysfsRootVariable))
        return sysfsRoot() + QStringLiteral("/dev");
    return QString::fromLatin1(kSystemDevRoot);
}

// udev reports nothing about a tree that is not the system's: look at it instead.
DeviceChangeSource *systemSource()
{
    if (qEnvironmentVariableIsEmpty(kSysfsRootVariable))
        return nullptr;
    return new SysfsPollingDeviceChangeSource(SysfsUsbPrinterLister(sysfsRoot(), devRoot()).classDirectory());
}

} // namespace

USBDeviceManager::USBDeviceManager(QObject *parent) : USBDeviceManager(systemLister(), systemSource(), parent) {}

std::unique_ptr<UsbPrinterLister> USBDeviceManager::systemLister()
{
    return std::make_unique<SysfsUsbPrinterLister>(sysfsRoot(), devRoot());
}

USBDeviceManager::USBDeviceManager(std::unique_ptr<UsbPrinterLister> lister, DeviceChangeSource *source,
                                   QObject *parent)
    : BaseDeviceManager(parent), m_lister(std::move(lister))
{
    m_replies = new ReplyMatcher(ReplyMatcher::Queue, this);
    connect(m_replies, &ReplyMatcher::timedOut, this, &USBDeviceManager::handleTimeout);
    m_controller = new USBPrinterController(this);
    connect(m_controller, &USBPrinterController::dataReceived, this, [this](const QByteArray &data) {
        Logger::getInstance()->info(tr("USB收到的数据 %1 ").arg(toHexText(data)));
        handleUsbData(data);
    });
    // Builder output is written on the controller's writer thread; its outcome
    // comes back here.
    connect(m_controller, &USBPrinterController::syncWriteFinished, this, [this](quint32 written) {
        if (written == 0)
            reportFailure(tr("USB数据发送失败"));
    });
    // The controller has logged its own failures already.
    connect(m_controller, &USBPrinterController::sigIoFailed, this, &BaseDeviceManager::sigOperationFailed);
    m_hotSwapping = new USBHotSwapping(m_controller, source);
    connect(m_hotSwapping, &USBHotSwapping::sigDeviceChanges, this, &USBDeviceManager::onDeviceChanges);
}

USBDeviceManager::~USBDeviceManager()
{
    m_controller->closePrinter();
    delete m_hotSwapping;
}

QString USBDeviceManager::permissionAdvice(const QString &devPath)
{
    return tr("没有权限打开 %1：请把用户加入 lp 组（sudo usermod -aG lp $USER），重新登录后再试").arg(devPath);
}

bool USBDeviceManager::openDevice(const QString &name, const QString &ip, const QString &mac, const QString &devPath)
{
    // The pages pass vpid, model, manufacturer and the node in these places.
    DevInfo device;
    device.vpid = name;
    device.model = ip;
    device.manufacturer = mac;
    device.devPath = devPath;
    setConnectedDevice(device);

    if (!m_controller->openPrinter(devPath)) {
        // A node still open was closed to try the new one.
        m_isConnected = m_controller->isOpen();
        // A file given as the node, or a node the user may not open: say so.
        const QString notADevice = DeviceNodeAccess::notADeviceProblem(devPath);
        const QString advice = !notADevice.isEmpty()                         ? notADevice
                               : DeviceNodeAccess::permissionDenied(devPath) ? permissionAdvice(devPath)
                                                                             : QString();
        emit sigConnectionFailUsb(advice.isEmpty() ? ip : ip + QLatin1Char('\n') + advice);
        qDebug().noquote() << "设备:" << ip << "打开失败";
        const QString line = tr("连接USB设备: %1 失败").arg(Logger::oneLine(ip));
        Logger::getInstance()->info(advice.isEmpty() ? line : line + QLatin1Char(' ') + advice);
        return false;
    }

    Logger::getInstance()->info(tr("连接USB设备: %1 成功").arg(Logger::oneLine(ip)));
    m_currentConnectedDevPath = devPath;
    m_isConnected = true;
    qDebug().noquote() << "m_currentConnectedDevPath:" << m_currentConnectedDevPath;
    setupBuilders(CommType::Usb, nullptr, device);
    connect(m_moreSettings, &MoreSettings::sigRequestUsbSend, this, &USBDeviceManager::onRequestUsbSend);
    connect(m_realTimeStatusForm, &RealTimeStatusForm::sigRequestUsbSend, this, &USBDeviceManager::onRequestUsbSend);
    emit connectionStatusChanged(true);
    return true;
}

void USBDeviceManager::closeDevice()
{
    // Without any device there is nothing to disconnect and nothing to log.
    const bool hadDevice = !m_currentConnectedDevPath.isEmpty() || m_connectedDevice != DevInfo();
    m_isConnected = false;
    m_currentConnectedDevPath.clear();
    m_controller->stopAsyncIo();
    m_controller->closePrinter();
    if (hadDevice)
        Logger::getInstance()->info(tr("断开USB设备: %1 ").arg(Logger::oneLine(m_connectedDevice.model)));
    setConnectedDevice(DevInfo());
    emit connectionStatusChanged(false);
}

bool USBDeviceManager::writeRaw(const QByteArray &data)
{
    return m_controller && m_controller->SendAsync(data);
}

void USBDeviceManager::refreshDevices()
{
    m_deviceList = m_lister->listPrinters();
    Logger::getInstance()->info(tr("USB设备搜索完成"));
    emit sigScanOverUsb();
}

QVariantList USBDeviceManager::deviceList()
{
    QVariantList list;
    for (const DevInfo &d : qAsConst(m_deviceList)) {
        QVariantMap entry;
        entry.insert(QStringLiteral("vpid"), d.vpid);
        entry.insert(QStringLiteral("model"), d.model);
        entry.insert(QStringLiteral("manufacturer"), d.manufacturer);
        entry.insert(QStringLiteral("devPath"), d.devPath);
        list.append(entry);
    }
    return list;
}

void USBDeviceManager::enterConfigSetFlag()
{
    m_enterConfigFlag = true;
    qDebug() << "m_enterConfigFlag:" << m_enterConfigFlag;
}

QStringList USBDeviceManager::pendingCommands() const
{
    return m_replies->waiting();
}

void USBDeviceManager::onBuilderData(CommType type, const QByteArray &data)
{
    if (type != CommType::Usb)
        return;
    // Written on the controller's writer thread, which logs the bytes; a block
    // not written (an empty one included) is reported when its outcome is back.
    m_controller->writeSyncQueued(data);
}

bool USBDeviceManager::onRequestUsbSend(const QByteArray &data, const QString &expectCmd, int timeoutMs)
{
    Logger::getInstance()->info(tr("USB发出数据 %1 ").arg(toHexText(data)));
    // The first request of a row: what came before it answers nothing.
    if (m_replies->waiting().isEmpty())
        m_replyReader.cancel();
    const quint64 request = m_replies->expect(expectCmd, timeoutMs);
    if (m_controller->SendAsync(data))
        return true;
    m_replies->withdraw(request);
    reportFailure(tr("SendAsync 发送失败"));
    return false;
}

void USBDeviceManager::handleTimeout(const QString &cmd)
{
    m_replyReader.cancel();
    emit sigUsbResponse(cmd, QString());
    reportFailure(tr("发送超时"));
}

void USBDeviceManager::handleUsbData(const QByteArray &data)
{
    if (data.isEmpty())
        return;
    // The oldest request waiting is the one these bytes may answer.
    const QStringList waiting = m_replies->waiting();
    if (waiting.isEmpty()) {
        m_replyReader.drop(data);
        return;
    }
    if (!m_replyReader.waiting())
        m_replyReader.expect(RealTimeStatusForm::isStatusName(waiting.first()) ? PrinterReplyReader::Reply::RealTimeStatus
                                                                              : PrinterReplyReader::Reply::Any);
    const PrinterReplyReader::State state = m_replyReader.feed(data);
    if (state != PrinterReplyReader::State::Answered && state != PrinterReplyReader::State::Garbage)
        return;
    m_replyReader.cancel();
    const QString cmd = m_replies->takeAnswer();
    if (state == PrinterReplyReader::State::Garbage) {
        reportFailure(strayReply());
        emit sigUsbResponse(cmd, QString());
        return;
    }
    emit sigUsbResponse(cmd, toHexText(m_replyReader.answer()).trimmed());
}

void USBDeviceManager::onDeviceChanges(uint16_t event, const QString &)
{
    refreshDeviceList();
    if (event == USBHotSwapping::DeviceArrival)
        handleArrival();
    else if (event == USBHotSwapping::DeviceRemoveComplete)
        handleRemoval();
}

void USBDeviceManager::handleArrival()
{
    for (int i = 0; i < m_deviceList.size(); ++i) {
        const DevInfo entry = m_deviceList.at(i);
        if (!m_currentConnectedDevPath.isEmpty() && entry.devPath == m_currentConnectedDevPath) {
            if (m_isConnected)
                return;
            if (m_controller->openPrinter(entry.devPath)) {
                Logger::getInstance()->info(tr("重新连接USB设备 %1 ").arg(entry.devPath));
                m_isConnected = true;
                emit sigUsbDeviceReconnect(entry.model, entry.vpid);
                emit connectionStatusChanged(true);
            }
        }
        // Connect the first listed printer once per arrival while asked to.
        if (i == 0 && m_enterConfigFlag) {
            const DevInfo first = m_deviceList.first();
            const bool ok = openDevice(first.vpid, first.model, first.manufacturer, first.devPath);
            if (ok)
                m_enterConfigFlag = false;
            emit sigEnterConfigConnectStatus(ok, first.vpid, first.model);
        }
    }
}

void USBDeviceManager::handleRemoval()
{
    if (!m_isConnected)
        return;
    for (const DevInfo &entry : qAsConst(m_deviceList)) {
        if (entry.devPath == m_currentConnectedDevPath)
            return;
    }
    m_isConnected = false;
    m_controller->closePrinter();
    emit sigUsbDeviceRemoved();
    emit connectionStatusChanged(false);
    Logger::getInstance()->info(tr("usb设备 %1 断开!").arg(m_currentConnectedDevPath));
}
