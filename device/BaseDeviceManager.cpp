#include "device/BaseDeviceManager.h"

#include "app/base/ConfigManager.h"
#include "app/base/Logger.h"
#include "commands/BarCodeForm.h"
#include "commands/BitmapForm.h"
#include "commands/BuzzerAlarmForm.h"
#include "commands/CashBoxForm.h"
#include "commands/CharacterForm.h"
#include "commands/CuttingForm.h"
#include "commands/HanziForm.h"
#include "commands/LampForm.h"
#include "commands/MoreSettings.h"
#include "commands/OtherForm.h"
#include "commands/PrintTest.h"
#include "commands/RealTimeStatusForm.h"
#include "commands/SettingsFrame.h"
#include "commands/WorkingModeForm.h"
#include "device/ActionLog.h"
#include "device/ReplyMatcher.h"
#include "text/HexText.h"
#include "commands/NetworkForm.h"

#include <QIODevice>

BaseDeviceManager::BaseDeviceManager(QObject *parent)
    : CommunicationInterface(parent), m_statusReplies(new ReplyMatcher(ReplyMatcher::OneAtATime, this))
{
    // Bytes after a request that ran out of time answer nothing.
    connect(m_statusReplies, &ReplyMatcher::timedOut, this, [this] { m_replyReader.cancel(); });
}

BaseDeviceManager::~BaseDeviceManager()
{
    deleteBuilders();
}

void BaseDeviceManager::deleteBuilders()
{
    delete m_buzzerAlarmForm;
    delete m_cuttingForm;
    delete m_realTimeStatusForm;
    delete m_cashBoxForm;
    delete m_workingModeForm;
    delete m_characterForm;
    delete m_bitmapForm;
    delete m_barCodeForm;
    delete m_lampForm;
    delete m_hanziForm;
    delete m_otherForm;
    delete m_networkForm;
    delete m_moreSettings;
    delete m_printTest;
    m_buzzerAlarmForm = nullptr;
    m_cuttingForm = nullptr;
    m_realTimeStatusForm = nullptr;
    m_cashBoxForm = nullptr;
    m_workingModeForm = nullptr;
    m_characterForm = nullptr;
    m_bitmapForm = nullptr;
    m_barCodeForm = nullptr;
    m_lampForm = nullptr;
    m_hanziForm = nullptr;
    m_otherForm = nullptr;
    m_networkForm = nullptr;
    m_moreSettings = nullptr;
    m_printTest = nullptr;
}

void BaseDeviceManager::setupBuilders(CommType type, QIODevice *stream, const DevInfo &device)
{
    deleteBuilders();
    m_connectedDevice = device;

    m_buzzerAlarmForm = new BuzzerAlarmForm(type);
    m_cuttingForm = new CuttingForm(type);
    m_realTimeStatusForm = new RealTimeStatusForm(type);
    m_cashBoxForm = new CashBoxForm(type);
    m_workingModeForm = new WorkingModeForm(type);
    m_characterForm = new CharacterForm(type);
    m_bitmapForm = new BitmapForm(type);
    m_barCodeForm = new BarCodeForm(type);
    m_lampForm = new LampForm(type);
    m_hanziForm = new HanziForm(type);
    m_otherForm = new OtherForm(type, [] { return ConfigManager::getInstance()->getCurrentDeviceModel(); });
    m_networkForm = new NetworkForm(type, device);
    m_moreSettings = new MoreSettings(type);
    m_printTest = new PrintTest(type);

    if (type == CommType::Tcp && stream && stream != m_streamDevice) {
        if (m_streamDevice)
            disconnect(m_streamDevice, &QIODevice::readyRead, this, &BaseDeviceManager::slotReadyRead);
        m_streamDevice = stream;
        connect(stream, &QIODevice::readyRead, this, &BaseDeviceManager::slotReadyRead, Qt::UniqueConnection);
    }

    connect(m_buzzerAlarmForm, &BuzzerAlarmForm::sigSendData, this, &BaseDeviceManager::onBuilderData);
    connect(m_cuttingForm, &CuttingForm::sigSendData, this, &BaseDeviceManager::onBuilderData);
    connect(m_realTimeStatusForm, &RealTimeStatusForm::sigSendData, this, &BaseDeviceManager::onBuilderData);
    connect(m_cashBoxForm, &CashBoxForm::sigSendData, this, &BaseDeviceManager::onBuilderData);
    connect(m_workingModeForm, &WorkingModeForm::sigSendData, this, &BaseDeviceManager::onBuilderData);
    connect(m_characterForm, &CharacterForm::sigSendData, this, &BaseDeviceManager::onBuilderData);
    connect(m_bitmapForm, &BitmapForm::sigSendData, this, &BaseDeviceManager::onBuilderData);
    connect(m_barCodeForm, &BarCodeForm::sigSendData, this, &BaseDeviceManager::onBuilderData);
    connect(m_lampForm, &LampForm::sigSendData, this, &BaseDeviceManager::onBuilderData);
    connect(m_hanziForm, &HanziForm::sigSendData, this, &BaseDeviceManager::onBuilderData);
    connect(m_otherForm, &OtherForm::sigSendData, this, &BaseDeviceManager::onBuilderData);
    connect(m_networkForm, &NetworkForm::sigSendData, this, &BaseDeviceManager::onBuilderData);
    connect(m_networkForm, &NetworkForm::sigPostForm, this, &BaseDeviceManager::postNetworkForm);
    connect(m_moreSettings, &MoreSettings::sigSendData, this, &BaseDeviceManager::onBuilderData);
    connect(m_printTest, &PrintTest::sigSendData, this, &BaseDeviceManager::onBuilderData);
}

