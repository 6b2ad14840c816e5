#include "transport/serial/SerialPortManager.h"

#include "app/base/Logger.h"
#include "platform/DeviceNodeAccess.h"
#include "platform/SerialByIdNames.h"
#include "platform/SerialLineProbe.h"
#include "text/HexText.h"

#include <QDebug>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <QVariantMap>

#include <algorithm>

namespace {

// The standard rates the connection page offers besides 9600.
constexpr qint32 StandardBaudRates[] = {1200, 2400, 4800, 19200, 38400, 57600, 115200};

} // namespace

namespace {

const char *const kByIdDirectoryVariable = "QM_SERIAL_BY_ID_DIR";

QString byIdDirectoryFromEnvironment()
{
    const QString dir = qEnvironmentVariable(kByIdDirectoryVariable);
    return dir.isEmpty() ? QString::fromLatin1(SerialByIdNames::SystemDirectory) : dir;
}

} // namespace

SerialPortManager::SerialPortManager(QObject *parent) : SerialPortManager(byIdDirectoryFromEnvironment(), parent) {}

SerialPortManager::SerialPortManager(const QString &byIdDirectory, QObject *parent)
    : BaseDeviceManager(parent), m_byIdDirectory(byIdDirectory)
{
    refreshAvailablePorts();
}

SerialPortManager::~SerialPortManager()
{
    if (m_port) {
        m_port->disconnect(this);
        if (m_port->isOpen())
            m_port->close();
    }
}

void SerialPortManager::refreshAvailablePorts()
{
    m_availablePorts.clear();
    // Each port is followed by its stable by-id names; names of adapters the
    // port list does not know (yet) come last.
    QList<SerialByIdNames::Alias> aliases = SerialByIdNames(m_byIdDirectory).aliases();
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : ports) {
        m_availablePorts.append(info.portName());
        const QString node = QFileInfo(info.systemLocation()).canonicalFilePath();
        for (auto it = aliases.begin(); it != aliases.end();) {
            if (!node.isEmpty() && it->target == node) {
                m_availablePorts.append(it->path);
                it = aliases.erase(it);
            } else {
                ++it;
            }
        }
    }
    for (const SerialByIdNames::Alias &alias : qAsConst(aliases))
        m_availablePorts.append(alias.path);
    emit availablePortsChanged();
}

QList<qint32> SerialPortManager::baudRates()
{
    QList<qint32> rates{DefaultBaudRate};
    for (qint32 rate : StandardBaudRates)
        rates.append(rate);
    std::sort(rates.begin(), rates.end());
    return rates;
}

qint32 SerialPortManager::baudRateFromText(const QString &text)
{
    const qint32 value = text.toInt(nullptr, 10);
    for (qint32 rate : StandardBaudRates) {
        if (value == rate)
            return rate;
    }
    return DefaultBaudRate;
}

QSerialPort::DataBits SerialPortManager::dataBitsFromText(const QString &text)
{
    switch (text.toInt()) {
    case 5: return QSerialPort::Data5;
    case 6: return QSerialPort::Data6;
    case 7: return QSerialPort::Data7;
    default: return QSerialPort::Data8;
    }
}

QSerialPort::StopBits SerialPortManager::stopBitsFromText(const QString &text)
{
    if (text == QLatin1String("1.5"))
        return QSerialPort::OneAndHalfStop;
    if (text == QLatin1String("2"))
        return QSerialPort::TwoStop;
    return QSerialPort::OneStop;
}

QSerialPort::Parity SerialPortManager::parityFromText(const QString &text)
{
    if (text == tr("奇校验"))
        return QSerialPort::OddParity;
    if (text == tr("偶校验"))
        return QSerialPort::EvenParity;
    return QSerialPort::NoParity;
}

QSerialPort::FlowControl SerialPortManager::flowControlFromText(const QString &text)
{
    if (text == QLatin1String("Xon/Xoff"))
        return QSerialPort::SoftwareControl;
    if (text == QLatin1String("RTS"))
        return QSerialPort::HardwareControl;
    return QSerialPort::NoFlowControl;
}

QByteArray SerialPortManager::parseHexText(const QString &text)
{
    return HexText::parseStrictPairs(text);
}

QString SerialPortManager::permissionAdvice(const QString &portName)
{
    return tr("没有权限打开 %1：请把用户加入 dialout 组（sudo usermod -aG dialout $USER），重新登录后再试").arg(portName);
}

