#include "device/BaseDeviceManager.h"

#include "app/Logger.h"
#include "commands/BarCodeForm.h"
#include "commands/BitmapForm.h"
#include "commands/BuzzerAlarmForm.h"
#include "commands/CashBoxForm.h"
#include "commands/CharacterCommands.h"
#include "commands/CharacterForm.h"
#include "commands/CuttingForm.h"
#include "commands/HanziForm.h"
#include "commands/LampForm.h"
#include "commands/MoreSettings.h"
#include "commands/OtherForm.h"
#include "commands/PrintTest.h"
#include "commands/RealTimeStatusForm.h"
#include "commands/WorkingModeForm.h"
#include "transport/tcp/NetworkForm.h"

#include <QDebug>
#include <QIODevice>

namespace {

// Pages number their choices from 1; the commands carry them from 0. A value
// outside 1..count becomes 0.
int oneBasedChoice(int value, int count)
{
    return (value >= 1 && value <= count) ? value - 1 : 0;
}

QString paperSizeName(int paperSize)
{
    switch (paperSize) {
    case 0: return QStringLiteral("58mm");
    case 1: return QStringLiteral("76mm");
    case 2: return QStringLiteral("80mm");
    default: return QString();
    }
}

// The names of the paper-gap choices stand untranslated in the log.
QString paperGapName(int paperGap)
{
    switch (paperGap) {
    case 0: return QStringLiteral("最小间距");
    case 1: return QStringLiteral("紧密排列");
    case 2: return QStringLiteral("默认间距");
    case 3: return QStringLiteral("宽松间距");
    default: return QString();
    }
}

QString joinedCodes(const QList<int> &codes)
{
    QString text;
    for (int code : codes)
        text += QString::number(code);
    return text;
}

} // namespace

BaseDeviceManager::BaseDeviceManager(QObject *parent) : CommunicationInterface(parent) {}

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
    m_otherForm = new OtherForm(type);
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
    connect(m_moreSettings, &MoreSettings::sigSendData, this, &BaseDeviceManager::onBuilderData);
    connect(m_printTest, &PrintTest::sigSendData, this, &BaseDeviceManager::onBuilderData);
}

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
    return QString::fromLatin1(bytes.toHex(' '));
}

void BaseDeviceManager::slotReadyRead()
{
    if (!m_streamDevice)
        return;
    const QByteArray bytes = m_streamDevice->readAll();
    const int pending = m_pendingStatus;
    m_pendingStatus = PendingNone;
    if (pending == PendingNone)
        return;
    const QString payload = toHexText(bytes).trimmed();
    emit sigTcpResponse(RealTimeStatusForm::statusName(pending), payload);
}

void BaseDeviceManager::writeActionLog(const QString &tmpl, const QStringList &args)
{
    // One pass over the template, so that a "%2" inside an argument (user text)
    // is never replaced again.
    QString line;
    line.reserve(tmpl.size() + 64);
    for (int i = 0; i < tmpl.size(); ++i) {
        const QChar c = tmpl.at(i);
        if (c == QLatin1Char('%') && i + 1 < tmpl.size() && tmpl.at(i + 1).isDigit()) {
            int digits = 1;
            int n = tmpl.at(i + 1).digitValue();
            if (i + 2 < tmpl.size() && tmpl.at(i + 2).isDigit()) {
                const int two = n * 10 + tmpl.at(i + 2).digitValue();
                if (two >= 1 && two <= args.size()) {
                    n = two;
                    digits = 2;
                }
            }
            if (n >= 1 && n <= args.size()) {
                line += args.at(n - 1);
                i += digits;
                continue;
            }
        }
        line += c;
    }
    Logger::getInstance()->info(line);
}

