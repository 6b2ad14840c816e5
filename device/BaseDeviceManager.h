#pragma once

#include "commands/CommType.h"
#include "device/ActionLog.h"
#include "device/CommunicationInterface.h"
#include "platform/DevInfo.h"

#include <QByteArray>
#include <QPointer>

class QIODevice;
class BuzzerAlarmForm;
class CuttingForm;
class RealTimeStatusForm;
class CashBoxForm;
class WorkingModeForm;
class CharacterForm;
class BitmapForm;
class BarCodeForm;
class LampForm;
class HanziForm;
class OtherForm;
class NetworkForm;
class MoreSettings;
class PrintTest;
class ReplyMatcher;

// The common base of the four transports: implements the whole command API by
// handing values to the command builders (the operations of each page are in
// device/pages/), owns the builders, routes their output to the transport and
// turns TCP status replies into sigTcpResponse.
class BaseDeviceManager : public CommunicationInterface
{
    Q_OBJECT
public:
    // How long a real-time status request over a stream waits for its answer.
    static constexpr int StatusReplyTimeoutMs = 3000;

    explicit BaseDeviceManager(QObject *parent = nullptr);
    ~BaseDeviceManager() override;

    bool connectDevice(const QString &name, const QString &ip, const QString &mac, const QString &devPath) override;
    void disconnectDevice() override;
    void refreshDeviceList() override;
    QVariantList getDeviceList() override;
    void setBuzzerClicked(int spinBuzzerAlarmTimes, int spinBuzzerAlarmInterval) override;
    void setBuzzerAlarmClicked(int spinBuzzerAlarmTimes, int spinBuzzerAlarmInterval, int buzzerAlarmNum) override;
    void setCutClicked(int cutMode, int spinFeedDistance) override;
    void setPrinterStatusClicked() override;
    void setOfflineStatusClicked() override;
    void setErrorStatusClicked() override;
    void setPaperStatusClicked() override;
    void setControlPulseClicked(int controlPin, int spinHighTime, int spinLowTime) override;
    void setOpenPulseClicked(int openPin, int spinHighLowTime) override;
    void setInitMachineClicked() override;
    void setPrintAndLineFeedClicked(bool checkHex, const QString &editBuffer) override;
    void setPrintAndPaperFeedClicked(bool checkHex, const QString &editBuffer, int spinDistance) override;
    void setPrintAndPaperFeedLineClicked(bool checkHex, const QString &editBuffer, int spinLineCount) override;
    void setSetDefaultLineSpaceClicked() override;
    void setSetLineSpaceClicked(int spinLineSpace) override;
    void setCodePageClicked(const QString &codePageText) override;
    void setLoadClickedMultiple(const QStringList &imagePaths) override;
    void setPrintClicked() override;
    void setPrintLogoClicked(int modeNum, int logoNum) override;
    void setPrintUPCAClicked(const QString &strUPCA) override;
    void setPrintUPCEClicked(const QString &strUPCE) override;
    void setPrintJAN13Clicked(const QString &strJAN13) override;
    void setPrintJAN8Clicked(const QString &strJAN8) override;
    void setPrintCODE39Clicked(const QString &strCODE39) override;
    void setPrintITFClicked(const QString &strITF) override;
    void setPrintCODABARClicked(const QString &strCODABAR) override;
    void setPrintCODE93Clicked(const QString &strCODE93) override;
    void setPrintCODE128Clicked(const QString &strCODE128) override;
    void setHriPositionClicked(int hriPosition) override;
    void setHriFontClicked(int hriFont) override;
    void setBarcodeSizeClicked(int numBarcodeWidth, int numBarcodeHeight) override;
    void set2dBarCodeTypeClicked(const QString &twodCodeType) override;
    void setPrintMoreBarCodeClicked(const QString &barCodeType, const QString &strContent) override;
    void setQRCodeClicked(int magnification, int errorLevel, const QString &content) override;
    void setWaitLightSwitchClicked(int m_waitSwitch) override;
    void setWorkClicked(int editWorkR, int editWorkG, int editWorkB) override;
    void setPaperClicked(int editPaperR, int editPaperG, int editPaperB) override;
    void setKnifeClicked(int editKnifeR, int editKnifeG, int editKnifeB) override;
    void setHotClicked(int editHotR, int editHotG, int editHotB) override;
    void setWaitClicked(int editWaitR, int editWaitG, int editWaitB) override;
    void setWaitTypeClicked(int m_waitType) override;
    void setHanziModeClicked(bool checkHanziMode) override;
    void setHanziCharClicked(bool checkWidthDouble, bool checkHeightDouble, bool checkUnderline) override;
    void setHanziMarginClicked(int editLeftMargin, int editRightMargin) override;
    void setCharacterClicked(int cmbInternationalCharacter) override;
    void setPrintModeClicked(int printModeCbbox) override;
    void setBuzzerSwitchClicked(int buzzerSwitchCbbox) override;
    void setKnifeSwitchClicked(int knifeSwitchCbbox) override;
    void setErrorBeepClicked(int errorBeepCbbox) override;
    void setAlignmentClicked(int cmbAlignment) override;
    void setRotate90Clicked(int newCheckRotate90) override;
    void setInversionClicked(int checkInversion) override;
    void setCharSizeClicked(int cmbCharWidth, int cmbCharHeight) override;
    void onSetNegativeClicked(bool checkNegative) override;
    void setLeftMarginClicked(int editLeftMarginL, int editLeftMarginH) override;
    void setPrintAreaClicked(int editPrintAreaL, int editPrintAreaH) override;
    void setUnitClicked(int editUnitX, int editUnitY) override;
    void setDensityClicked(int density) override;
    void setPaperSizeClicked(int paperSize) override;
    void setPaperGapClicked(int paperGap) override;
    void setPrintSpeedClicked(int printSpeed) override;
    void setEnablePeripheralsClicked(bool checkKnife, bool checkBuzzer, bool checkCashBox) override;
    void setPrintModelClicked(const QString &printModelName) override;
    void setUSBUpgradeModeClicked() override;
    void setRestoreFactorySettingsClicked() override;
    void setRightSpaceClicked(int spinRightSpace) override;
    void setCharPrintModeClicked(int cmbAsc2Font, bool checkBold, bool checkHeightDouble, bool checkWidthDouble, bool checkUnderLine) override;
    void setCheckUseCustomCharClicked(bool checked) override;
    void setCustomCharPrintClicked(int hexValue) override;
    void setCustomCharDeleteClicked(int hexValue) override;
    void setClearAllCustomCharClicked(const QList<int> &hexValue) override;
    void setCustomCharClicked(const QString &charData) override;
    void setNetworkClicked(const QString &editIP, const QString &editMask, const QString &editGateway, int m_dhcp, int m_beep, int m_cut, int m_beepType, int m_printMode, int m_density) override;
    void setTestClicked() override;
    void setSearchBluetoothAddressClicked() override;
    void setSearchBluetoothNameClicked() override;
    void setSearchBluetoothPinCodeClicked() override;
    void setBluetoothNameClicked(const QString &bluName) override;
    void setBluetoothCodeNameClicked(const QString &blucodeName) override;
    void setSearchPrintInstructionClicked() override;
    void setPrintInstructionClicked(int cbPrintInstruction) override;
    void setSearchPaperTypeClicked() override;
    void setPaperTypeClicked(int cbPaperType) override;
    void setSearchPrintSpeedModeClicked() override;
    void setPrintSpeedModeClicked(int cbPrintSpeedMode) override;
    void setSearchPrintDensityModeClicked() override;
    void setPrintDensityModeClicked(int cbPrintDensityMode) override;
    void setSearchCharacterModeModeClicked() override;
    void setCharacterModeClicked(int cbCharacterMode) override;
    void setBaudrateClicked(int cmbBaudrate) override;
    void setSearchBaudrateClicked() override;
    void setDataBitsClicked(int cmbDataBits) override;
    void setSearchDataBitsClicked() override;
    void setParityClicked(int cmbParity) override;
    void setSearchParityClicked() override;
    void setStopBitsClicked(int cmbStopBits) override;
    void setSearchStopBitsClicked() override;
    void setTestPrintPicturesClicked() override;
    void setTestPrintBarcodeClicked() override;
    void setTestPrintTestPageClicked() override;
    void setTestPrint58ReceiptsClicked() override;
    void setTestPrint76ReceiptsClicked() override;
    void setTestPrint80ReceiptsClicked() override;
    void setTestPrintSelfCheckClicked() override;
    void setTestBitMapPathClicked(const QString &bitMapPath) override;
    void setTestBarCodeTypeClicked(const QString &barCodeType) override;
    void setTestBarCodeValueClicked(const QString &barCodeValue) override;
    void setTestPageTextClicked(const QString &textPageText) override;
    void setTestReceipt58TextClicked(const QString &receupt58Text) override;
    void setTestReceipt76TextClicked(const QString &receupt76Text) override;
    void setTestReceipt80TextClicked(const QString &receupt80Text) override;
    void setAsTestPrintImageClicked(const QString &imagePath) override;
    void setAsTestDefaultImageClicked() override;
    void setTestBarCodeTypeAndContentClicked(const QString &bcType, const QString &bcContent) override;
    void setTestDefaultBarCodeTypeAndContentClicked() override;
    void setTestPrintContentClicked(const QString &imagePath) override;
    void setTestDefaultPrintContentClicked() override;
    void setTestPrintReceiptClicked(const QString &strEscCommand, int receiptType) override;
    void setTestDefaultPrintReceiptClicked(int receiptType) override;
    void setPrintTextAsPictureClicked(const QString &editBuffer) override;
    void setTestPrintCodePagesClicked(const QList<int> &codePages) override;