void SerialPortManager::releasePort()
{
    if (!m_port)
        return;
    m_port->disconnect();
    if (m_port->isOpen())
        m_port->close();
    m_port->deleteLater();
    m_port = nullptr;
}

bool SerialPortManager::openNewPort(const QString &portName, bool traceAttempt)
{
    if (m_connected) {
        emit errorOccurred(tr("串口已经连接"));
        return false;
    }

    // A typed path may carry stray blanks; a relative path is meant from the
    // current folder (Qt would look for it under /dev), and Qt takes a name
    // with a leading '/' as the device path itself (a pty, a by-id name).
    const QString path = DeviceNodeAccess::resolvedPath(portName);
    // A file or folder is never opened as a serial line.
    const QString notADevice = DeviceNodeAccess::notADeviceProblem(path);
    if (!notADevice.isEmpty()) {
        emit errorOccurred(tr("串口连接失败: ") + notADevice);
        return false;
    }

    releasePort();
    m_lineGone = false;
    m_port = new QSerialPort(this);
    connect(m_port, &QSerialPort::readyRead, this, &SerialPortManager::handleReadyRead);
    connect(m_port, &QSerialPort::errorOccurred, this, &SerialPortManager::handleError);
    m_port->setPortName(path);
    if (traceAttempt)
        qDebug().noquote() << "尝试打开串口:" << portName;

    if (!m_port->open(QIODevice::ReadWrite)) {
        const QString reason = m_port->error() == QSerialPort::PermissionError ? permissionAdvice(portName.trimmed())
                                                                                 : m_port->errorString();
        emit errorOccurred(tr("串口连接失败: ") + reason);
        qDebug().noquote() << "串口连接失败:" << reason;
        return false;
    }
    return true;
}

void SerialPortManager::markConnected(const QString &portName)
{
    m_connected = true;
    m_openPort = portName.trimmed();
    emit connectionStatusChanged(true);
}

bool SerialPortManager::connectSerialPort(const QString &portName, const QString &baudRate, const QString &dataBits,
                                          const QString &stopBits, const QString &parity, const QString &flowContro)
{
    if (!openNewPort(portName, true))
        return false;

    qDebug().noquote() << "串口打开成功，开始设置参数";
    bool ok = true;
    // Each setting is tried even after an earlier one failed, so that every
    // refused setting is reported.
    auto apply = [this, &ok](bool applied, const QString &prefix, const char *trace) {
        if (applied)
            return;
        const QString reason = m_port->errorString();
        emit errorOccurred(prefix + reason);
        qDebug().noquote() << trace << reason;
        ok = false;
    };
    apply(m_port->setBaudRate(baudRateFromText(baudRate), QSerialPort::AllDirections), tr("设置波特率失败: "),
          "设置波特率失败:");
    apply(m_port->setDataBits(dataBitsFromText(dataBits)), tr("设置数据位失败: "), "设置数据位失败:");
    apply(m_port->setStopBits(stopBitsFromText(stopBits)), tr("设置停止位失败: "), "设置停止位失败:");
    apply(m_port->setParity(parityFromText(parity)), tr("设置校验位失败: "), "设置校验位失败:");
    apply(m_port->setFlowControl(flowControlFromText(flowContro)), tr("设置流控制失败: "), "设置流控制失败:");

    if (!ok) {
        m_port->close();
        return false;
    }

    markConnected(portName);
    qDebug().noquote() << "串口连接成功（先打开后设置参数）:" << portName << "波特率:" << baudRate << "数据位:" << dataBits
                       << "停止位:" << stopBits << "校验位:" << parity << "流控制:" << flowContro;
    setupBuilders(CommType::Serial, nullptr, m_connectedDevice);
    return true;
}

bool SerialPortManager::connectSerialPort_new(const QString &portName, const QString &baudRate)
{
    if (!openNewPort(portName, false))
        return false;

    if (!m_port->setBaudRate(baudRateFromText(baudRate), QSerialPort::AllDirections)) {
        const QString reason = m_port->errorString();
        emit errorOccurred(tr("设置波特率失败: ") + reason);
        qDebug().noquote() << "设置波特率失败:" << reason;
        m_port->close();
        return false;
    }

    markConnected(portName);
    Logger::getInstance()->info(tr("串口连接成功:%1 波特率:%2  ").arg(portName, baudRate));
    setupBuilders(CommType::Serial, nullptr, m_connectedDevice);
    return true;
}