bool BaseDeviceManager::builderReady(const void *builder) const
{
    if (builder)
        return true;
    // Before the first connection there is nothing to send the command to;
    // the user learns why nothing happened from the log.
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

void BaseDeviceManager::setBuzzerClicked(int spinBuzzerAlarmTimes, int spinBuzzerAlarmInterval)
{
    if (!builderReady(m_buzzerAlarmForm))
        return;
    m_buzzerAlarmForm->setBuzzerTimes(spinBuzzerAlarmTimes);
    m_buzzerAlarmForm->setBuzzerDuration(spinBuzzerAlarmInterval);
    m_buzzerAlarmForm->sendBuzzer();
    logAction(tr("%1 蜂鸣器设置:次数 %2 持续: %3 "), spinBuzzerAlarmTimes, spinBuzzerAlarmInterval);
}

void BaseDeviceManager::setBuzzerAlarmClicked(int spinBuzzerAlarmTimes, int spinBuzzerAlarmInterval, int buzzerAlarmNum)
{
    if (!builderReady(m_buzzerAlarmForm))
        return;
    const int mode = oneBasedChoice(buzzerAlarmNum, 4);
    m_buzzerAlarmForm->setAlarmTimes(spinBuzzerAlarmTimes);
    m_buzzerAlarmForm->setAlarmInterval(spinBuzzerAlarmInterval);
    m_buzzerAlarmForm->setAlarmMode(mode);
    m_buzzerAlarmForm->sendBuzzerAlarm();
    logAction(tr("%1 蜂鸣器闪灯设置 次数: %2 间隔: %3 模式: %4"), spinBuzzerAlarmTimes, spinBuzzerAlarmInterval, mode);
}

void BaseDeviceManager::setCutClicked(int cutMode, int spinFeedDistance)
{
    if (!builderReady(m_cuttingForm))
        return;
    const int mode = oneBasedChoice(cutMode, 3);
    m_cuttingForm->setCutMode(mode);
    m_cuttingForm->setFeedDistance(spinFeedDistance);
    m_cuttingForm->sendCut();
    logAction(tr("%1 切刀设置 模式: %2 进纸长度: %3 "), mode, spinFeedDistance);
}

void BaseDeviceManager::setPrinterStatusClicked()
{
    if (!builderReady(m_realTimeStatusForm))
        return;
    m_pendingStatus = RealTimeStatusForm::PrinterStatus;
    m_realTimeStatusForm->sendPrinterStatus();
    logAction(tr("%1 获取打印机状态"));
}

void BaseDeviceManager::setOfflineStatusClicked()
{
    if (!builderReady(m_realTimeStatusForm))
        return;
    m_pendingStatus = RealTimeStatusForm::OfflineStatus;
    m_realTimeStatusForm->sendOfflineStatus();
    logAction(tr("%1 获取脱机状态"));
}

void BaseDeviceManager::setErrorStatusClicked()
{
    if (!builderReady(m_realTimeStatusForm))
        return;
    m_pendingStatus = RealTimeStatusForm::ErrorStatus;
    m_realTimeStatusForm->sendErrorStatus();
    logAction(tr("%1 获取错误状态"));
}

void BaseDeviceManager::setPaperStatusClicked()
{
    if (!builderReady(m_realTimeStatusForm))
        return;
    m_pendingStatus = RealTimeStatusForm::PaperStatus;
    m_realTimeStatusForm->sendPaperStatus();
    logAction(tr("%1 获取传送纸状态"));
}

void BaseDeviceManager::setControlPulseClicked(int controlPin, int spinHighTime, int spinLowTime)
{
    if (!builderReady(m_cashBoxForm))
        return;
    const int pin = oneBasedChoice(controlPin, 2);
    m_cashBoxForm->setControlPin(pin);
    m_cashBoxForm->setControlHighTime(spinHighTime);
    m_cashBoxForm->setControlLowTime(spinLowTime);
    m_cashBoxForm->sendControlPulse();
    logAction(tr("%1 钱箱控制设置 引脚: %2 高电平时间: %3 低电平时间: %4"), pin, spinHighTime, spinLowTime);
}

void BaseDeviceManager::setOpenPulseClicked(int openPin, int spinHighLowTime)
{
    if (!builderReady(m_cashBoxForm))
        return;
    const int pin = oneBasedChoice(openPin, 2);
    m_cashBoxForm->setOpenPin(pin);
    m_cashBoxForm->setOpenTime(spinHighLowTime);
    m_cashBoxForm->sendOpenPulse();
    logAction(tr("%1 钱箱打开控制 引脚: %2 高低电平时间: %3 "), pin, spinHighLowTime);
}

void BaseDeviceManager::setInitMachineClicked()
{
    if (!builderReady(m_workingModeForm))
        return;
    m_workingModeForm->sendInitialize();
    logAction(tr("%1 工作模式初始化打印机"));
}

void BaseDeviceManager::setPrintAndLineFeedClicked(bool checkHex, const QString &editBuffer)
{
    if (!builderReady(m_workingModeForm))
        return;
    m_workingModeForm->setHexMode(checkHex);
    m_workingModeForm->setText(editBuffer);
    m_workingModeForm->sendPrintAndLineFeed();
    logAction(tr("%1 工作模式打印并换行 hex: %2 内容: %3 "), checkHex, editBuffer);
}

void BaseDeviceManager::setPrintAndPaperFeedClicked(bool checkHex, const QString &editBuffer, int spinDistance)
{
    if (!builderReady(m_workingModeForm))
        return;
    m_workingModeForm->setHexMode(checkHex);
    m_workingModeForm->setText(editBuffer);
    m_workingModeForm->setFeedDistance(spinDistance);
    m_workingModeForm->sendPrintAndFeedUnits();
    logAction(tr("%1 工作模式打印并走纸移动单位 hex: %2 内容: %3 走纸距离: %4"), checkHex, editBuffer, spinDistance);
}

void BaseDeviceManager::setPrintAndPaperFeedLineClicked(bool checkHex, const QString &editBuffer, int spinLineCount)
{
    if (!builderReady(m_workingModeForm))
        return;
    m_workingModeForm->setHexMode(checkHex);
    m_workingModeForm->setText(editBuffer);
    m_workingModeForm->setLineCount(spinLineCount);
    m_workingModeForm->sendPrintAndFeedLines();
    logAction(tr("%1 工作模式打印并走纸英寸 hex: %2 内容: %3 行数: %4"), checkHex, editBuffer, spinLineCount);
}

void BaseDeviceManager::setSetDefaultLineSpaceClicked()
{
    if (!builderReady(m_workingModeForm))
        return;
    m_workingModeForm->sendDefaultLineSpacing();
    logAction(tr("%1 工作模式设置默认行间距"));
}

void BaseDeviceManager::setSetLineSpaceClicked(int spinLineSpace)
{
    if (!builderReady(m_workingModeForm))
        return;
    m_workingModeForm->setLineSpace(spinLineSpace);
    m_workingModeForm->sendLineSpacing();
    logAction(tr("%1 工作模式设置行间距 行间距: %2  "), spinLineSpace);
}

void BaseDeviceManager::setCodePageClicked(const QString &codePageText)
{
    if (!builderReady(m_workingModeForm))
        return;
    m_workingModeForm->setCodePage(codePageText);
    logAction(tr("%1 工作模式设置输入框代码页: %2  "), codePageText);
}

void BaseDeviceManager::setLoadClickedMultiple(const QStringList &imagePaths)
{
    if (!builderReady(m_bitmapForm))
        return;
    qDebug() << "vecImagePaths:" << imagePaths;
    m_bitmapForm->setImagePaths(imagePaths);
    m_bitmapForm->loadImages();
    const QString tmpl = tr("%1 位图加载[%2/%3] 图片路径: %4  ");
    for (int i = 0; i < imagePaths.size(); ++i)
        logAction(tmpl, i + 1, int(imagePaths.size()), imagePaths.at(i));
}

void BaseDeviceManager::setPrintClicked()
{
    if (!builderReady(m_bitmapForm))
        return;
    m_bitmapForm->sendImages();
    logAction(tr("%1 设置图像"));
}

void BaseDeviceManager::setPrintLogoClicked(int modeNum, int logoNum)
{
    if (!builderReady(m_bitmapForm))
        return;
    m_bitmapForm->setLogoMode(oneBasedChoice(modeNum, 4));
    m_bitmapForm->setLogoNumber(logoNum + 1);
    m_bitmapForm->sendPrintLogo();
    logAction(tr("%1 位图设置 模式: %2 logo序号: %3 "), modeNum, logoNum + 1);
}

void BaseDeviceManager::setPrintUPCAClicked(const QString &strUPCA)
{
    if (!builderReady(m_barCodeForm))
        return;
    m_barCodeForm->setUpcA(strUPCA);
    m_barCodeForm->sendUpcA();
    logAction(tr("%1 条码upc-a打印 内容: %2  "), strUPCA);
}

void BaseDeviceManager::setPrintUPCEClicked(const QString &strUPCE)
{
    if (!builderReady(m_barCodeForm))
        return;
    m_barCodeForm->setUpcE(strUPCE);
    m_barCodeForm->sendUpcE();
    logAction(tr("%1 条码upc-e打印 内容: %2  "), strUPCE);
}

void BaseDeviceManager::setPrintJAN13Clicked(const QString &strJAN13)
{
    if (!builderReady(m_barCodeForm))
        return;
    m_barCodeForm->setJan13(strJAN13);
    m_barCodeForm->sendJan13();
    logAction(tr("%1 条码strJAN13打印 内容: %2  "), strJAN13);
}

void BaseDeviceManager::setPrintJAN8Clicked(const QString &strJAN8)
{
    if (!builderReady(m_barCodeForm))
        return;
    m_barCodeForm->setJan8(strJAN8);
    m_barCodeForm->sendJan8();
    logAction(tr("%1 条码JAN8打印 内容: %2  "), strJAN8);
}

void BaseDeviceManager::setPrintCODE39Clicked(const QString &strCODE39)
{
    if (!builderReady(m_barCodeForm))
        return;
    m_barCodeForm->setCode39(strCODE39);
    m_barCodeForm->sendCode39();
    logAction(tr("%1 条码CODE39打印 内容: %2  "), strCODE39);
}

void BaseDeviceManager::setPrintITFClicked(const QString &strITF)
{
    if (!builderReady(m_barCodeForm))
        return;
    m_barCodeForm->setItf(strITF);
    m_barCodeForm->sendItf();
    logAction(tr("%1 条码ITF打印 内容: %2  "), strITF);
}

void BaseDeviceManager::setPrintCODABARClicked(const QString &strCODABAR)
{
    if (!builderReady(m_barCodeForm))
        return;
    m_barCodeForm->setCodabar(strCODABAR);
    m_barCodeForm->sendCodabar();
    logAction(tr("%1 条码CODABAR打印 内容: %2  "), strCODABAR);
}

void BaseDeviceManager::setPrintCODE93Clicked(const QString &strCODE93)
{
    if (!builderReady(m_barCodeForm))
        return;
    m_barCodeForm->setCode93(strCODE93);
    m_barCodeForm->sendCode93();
    logAction(tr("%1 条码strCODE93打印 内容: %2  "), strCODE93);
}

void BaseDeviceManager::setPrintCODE128Clicked(const QString &strCODE128)
{
    if (!builderReady(m_barCodeForm))
        return;
    m_barCodeForm->setCode128(strCODE128);
    m_barCodeForm->sendCode128();
    logAction(tr("%1 条码CODE128打印 内容: %2  "), strCODE128);
}

void BaseDeviceManager::setHriPositionClicked(int hriPosition)
{
    if (!builderReady(m_barCodeForm))
        return;
    const int position = oneBasedChoice(hriPosition, 4);
    m_barCodeForm->setHriPosition(position);
    m_barCodeForm->sendHriPosition();
    logAction(tr("%1 条码Hri位置设置 位置: %2  "), position);
}

void BaseDeviceManager::setHriFontClicked(int hriFont)
{
    if (!builderReady(m_barCodeForm))
        return;
    const int font = oneBasedChoice(hriFont, 2);
    m_barCodeForm->setHriFont(font);
    m_barCodeForm->sendHriFont();
    logAction(tr("%1 条码HRI字体 字体: %2  "), font);
}

void BaseDeviceManager::setBarcodeSizeClicked(int numBarcodeWidth, int numBarcodeHeight)
{
    if (!builderReady(m_barCodeForm))
        return;
    m_barCodeForm->setBarcodeSize(numBarcodeWidth, numBarcodeHeight);
    m_barCodeForm->sendBarcodeSize();
    logAction(tr("%1 条码大小 宽度: %2 高度: %3 "), numBarcodeWidth, numBarcodeHeight);
}

void BaseDeviceManager::set2dBarCodeTypeClicked(const QString &twodCodeType)
{
    if (!builderReady(m_barCodeForm))
        return;
    m_barCodeForm->setTwoDimensionalType(twodCodeType);
    logAction(tr("%1 设置二维码类型: %2"), twodCodeType);
}

void BaseDeviceManager::setPrintMoreBarCodeClicked(const QString &barCodeType, const QString &strContent)
{
    if (!builderReady(m_barCodeForm))
        return;
    logAction(tr("%1 更多条码: %2 内容: %3 "), barCodeType, strContent);
}

void BaseDeviceManager::setQRCodeClicked(int magnification, int errorLevel, const QString &content)
{
    if (!builderReady(m_barCodeForm))
        return;
    m_barCodeForm->setQrCode(magnification, errorLevel, content);
    m_barCodeForm->sendTwoDimensional();
    logAction(tr("%1 打印二维码 放大倍数: %2 纠错级别: %3 内容: %4"), magnification, errorLevel, content);
}

void BaseDeviceManager::setWaitLightSwitchClicked(int m_waitSwitch)
{
    if (!builderReady(m_lampForm))
        return;
    m_lampForm->setWaitSwitch(m_waitSwitch);
    m_lampForm->sendWaitSwitch();
    logAction(tr("%1 待机灯种类 模式: %2 "), m_waitSwitch);
}

void BaseDeviceManager::setWorkClicked(int editWorkR, int editWorkG, int editWorkB)
{
    if (!builderReady(m_lampForm))
        return;
    m_lampForm->setWork(editWorkR, editWorkG, editWorkB);
    m_lampForm->sendWork();
    logAction(tr("%1 工作灯 R: %2 G: %3 B: %4"), editWorkR, editWorkG, editWorkB);
}

void BaseDeviceManager::setPaperClicked(int editPaperR, int editPaperG, int editPaperB)
{
    if (!builderReady(m_lampForm))
        return;
    m_lampForm->setPaper(editPaperR, editPaperG, editPaperB);
    m_lampForm->sendPaper();
    logAction(tr("%1 缺纸灯 R: %2 G: %3 B: %4"), editPaperR, editPaperG, editPaperB);
}

void BaseDeviceManager::setKnifeClicked(int editKnifeR, int editKnifeG, int editKnifeB)
{
    if (!builderReady(m_lampForm))
        return;
    m_lampForm->setKnife(editKnifeR, editKnifeG, editKnifeB);
    m_lampForm->sendKnife();
    logAction(tr("%1 卡刀灯 R: %2 G: %3 B: %4"), editKnifeR, editKnifeG, editKnifeB);
}

void BaseDeviceManager::setHotClicked(int editHotR, int editHotG, int editHotB)
{
    if (!builderReady(m_lampForm))
        return;
    m_lampForm->setHot(editHotR, editHotG, editHotB);
    m_lampForm->sendHot();
    logAction(tr("%1 过热灯 R: %2 G: %3 B: %4"), editHotR, editHotG, editHotB);
}

void BaseDeviceManager::setWaitClicked(int editWaitR, int editWaitG, int editWaitB)
{
    if (!builderReady(m_lampForm))
        return;
    m_lampForm->setWait(editWaitR, editWaitG, editWaitB);
    m_lampForm->sendWait();
    logAction(tr("%1 待机灯常亮 R: %2 G: %3 B: %4"), editWaitR, editWaitG, editWaitB);
}

void BaseDeviceManager::setWaitTypeClicked(int m_waitType)
{
    if (!builderReady(m_lampForm))
        return;
    m_lampForm->setWaitType(m_waitType);
    m_lampForm->sendWaitType();
    logAction(tr("%1 待机灯种类 模式: %2 "), m_waitType);
}

void BaseDeviceManager::setHanziModeClicked(bool checkHanziMode)
{
    if (!builderReady(m_hanziForm))
        return;
    m_hanziForm->setHanziMode(checkHanziMode);
    m_hanziForm->sendHanziMode();
    logAction(tr("%1 启用中文设置 选择: %2 "), checkHanziMode);
}

void BaseDeviceManager::setHanziCharClicked(bool checkWidthDouble, bool checkHeightDouble, bool checkUnderline)
{
    if (!builderReady(m_hanziForm))
        return;
    m_hanziForm->setFormat(checkWidthDouble, checkHeightDouble, checkUnderline);
    m_hanziForm->sendFormat();
    logAction(tr("%1 倍宽、倍高、下划线 倍宽: %2 倍高: %3 下划线: %4"), checkWidthDouble, checkHeightDouble, checkUnderline);
}

void BaseDeviceManager::setHanziMarginClicked(int editLeftMargin, int editRightMargin)
{
    if (!builderReady(m_hanziForm))
        return;
    m_hanziForm->setMargins(editLeftMargin, editRightMargin);
    m_hanziForm->sendMargins();
    logAction(tr("%1 设置左右间距 左间距: %2 右间距: %3 "), editLeftMargin, editRightMargin);
}

void BaseDeviceManager::setCharacterClicked(int cmbInternationalCharacter)
{
    if (!builderReady(m_otherForm))
        return;
    m_otherForm->setInternationalCharacter(cmbInternationalCharacter);
    m_otherForm->sendInternationalCharacter();
    logAction(tr("%1 国际字符集设置 选择: %2 "), cmbInternationalCharacter);
}

void BaseDeviceManager::setPrintModeClicked(int printModeCbbox)
{
    if (!builderReady(m_otherForm))
        return;
    m_otherForm->setPrintMode(printModeCbbox);
    m_otherForm->sendPrintMode();
    logAction(tr("%1 设置打印模式 选择: %2 "), printModeCbbox);
}

void BaseDeviceManager::setBuzzerSwitchClicked(int buzzerSwitchCbbox)
{
    if (!builderReady(m_otherForm))
        return;
    m_otherForm->setBuzzerSwitch(buzzerSwitchCbbox);
    m_otherForm->sendBuzzerSwitch();
    logAction(tr("%1 设置蜂鸣器开关 选择: %2 "), buzzerSwitchCbbox);
}

void BaseDeviceManager::setKnifeSwitchClicked(int knifeSwitchCbbox)
{
    if (!builderReady(m_otherForm))
        return;
    m_otherForm->setKnifeSwitch(knifeSwitchCbbox);
    m_otherForm->sendKnifeSwitch();
    logAction(tr("%1 设置切刀开关 选择: %2 "), knifeSwitchCbbox);
}

void BaseDeviceManager::setErrorBeepClicked(int errorBeepCbbox)
{
    if (!builderReady(m_otherForm))
        return;
    m_otherForm->setErrorBeep(errorBeepCbbox);
    m_otherForm->sendErrorBeep();
    logAction(tr("%1 设置错误蜂鸣类型 选择: %2 "), errorBeepCbbox);
}

void BaseDeviceManager::setAlignmentClicked(int cmbAlignment)
{
    if (!builderReady(m_otherForm))
        return;
    m_otherForm->setAlignment(cmbAlignment);
    m_otherForm->sendAlignment();
    logAction(tr("%1 对齐方式设置 选择: %2 "), cmbAlignment);
}

void BaseDeviceManager::setRotate90Clicked(int newCheckRotate90)
{
    if (!builderReady(m_otherForm))
        return;
    m_otherForm->setRotate90(newCheckRotate90 != 0);
    m_otherForm->sendRotate90();
    logAction(tr("%1 顺时针旋转90度设置 选择: %2 "), newCheckRotate90);
}

void BaseDeviceManager::setInversionClicked(int checkInversion)
{
    if (!builderReady(m_otherForm))
        return;
    m_otherForm->setInversion(checkInversion != 0);
    m_otherForm->sendInversion();
    logAction(tr("%1 倒置打印设置 选择: %2 "), checkInversion);
}

void BaseDeviceManager::setCharSizeClicked(int cmbCharWidth, int cmbCharHeight)
{
    if (!builderReady(m_otherForm))
        return;
    m_otherForm->setCharSize(cmbCharWidth, cmbCharHeight);
    m_otherForm->sendCharSize();
    logAction(tr("%1 字符设置 宽: %2 高: %3 "), cmbCharWidth, cmbCharHeight);
}

void BaseDeviceManager::onSetNegativeClicked(bool checkNegative)
{
    if (!builderReady(m_otherForm))
        return;
    m_otherForm->setNegative(checkNegative);
    m_otherForm->sendNegative();
    logAction(tr("%1 黑白反显设置 选择: %2 "), checkNegative);
}

void BaseDeviceManager::setLeftMarginClicked(int editLeftMarginL, int editLeftMarginH)
{
    if (!builderReady(m_otherForm))
        return;
    m_otherForm->setLeftMargin(editLeftMarginL, editLeftMarginH);
    m_otherForm->sendLeftMargin();
    logAction(tr("%1 边距设置 边距低: %2 边距高: %3 "), editLeftMarginL, editLeftMarginH);
}

void BaseDeviceManager::setPrintAreaClicked(int editPrintAreaL, int editPrintAreaH)
{
    if (!builderReady(m_otherForm))
        return;
    m_otherForm->setPrintArea(editPrintAreaL, editPrintAreaH);
    m_otherForm->sendPrintArea();
    logAction(tr("%1 打印区域宽度设置 宽度低: %2 宽度高: %3 "), editPrintAreaL, editPrintAreaH);
}

void BaseDeviceManager::setUnitClicked(int editUnitX, int editUnitY)
{
    if (!builderReady(m_otherForm))
        return;
    m_otherForm->setUnit(editUnitX, editUnitY);
    m_otherForm->sendUnit();
    logAction(tr("%1 设置横向和纵向移动单位 横向: %2 纵向: %3 "), editUnitX, editUnitY);
}

void BaseDeviceManager::setDensityClicked(int density)
{
    if (!builderReady(m_otherForm))
        return;
    m_otherForm->setDensity(density);
    m_otherForm->sendDensity();
    logAction(tr("%1 稠度微调设置 值: %2 "), density);
}

void BaseDeviceManager::setPaperSizeClicked(int paperSize)
{
    if (!builderReady(m_otherForm))
        return;
    m_otherForm->setPaperSize(paperSize);
    m_otherForm->sendPaperSize();
    logAction(tr("%1 纸张大小 值: %2 "), paperSizeName(paperSize));
}

void BaseDeviceManager::setPaperGapClicked(int paperGap)
{
    if (!builderReady(m_otherForm))
        return;
    m_otherForm->setPaperGap(paperGap);
    m_otherForm->sendPaperGap();
    logAction(tr("%1 纸张间隙 : %2 "), paperGapName(paperGap));
}

void BaseDeviceManager::setPrintSpeedClicked(int printSpeed)
{
    if (!builderReady(m_otherForm))
        return;
    m_otherForm->setPrintSpeed(printSpeed);
    m_otherForm->sendPrintSpeed();
    logAction(tr("%1 打印速度设置 值: %2 "), printSpeed);
}

void BaseDeviceManager::setEnablePeripheralsClicked(bool checkKnife, bool checkBuzzer, bool checkCashBox)
{
    if (!builderReady(m_otherForm))
        return;
    m_otherForm->setPeripherals(checkKnife, checkBuzzer, checkCashBox);
    m_otherForm->sendPeripherals();
    logAction(tr("%1 启用切刀蜂鸣钱箱设置 切刀: %2 蜂鸣: %3 钱箱: %4"), checkKnife, checkBuzzer, checkCashBox);
}

void BaseDeviceManager::setPrintModelClicked(const QString &printModelName)
{
    if (!builderReady(m_otherForm))
        return;
    m_otherForm->setPrintModelName(printModelName);
    m_otherForm->sendPrintModel();
    logAction(tr("%1 设置机器型号 : %2 "), printModelName);
}

void BaseDeviceManager::setUSBUpgradeModeClicked()
{
    if (!builderReady(m_otherForm))
        return;
    m_otherForm->sendUsbUpgradeMode();
    logAction(tr("%1 设置USB升级模式"));
}

void BaseDeviceManager::setRestoreFactorySettingsClicked()
{
    if (!builderReady(m_otherForm))
        return;
    m_otherForm->sendRestoreFactorySettings();
    logAction(tr("%1 恢复出厂设置"));
}

void BaseDeviceManager::setRightSpaceClicked(int spinRightSpace)
{
    if (!builderReady(m_characterForm))
        return;
    m_characterForm->setRightSpace(spinRightSpace);
    m_characterForm->sendRightSpace();
    logAction(tr("%1 设置字符右间距 英寸: %2 "), spinRightSpace);
}

void BaseDeviceManager::setCharPrintModeClicked(int cmbAsc2Font, bool checkBold, bool checkHeightDouble, bool checkWidthDouble, bool checkUnderLine)
{
    if (!builderReady(m_characterForm))
        return;
    m_characterForm->setPrintMode(cmbAsc2Font, checkBold, checkHeightDouble, checkWidthDouble, checkUnderLine);
    m_characterForm->sendPrintMode();
    logAction(tr("%1 选择打印模式 Asc2: %2 加粗: %3 倍宽: %4 倍高: %5 下划线: %6"), cmbAsc2Font, checkBold, checkHeightDouble, checkWidthDouble, checkUnderLine);
}

void BaseDeviceManager::setCheckUseCustomCharClicked(bool checked)
{
    if (!builderReady(m_characterForm))
        return;
    m_characterForm->setUseCustomChar(checked);
    m_characterForm->sendUseCustomChar();
    logAction(tr("%1 用户自定义字符 选择: %2 "), checked);
}

void BaseDeviceManager::setCustomCharPrintClicked(int hexValue)
{
    if (!builderReady(m_characterForm))
        return;
    m_characterForm->setPrintChar(hexValue);
    m_characterForm->sendPrintChar();
    logAction(tr("%1 自定义字符单个打印 选择: %2 "), hexValue);
}

void BaseDeviceManager::setCustomCharDeleteClicked(int hexValue)
{
    if (!builderReady(m_characterForm))
        return;
    m_characterForm->setDeleteChar(hexValue);
    m_characterForm->sendDeleteChar();
    logAction(tr("%1 自定义字符单个删除 字符: %2 "), hexValue);
}

void BaseDeviceManager::setClearAllCustomCharClicked(const QList<int> &hexValue)
{
    if (!builderReady(m_characterForm))
        return;
    m_characterForm->setDeleteList(hexValue);
    m_characterForm->sendDeleteList();
    logAction(tr("%1 自定义字符单个删除 字符: %2 "), joinedCodes(hexValue));
}

void BaseDeviceManager::setCustomCharClicked(const QString &charData)
{
    const QVector<CustomCharDef> definitions = CharacterCommands::parseDefinitions(charData);
    if (!builderReady(m_characterForm))
        return;
    m_characterForm->setDefinitions(definitions);
    m_characterForm->sendDefinitions();
    QList<int> codes;
    for (const CustomCharDef &def : definitions)
        codes << def.code;
    logAction(tr("%1 自定义字符设置 字符: %2 "), joinedCodes(codes));
}

void BaseDeviceManager::setNetworkClicked(const QString &editIP, const QString &editMask, const QString &editGateway, int m_dhcp, int m_beep, int m_cut, int m_beepType, int m_printMode, int m_density)
{
    if (!builderReady(m_networkForm))
        return;
    m_networkForm->sendNetwork(editIP, editMask, editGateway, m_dhcp, m_beep, m_cut, m_beepType, m_printMode, m_density);
    logAction(tr("%1 更多设置-tcp模式以太网设置 IP: %2  Mask: %3  Gateway: %4  dhcp: %5  beep: %6  cut: %7  beepType: %8  printMode: %9  density: %10 "), editIP, editMask, editGateway, m_dhcp, m_beep, m_cut, m_beepType, m_printMode, m_density);
}

void BaseDeviceManager::setTestClicked()
{
    logAction(tr("%1 更多设置 点击"));
}

void BaseDeviceManager::setSearchBluetoothAddressClicked()
{
    if (!builderReady(m_moreSettings))
        return;
    m_moreSettings->searchBluetoothAddress();
    logAction(tr("%1 查询蓝牙地址  "));
}

void BaseDeviceManager::setSearchBluetoothNameClicked()
{
    if (!builderReady(m_moreSettings))
        return;
    m_moreSettings->searchBluetoothName();
    logAction(tr("%1 查询蓝牙名称  "));
}

void BaseDeviceManager::setSearchBluetoothPinCodeClicked()
{
    if (!builderReady(m_moreSettings))
        return;
    m_moreSettings->searchBluetoothPinCode();
    logAction(tr("%1 查询蓝牙配对码  "));
}

void BaseDeviceManager::setBluetoothNameClicked(const QString &bluName)
{
    if (!builderReady(m_moreSettings))
        return;
    m_moreSettings->setBluetoothName(bluName);
    m_moreSettings->sendBluetoothName();
    logAction(tr("%1 设置蓝牙名称 : %2 "), bluName);
}

void BaseDeviceManager::setBluetoothCodeNameClicked(const QString &blucodeName)
{
    if (!builderReady(m_moreSettings))
        return;
    m_moreSettings->setBluetoothCode(blucodeName);
    m_moreSettings->sendBluetoothCode();
    logAction(tr("%1 设置蓝牙配对码 : %2 "), blucodeName);
}

void BaseDeviceManager::setSearchPrintInstructionClicked()
{
    if (!builderReady(m_moreSettings))
        return;
    m_moreSettings->searchPrintInstruction();
    logAction(tr("%1 查询打印指令集"));
}

void BaseDeviceManager::setPrintInstructionClicked(int cbPrintInstruction)
{
    if (!builderReady(m_moreSettings))
        return;
    m_moreSettings->setPrintInstruction(cbPrintInstruction);
    m_moreSettings->sendPrintInstruction();
    logAction(tr("%1 设置打印指令集 : %2 "), cbPrintInstruction);
}

void BaseDeviceManager::setSearchPaperTypeClicked()
{
    if (!builderReady(m_moreSettings))
        return;
    m_moreSettings->searchPaperType();
    logAction(tr("%1 查询纸张类型"));
}

void BaseDeviceManager::setPaperTypeClicked(int cbPaperType)
{
    if (!builderReady(m_moreSettings))
        return;
    m_moreSettings->setPaperType(cbPaperType);
    m_moreSettings->sendPaperType();
    logAction(tr("%1 设置纸张类型 : %2 "), cbPaperType);
}

void BaseDeviceManager::setSearchPrintSpeedModeClicked()
{
    if (!builderReady(m_moreSettings))
        return;
    m_moreSettings->searchPrintSpeedMode();
    logAction(tr("%1 查询打印速度模式"));
}

void BaseDeviceManager::setPrintSpeedModeClicked(int cbPrintSpeedMode)
{
    if (!builderReady(m_moreSettings))
        return;
    m_moreSettings->setPrintSpeedMode(cbPrintSpeedMode);
    m_moreSettings->sendPrintSpeedMode();
    logAction(tr("%1 设置打印速度模式 : %2 "), cbPrintSpeedMode);
}

void BaseDeviceManager::setSearchPrintDensityModeClicked()
{
    if (!builderReady(m_moreSettings))
        return;
    m_moreSettings->searchPrintDensityMode();
    logAction(tr("%1 查询打印浓度模式"));
}

void BaseDeviceManager::setPrintDensityModeClicked(int cbPrintDensityMode)
{
    if (!builderReady(m_moreSettings))
        return;
    m_moreSettings->setPrintDensityMode(cbPrintDensityMode);
    m_moreSettings->sendPrintDensityMode();
    logAction(tr("%1 设置打印浓度模式 : %2 "), cbPrintDensityMode);
}

void BaseDeviceManager::setSearchCharacterModeModeClicked()
{
    if (!builderReady(m_moreSettings))
        return;
    m_moreSettings->searchCharacterMode();
    logAction(tr("%1 查询字符集"));
}

void BaseDeviceManager::setCharacterModeClicked(int cbCharacterMode)
{
    if (!builderReady(m_moreSettings))
        return;
    m_moreSettings->setCharacterMode(cbCharacterMode);
    m_moreSettings->sendCharacterMode();
    logAction(tr("%1 设置字符集 : %2 "), cbCharacterMode);
}

void BaseDeviceManager::setBaudrateClicked(int cmbBaudrate)
{
    if (!builderReady(m_moreSettings))
        return;
    m_moreSettings->setBaudrate(cmbBaudrate);
    m_moreSettings->sendBaudrate();
    logAction(tr("%1 设置波特率 : %2 "), cmbBaudrate);
}

void BaseDeviceManager::setSearchBaudrateClicked()
{
    if (!builderReady(m_moreSettings))
        return;
    m_moreSettings->searchBaudrate();
    logAction(tr("%1 查询波特率"));
}

void BaseDeviceManager::setDataBitsClicked(int cmbDataBits)
{
    if (!builderReady(m_moreSettings))
        return;
    m_moreSettings->setDataBits(cmbDataBits);
    m_moreSettings->sendDataBits();
    logAction(tr("%1 设置数据位 : %2 "), cmbDataBits);
}

void BaseDeviceManager::setSearchDataBitsClicked()
{
    if (!builderReady(m_moreSettings))
        return;
    m_moreSettings->searchDataBits();
    logAction(tr("%1 查询数据位"));
}

void BaseDeviceManager::setParityClicked(int cmbParity)
{
    if (!builderReady(m_moreSettings))
        return;
    m_moreSettings->setParity(cmbParity);
    m_moreSettings->sendParity();
    logAction(tr("%1 设置校验位 : %2 "), cmbParity);
}

void BaseDeviceManager::setSearchParityClicked()
{
    if (!builderReady(m_moreSettings))
        return;
    m_moreSettings->searchParity();
    logAction(tr("%1 查询校验位"));
}

void BaseDeviceManager::setStopBitsClicked(int cmbStopBits)
{
    if (!builderReady(m_moreSettings))
        return;
    m_moreSettings->setStopBits(cmbStopBits);
    m_moreSettings->sendStopBits();
    logAction(tr("%1 设置停止位 : %2 "), cmbStopBits);
}

void BaseDeviceManager::setSearchStopBitsClicked()
{
    if (!builderReady(m_moreSettings))
        return;
    m_moreSettings->searchStopBits();
    logAction(tr("%1 查询停止位"));
}

void BaseDeviceManager::setTestPrintPicturesClicked()
{
    if (!builderReady(m_printTest))
        return;
    m_printTest->printPicture();
    logAction(tr("%1 测试打印图片"));
}

void BaseDeviceManager::setTestPrintBarcodeClicked()
{
    if (!builderReady(m_printTest))
        return;
    m_printTest->printBarcode();
    logAction(tr("%1 测试打印条码"));
}

void BaseDeviceManager::setTestPrintTestPageClicked()
{
    if (!builderReady(m_printTest))
        return;
    m_printTest->printTestPage();
    logAction(tr("%1 测试打印测试页"));
}

void BaseDeviceManager::setTestPrint58ReceiptsClicked()
{
    if (!builderReady(m_printTest))
        return;
    m_printTest->print58Receipt();
    logAction(tr("%1 测试打印58小票"));
}

void BaseDeviceManager::setTestPrint76ReceiptsClicked()
{
    if (!builderReady(m_printTest))
        return;
    m_printTest->print76Receipt();
    logAction(tr("%1 测试打印76小票"));
}

void BaseDeviceManager::setTestPrint80ReceiptsClicked()
{
    if (!builderReady(m_printTest))
        return;
    m_printTest->print80Receipt();
    logAction(tr("%1 测试打印80小票"));
}

void BaseDeviceManager::setTestPrintSelfCheckClicked()
{
    if (!builderReady(m_printTest))
        return;
    m_printTest->printSelfTest();
    logAction(tr("%1 测试打印自检页"));
}

void BaseDeviceManager::setTestBitMapPathClicked(const QString &bitMapPath)
{
    if (!builderReady(m_printTest))
        return;
    m_printTest->storeBitMapPath(bitMapPath);
    logAction(tr("%1 设置打印图片地址:%2 "), bitMapPath);
}

void BaseDeviceManager::setTestBarCodeTypeClicked(const QString &barCodeType)
{
    if (!builderReady(m_printTest))
        return;
    m_printTest->storeBarCodeType(barCodeType);
    logAction(tr("%1 设置打印条码类型:%2 "), barCodeType);
}

void BaseDeviceManager::setTestBarCodeValueClicked(const QString &barCodeValue)
{
    if (!builderReady(m_printTest))
        return;
    m_printTest->storeBarCodeValue(barCodeValue);
    logAction(tr("%1 设置打印条码值:%2 "), barCodeValue);
}

void BaseDeviceManager::setTestPageTextClicked(const QString &textPageText)
{
    if (!builderReady(m_printTest))
        return;
    m_printTest->storeTestPageText(textPageText);
    logAction(tr("%1 设置测试页:%2 "), textPageText);
}

void BaseDeviceManager::setTestReceipt58TextClicked(const QString &receupt58Text)
{
    if (!builderReady(m_printTest))
        return;
    m_printTest->storeReceiptText(PrintTest::Receipt58, receupt58Text);
    logAction(tr("%1 设置打印58小票值:%2 "), receupt58Text);
}

void BaseDeviceManager::setTestReceipt76TextClicked(const QString &receupt76Text)
{
    if (!builderReady(m_printTest))
        return;
    m_printTest->storeReceiptText(PrintTest::Receipt76, receupt76Text);
    logAction(tr("%1 设置打印76小票值:%2 "), receupt76Text);
}

void BaseDeviceManager::setTestReceipt80TextClicked(const QString &receupt80Text)
{
    if (!builderReady(m_printTest))
        return;
    m_printTest->storeReceiptText(PrintTest::Receipt80, receupt80Text);
    logAction(tr("%1 设置打印80小票值:%2 "), receupt80Text);
}

void BaseDeviceManager::setAsTestPrintImageClicked(const QString &imagePath)
{
    if (!builderReady(m_printTest))
        return;
    m_printTest->adoptTestImage(imagePath);
    logAction(tr("%1 设置为测试打印图片:%2 "), imagePath);
}

void BaseDeviceManager::setAsTestDefaultImageClicked()
{
    if (!builderReady(m_printTest))
        return;
    m_printTest->restoreDefaultImage();
    logAction(tr("%1 重置为默认图片"));
}

void BaseDeviceManager::setTestBarCodeTypeAndContentClicked(const QString &bcType, const QString &bcContent)
{
    if (!builderReady(m_printTest))
        return;
    m_printTest->storeBarCodeType(bcType);
    m_printTest->storeBarCodeValue(bcContent);
    logAction(tr("%1 设置测试打印条码 类型: %2 内容: %3 "), bcType, bcContent);
}

void BaseDeviceManager::setTestDefaultBarCodeTypeAndContentClicked()
{
    if (!builderReady(m_printTest))
        return;
    m_printTest->restoreDefaultBarCode();
    logAction(tr("%1 重置为默认打印条码"));
}

void BaseDeviceManager::setTestPrintContentClicked(const QString &imagePath)
{
    if (!builderReady(m_printTest))
        return;
    m_printTest->storeTestPageText(imagePath);
    logAction(tr("%1 设置测试页内容"), imagePath);
}

void BaseDeviceManager::setTestDefaultPrintContentClicked()
{
    if (!builderReady(m_printTest))
        return;
    m_printTest->restoreDefaultTestPage();
    logAction(tr("%1 重置为默认测试页内容"));
}

void BaseDeviceManager::setTestPrintReceiptClicked(const QString &strEscCommand, int receiptType)
{
    if (!builderReady(m_printTest))
        return;
    m_printTest->storeReceiptText(receiptType, strEscCommand);
    // The line elides the content ("...") and names the receipt type.
    logAction(tr("%1 设置为小票打印内容:... 类型:%2"), receiptType);
}

void BaseDeviceManager::setTestDefaultPrintReceiptClicked(int receiptType)
{
    if (!builderReady(m_printTest))
        return;
    m_printTest->restoreDefaultReceipt(receiptType);
    logAction(tr("%1 重置为默认小票打印:... 类型:%2"), receiptType);
}