    // The seven operations each transport supplies.
    virtual bool openDevice(const QString &name, const QString &ip, const QString &mac, const QString &devPath) = 0;
    virtual void closeDevice() = 0;
    virtual bool writeRaw(const QByteArray &data) = 0;
    virtual void refreshDevices() = 0;
    virtual QVariantList deviceList() = 0;
    virtual QString modeName() const = 0;

    // The real-time status still waiting for its answer (RealTimeStatusForm's
    // numbers; 4 for none).
    int pendingStatusQuery() const;
    DevInfo connectedDevice() const { return m_connectedDevice; }
    bool hasBuilders() const { return m_buzzerAlarmForm != nullptr; }

    // Device-list entries that carry only a name: "name" plus empty "ip",
    // "mac" and "devPath" (serial ports and printer queues).
    static QVariantList nameOnlyDeviceList(const QStringList &names);

    // Lower-case hexadecimal pairs separated by single blanks: 12 00 ff.
    static QString toHexText(const QByteArray &bytes);

public slots:
    virtual void onBuilderData(CommType type, const QByteArray &data) = 0;

signals:
    void sigTcpResponse(QString cmd, QString payload);
    // An input was refused before anything was sent (a text longer than its
    // command carries); message is ready to show the user.
    void sigInputRefused(QString message);
    // An accepted operation failed on its way to the printer (bytes not
    // handed over, no answer in time); message is the text of the error line
    // written to the log at the same time.
    void sigOperationFailed(QString message);

protected:
    // Run by a transport after every successful open: replaces the builders by
    // fresh ones carrying this manager's type and wires their output.
    void setupBuilders(CommType type, QIODevice *stream, const DevInfo &device);
    void setConnectedDevice(const DevInfo &device) { m_connectedDevice = device; }
    // The network form for the printer's web server; only TCP posts it.
    virtual void postNetworkForm(const QString &url, const QString &body);