void SerialPortManager::disconnectSerialPort()
{
    releasePort();
    m_connected = false;
    emit connectionStatusChanged(false);
    Logger::getInstance()->info(tr("串口已断开连接"));
}

bool SerialPortManager::writeChecked(const QByteArray &bytes, const QString &writeFailedPrefix,
                                     const QString &incompleteMessage)
{
    const qint64 written = m_port->write(bytes);
    if (written < 0) {
        emit errorOccurred(writeFailedPrefix + m_port->errorString());
        return false;
    }
    if (written != bytes.size()) {
        emit errorOccurred(incompleteMessage);
        return false;
    }
    if (!m_port->flush()) {
        emit errorOccurred(tr("刷新缓冲区失败"));
        return false;
    }
    return true;
}

bool SerialPortManager::sendData(const QString &data)
{
    return writeRaw(data.toUtf8());
}

bool SerialPortManager::writeRaw(const QByteArray &data)
{
    if (!m_connected || !m_port || !m_port->isOpen()) {
        emit errorOccurred(tr("串口未连接"));
        return false;
    }
    return writeChecked(data, tr("发送数据失败: "), tr("数据发送不完整"));
}

bool SerialPortManager::sendHexData(const QString &hexData)
{
    if (!m_connected || !m_port || !m_port->isOpen()) {
        emit errorOccurred(tr("串口未连接"));
        return false;
    }
    const QByteArray bytes = parseHexText(hexData);
    if (bytes.isEmpty()) {
        emit errorOccurred(tr("无效的十六进制数据"));
        return false;
    }
    if (!writeChecked(bytes, tr("发送十六进制数据失败: "), tr("十六进制数据发送不完整")))
        return false;
    qDebug().noquote() << "发送十六进制数据:" << hexData;
    return true;
}

void SerialPortManager::handleReadyRead()
{
    if (!m_port)
        return;
    const QByteArray bytes = m_port->readAll();
    const QString text = QString::fromUtf8(bytes);
    emit dataReceived(text);
    emit hexDataReceived(bytes);
    qDebug().noquote() << "接收数据:" << text;
}

void SerialPortManager::handleError(QSerialPort::SerialPortError error)
{
    if (error == QSerialPort::NoError)
        return;
    if (error == QSerialPort::ReadError && m_port && m_port->isOpen() && SerialLineProbe::isGone(m_port->handle())) {
        // The line went away under us: the port keeps reporting end-of-file
        // as read errors until it is closed, so report the removal once and
        // stop reading (closing here would pull the port from under its own
        // notification).
        if (m_lineGone)
            return;
        m_lineGone = true;
        error = QSerialPort::ResourceError;
        QMetaObject::invokeMethod(m_port, &QSerialPort::close, Qt::QueuedConnection);
    }

    QString message;
    switch (error) {
    case QSerialPort::DeviceNotFoundError: message = tr("找不到设备"); break;
    case QSerialPort::PermissionError: message = tr("权限不足"); break;
    case QSerialPort::OpenError: message = tr("设备已打开或打开失败"); break;
    case QSerialPort::WriteError: message = tr("写入数据失败"); break;
    case QSerialPort::ReadError: message = tr("读取数据失败"); break;
    case QSerialPort::ResourceError: message = tr("资源错误，设备可能已被移除"); break;
    case QSerialPort::UnsupportedOperationError: message = tr("不支持的操作"); break;
    case QSerialPort::TimeoutError: message = tr("操作超时"); break;
    case QSerialPort::NotOpenError: message = tr("设备未打开"); break;
    default:
        message = tr("未知错误: ") + (m_port ? m_port->errorString() : QString());
        break;
    }
    emit errorOccurred(message);
    qDebug().noquote() << "串口错误:" << message;

    const bool portGone = error == QSerialPort::DeviceNotFoundError || error == QSerialPort::ResourceError;
    if (portGone && m_connected) {
        m_connected = false;
        emit connectionStatusChanged(false);
    }
}

bool SerialPortManager::openDevice(const QString &, const QString &, const QString &, const QString &)
{
    // A serial port is opened only with its line parameters (connectSerialPort).
    return false;
}

void SerialPortManager::closeDevice()
{
    disconnectSerialPort();
}

void SerialPortManager::refreshDevices()
{
    refreshAvailablePorts();
}

QVariantList SerialPortManager::deviceList()
{
    return nameOnlyDeviceList(m_availablePorts);
}

void SerialPortManager::onBuilderData(CommType type, const QByteArray &data)
{
    if (type != CommType::Serial)
        return;
    writeRaw(data);
}