void BaseDeviceManager::postNetworkForm(const QString &, const QString &) {}

QVariantList BaseDeviceManager::nameOnlyDeviceList(const QStringList &names)
{
    QVariantList list;
    for (const QString &name : names) {
        QVariantMap entry;
        entry.insert(QStringLiteral("name"), name);
        entry.insert(QStringLiteral("ip"), QString());
        entry.insert(QStringLiteral("mac"), QString());
        entry.insert(QStringLiteral("devPath"), QString());
        list.append(entry);
    }
    return list;
}

QString BaseDeviceManager::toHexText(const QByteArray &bytes)
{
    return HexText::lowerPairs(bytes);
}

void BaseDeviceManager::slotReadyRead()
{
    if (!m_streamDevice)
        return;
    const QByteArray bytes = m_streamDevice->readAll();
    const PrinterReplyReader::State state = m_replyReader.feed(bytes);
    if (state != PrinterReplyReader::State::Answered && state != PrinterReplyReader::State::Garbage)
        return;
    m_replyReader.cancel();
    const QString cmd = m_statusReplies->takeAnswer();
    if (cmd.isEmpty())
        return;
    if (state == PrinterReplyReader::State::Garbage) {
        reportFailure(strayReply());
        emit sigTcpResponse(cmd, QString());
        return;
    }
    emit sigTcpResponse(cmd, toHexText(m_replyReader.answer()));
}

QString BaseDeviceManager::strayReply() const
{
    return tr("%1 回答不是状态字节: %2").arg(modeName(), toHexText(m_replyReader.stray()));
}

int BaseDeviceManager::pendingStatusQuery() const
{
    const QStringList waiting = m_statusReplies->waiting();
    for (int status = RealTimeStatusForm::PrinterStatus; status < RealTimeStatusForm::NoStatus; ++status) {
        if (!waiting.isEmpty() && waiting.first() == RealTimeStatusForm::statusName(status))
            return status;
    }
    return RealTimeStatusForm::NoStatus;
}

QString BaseDeviceManager::tooLong(const QString &tmpl, int bytes) const
{
    return tmpl.arg(modeName()).arg(bytes).arg(SettingsFrame::MaxTextBytes);
}

void BaseDeviceManager::refuse(const QString &message)
{
    Logger::getInstance()->error(message);
    emit sigInputRefused(message);
}

void BaseDeviceManager::reportFailure(const QString &message)
{
    Logger::getInstance()->error(message);
    emit sigOperationFailed(message);
}

void BaseDeviceManager::writeActionLog(const QString &tmpl, const QStringList &args)
{
    Logger::getInstance()->info(ActionLog::fill(tmpl, args));
}

bool BaseDeviceManager::commandReady(const void *builder) const
{
    return builderReady(builder) && (linkUp() || notConnected());
}

bool BaseDeviceManager::builderReady(const void *builder) const
{
    return builder || notConnected();
}

// Before the first connection, or with the link down, there is nothing to
// send the command to; the user learns why nothing happened from the log.
bool BaseDeviceManager::notConnected() const
{
    Logger::getInstance()->warning(tr("%1 未连接打印机，命令未执行").arg(modeName()));
    return false;
}

bool BaseDeviceManager::connectDevice(const QString &name, const QString &ip, const QString &mac, const QString &devPath)
{
    return openDevice(name, ip, mac, devPath);
}

void BaseDeviceManager::disconnectDevice()
{
    closeDevice();
}

void BaseDeviceManager::refreshDeviceList()
{
    refreshDevices();
}

QVariantList BaseDeviceManager::getDeviceList()
{
    return deviceList();
}