    // One information line: the template translated in this class's context,
    // %1 the mode name, %2... the arguments (integers in decimal, flags as 0/1).
    template <typename... Args>
    void logAction(const QString &tmpl, const Args &...args)
    {
        writeActionLog(tmpl, QStringList{modeName(), ActionLog::text(args)...});
    }
    static void writeActionLog(const QString &tmpl, const QStringList &args);
    // Logs the refusal at error level and emits sigInputRefused; tmpl has %1
    // the mode name, %2 the text's size in bytes, %3 the most it may have.
    void refuseText(const QString &tmpl, int bytes);
    // The same for a message that is complete.
    void refuse(const QString &message);
    // Writes message to the log at error level and emits sigOperationFailed.
    void reportFailure(const QString &message);
    // True when the builder exists; otherwise writes the "not connected" line.
    bool builderReady(const void *builder) const;

    BuzzerAlarmForm *m_buzzerAlarmForm = nullptr;
    CuttingForm *m_cuttingForm = nullptr;
    RealTimeStatusForm *m_realTimeStatusForm = nullptr;
    CashBoxForm *m_cashBoxForm = nullptr;
    WorkingModeForm *m_workingModeForm = nullptr;
    CharacterForm *m_characterForm = nullptr;
    BitmapForm *m_bitmapForm = nullptr;
    BarCodeForm *m_barCodeForm = nullptr;
    LampForm *m_lampForm = nullptr;
    HanziForm *m_hanziForm = nullptr;
    OtherForm *m_otherForm = nullptr;
    NetworkForm *m_networkForm = nullptr;
    MoreSettings *m_moreSettings = nullptr;
    PrintTest *m_printTest = nullptr;

    QPointer<QIODevice> m_streamDevice;
    DevInfo m_connectedDevice;
    ReplyMatcher *m_statusReplies = nullptr;

private slots:
    void slotReadyRead();

private:
    void deleteBuilders();
    void expectStatus(int status);
};
