#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>

// The operations the scenes call on the current device manager
// (deviceViewModel.communication). Every command operation is implemented once,
// in BaseDeviceManager; the declaration order is the order of the virtual table
// and of the meta-object's methods, which scripts rely on.
class CommunicationInterface : public QObject
{
    Q_OBJECT
public:
    explicit CommunicationInterface(QObject *parent = nullptr) : QObject(parent) {}
    ~CommunicationInterface() override = default;

    Q_INVOKABLE virtual bool connectDevice(const QString &name, const QString &ip, const QString &mac, const QString &devPath);
    Q_INVOKABLE virtual void disconnectDevice();
    Q_INVOKABLE virtual void refreshDeviceList();
    Q_INVOKABLE virtual QVariantList getDeviceList();
    Q_INVOKABLE virtual void setBuzzerClicked(int spinBuzzerAlarmTimes, int spinBuzzerAlarmInterval);
    Q_INVOKABLE virtual void setBuzzerAlarmClicked(int spinBuzzerAlarmTimes, int spinBuzzerAlarmInterval, int buzzerAlarmNum);
    Q_INVOKABLE virtual void setCutClicked(int cutMode, int spinFeedDistance);
    Q_INVOKABLE virtual void setPrinterStatusClicked();
    Q_INVOKABLE virtual void setOfflineStatusClicked();
    Q_INVOKABLE virtual void setErrorStatusClicked();
    Q_INVOKABLE virtual void setPaperStatusClicked();
    Q_INVOKABLE virtual void setControlPulseClicked(int controlPin, int spinHighTime, int spinLowTime);
    Q_INVOKABLE virtual void setOpenPulseClicked(int openPin, int spinHighLowTime);
    Q_INVOKABLE virtual void setInitMachineClicked();
    Q_INVOKABLE virtual void setPrintAndLineFeedClicked(bool checkHex, const QString &editBuffer);
    Q_INVOKABLE virtual void setPrintAndPaperFeedClicked(bool checkHex, const QString &editBuffer, int spinDistance);
    Q_INVOKABLE virtual void setPrintAndPaperFeedLineClicked(bool checkHex, const QString &editBuffer, int spinLineCount);
    Q_INVOKABLE virtual void setSetDefaultLineSpaceClicked();
    Q_INVOKABLE virtual void setSetLineSpaceClicked(int spinLineSpace);
    Q_INVOKABLE virtual void setCodePageClicked(const QString &codePageText);
    Q_INVOKABLE virtual void setLoadClickedMultiple(const QStringList &imagePaths);
    Q_INVOKABLE virtual void setPrintClicked();
    Q_INVOKABLE virtual void setPrintLogoClicked(int modeNum, int logoNum);
    Q_INVOKABLE virtual void setPrintUPCAClicked(const QString &strUPCA);
    Q_INVOKABLE virtual void setPrintUPCEClicked(const QString &strUPCE);
    Q_INVOKABLE virtual void setPrintJAN13Clicked(const QString &strJAN13);
    Q_INVOKABLE virtual void setPrintJAN8Clicked(const QString &strJAN8);
    Q_INVOKABLE virtual void setPrintCODE39Clicked(const QString &strCODE39);
    Q_INVOKABLE virtual void setPrintITFClicked(const QString &strITF);
    Q_INVOKABLE virtual void setPrintCODABARClicked(const QString &strCODABAR);
    Q_INVOKABLE virtual void setPrintCODE93Clicked(const QString &strCODE93);
    Q_INVOKABLE virtual void setPrintCODE128Clicked(const QString &strCODE128);
    Q_INVOKABLE virtual void setHriPositionClicked(int hriPosition);
    Q_INVOKABLE virtual void setHriFontClicked(int hriFont);
    Q_INVOKABLE virtual void setBarcodeSizeClicked(int numBarcodeWidth, int numBarcodeHeight);
    Q_INVOKABLE virtual void set2dBarCodeTypeClicked(const QString &twodCodeType);
    Q_INVOKABLE virtual void setPrintMoreBarCodeClicked(const QString &barCodeType, const QString &strContent);
    Q_INVOKABLE virtual void setQRCodeClicked(int magnification, int errorLevel, const QString &content);
    Q_INVOKABLE virtual void setWaitLightSwitchClicked(int m_waitSwitch);
    Q_INVOKABLE virtual void setWorkClicked(int editWorkR, int editWorkG, int editWorkB);
    Q_INVOKABLE virtual void setPaperClicked(int editPaperR, int editPaperG, int editPaperB);
    Q_INVOKABLE virtual void setKnifeClicked(int editKnifeR, int editKnifeG, int editKnifeB);
    Q_INVOKABLE virtual void setHotClicked(int editHotR, int editHotG, int editHotB);
    Q_INVOKABLE virtual void setWaitClicked(int editWaitR, int editWaitG, int editWaitB);
    Q_INVOKABLE virtual void setWaitTypeClicked(int m_waitType);
    Q_INVOKABLE virtual void setHanziModeClicked(bool checkHanziMode);
    Q_INVOKABLE virtual void setHanziCharClicked(bool checkWidthDouble, bool checkHeightDouble, bool checkUnderline);
    Q_INVOKABLE virtual void setHanziMarginClicked(int editLeftMargin, int editRightMargin);
    Q_INVOKABLE virtual void setCharacterClicked(int cmbInternationalCharacter);
    Q_INVOKABLE virtual void setPrintModeClicked(int printModeCbbox);
    Q_INVOKABLE virtual void setBuzzerSwitchClicked(int buzzerSwitchCbbox);
    Q_INVOKABLE virtual void setKnifeSwitchClicked(int knifeSwitchCbbox);
    Q_INVOKABLE virtual void setErrorBeepClicked(int errorBeepCbbox);
    Q_INVOKABLE virtual void setAlignmentClicked(int cmbAlignment);
    Q_INVOKABLE virtual void setRotate90Clicked(int newCheckRotate90);
    Q_INVOKABLE virtual void setInversionClicked(int checkInversion);
    Q_INVOKABLE virtual void setCharSizeClicked(int cmbCharWidth, int cmbCharHeight);
    Q_INVOKABLE virtual void onSetNegativeClicked(bool checkNegative);
    Q_INVOKABLE virtual void setLeftMarginClicked(int editLeftMarginL, int editLeftMarginH);
    Q_INVOKABLE virtual void setPrintAreaClicked(int editPrintAreaL, int editPrintAreaH);
    Q_INVOKABLE virtual void setUnitClicked(int editUnitX, int editUnitY);
    Q_INVOKABLE virtual void setDensityClicked(int density);
    Q_INVOKABLE virtual void setPaperSizeClicked(int paperSize);
    Q_INVOKABLE virtual void setPaperGapClicked(int paperGap);
    Q_INVOKABLE virtual void setPrintSpeedClicked(int printSpeed);
    Q_INVOKABLE virtual void setEnablePeripheralsClicked(bool checkKnife, bool checkBuzzer, bool checkCashBox);
    Q_INVOKABLE virtual void setPrintModelClicked(const QString &printModelName);
    Q_INVOKABLE virtual void setUSBUpgradeModeClicked();
    Q_INVOKABLE virtual void setRestoreFactorySettingsClicked();
    Q_INVOKABLE virtual void setRightSpaceClicked(int spinRightSpace);
    Q_INVOKABLE virtual void setCharPrintModeClicked(int cmbAsc2Font, bool checkBold, bool checkHeightDouble, bool checkWidthDouble, bool checkUnderLine);
    Q_INVOKABLE virtual void setCheckUseCustomCharClicked(bool checked);
    Q_INVOKABLE virtual void setCustomCharPrintClicked(int hexValue);
    Q_INVOKABLE virtual void setCustomCharDeleteClicked(int hexValue);
    Q_INVOKABLE virtual void setClearAllCustomCharClicked(const QList<int> &hexValue);
    Q_INVOKABLE virtual void setCustomCharClicked(const QString &charData);
    Q_INVOKABLE virtual void setNetworkClicked(const QString &editIP, const QString &editMask, const QString &editGateway, int m_dhcp, int m_beep, int m_cut, int m_beepType, int m_printMode, int m_density);
    Q_INVOKABLE virtual void setTestClicked();
    Q_INVOKABLE virtual void setSearchBluetoothAddressClicked();
    Q_INVOKABLE virtual void setSearchBluetoothNameClicked();
    Q_INVOKABLE virtual void setSearchBluetoothPinCodeClicked();
    Q_INVOKABLE virtual void setBluetoothNameClicked(const QString &bluName);
    Q_INVOKABLE virtual void setBluetoothCodeNameClicked(const QString &blucodeName);
    Q_INVOKABLE virtual void setSearchPrintInstructionClicked();
    Q_INVOKABLE virtual void setPrintInstructionClicked(int cbPrintInstruction);
    Q_INVOKABLE virtual void setSearchPaperTypeClicked();
    Q_INVOKABLE virtual void setPaperTypeClicked(int cbPaperType);
    Q_INVOKABLE virtual void setSearchPrintSpeedModeClicked();
    Q_INVOKABLE virtual void setPrintSpeedModeClicked(int cbPrintSpeedMode);
    Q_INVOKABLE virtual void setSearchPrintDensityModeClicked();
    Q_INVOKABLE virtual void setPrintDensityModeClicked(int cbPrintDensityMode);
    Q_INVOKABLE virtual void setSearchCharacterModeModeClicked();
    Q_INVOKABLE virtual void setCharacterModeClicked(int cbCharacterMode);
    Q_INVOKABLE virtual void setBaudrateClicked(int cmbBaudrate);
    Q_INVOKABLE virtual void setSearchBaudrateClicked();
    Q_INVOKABLE virtual void setDataBitsClicked(int cmbDataBits);
    Q_INVOKABLE virtual void setSearchDataBitsClicked();
    Q_INVOKABLE virtual void setParityClicked(int cmbParity);
    Q_INVOKABLE virtual void setSearchParityClicked();
    Q_INVOKABLE virtual void setStopBitsClicked(int cmbStopBits);
    Q_INVOKABLE virtual void setSearchStopBitsClicked();
    Q_INVOKABLE virtual void setTestPrintPicturesClicked();
    Q_INVOKABLE virtual void setTestPrintBarcodeClicked();
    Q_INVOKABLE virtual void setTestPrintTestPageClicked();
    Q_INVOKABLE virtual void setTestPrint58ReceiptsClicked();
    Q_INVOKABLE virtual void setTestPrint76ReceiptsClicked();
    Q_INVOKABLE virtual void setTestPrint80ReceiptsClicked();
    Q_INVOKABLE virtual void setTestPrintSelfCheckClicked();
    Q_INVOKABLE virtual void setTestBitMapPathClicked(const QString &bitMapPath);
    Q_INVOKABLE virtual void setTestBarCodeTypeClicked(const QString &barCodeType);
    Q_INVOKABLE virtual void setTestBarCodeValueClicked(const QString &barCodeValue);
    Q_INVOKABLE virtual void setTestPageTextClicked(const QString &textPageText);
    Q_INVOKABLE virtual void setTestReceipt58TextClicked(const QString &receupt58Text);
    Q_INVOKABLE virtual void setTestReceipt76TextClicked(const QString &receupt76Text);
    Q_INVOKABLE virtual void setTestReceipt80TextClicked(const QString &receupt80Text);
    Q_INVOKABLE virtual void setAsTestPrintImageClicked(const QString &imagePath);
    Q_INVOKABLE virtual void setAsTestDefaultImageClicked();
    Q_INVOKABLE virtual void setTestBarCodeTypeAndContentClicked(const QString &bcType, const QString &bcContent);
    Q_INVOKABLE virtual void setTestDefaultBarCodeTypeAndContentClicked();
    Q_INVOKABLE virtual void setTestPrintContentClicked(const QString &imagePath);
    Q_INVOKABLE virtual void setTestDefaultPrintContentClicked();
    Q_INVOKABLE virtual void setTestPrintReceiptClicked(const QString &strEscCommand, int receiptType);
    Q_INVOKABLE virtual void setTestDefaultPrintReceiptClicked(int receiptType);
    Q_INVOKABLE virtual void setPrintTextAsPictureClicked(const QString &editBuffer);
    Q_INVOKABLE virtual void setTestPrintCodePagesClicked(const QList<int> &codePages);

signals:
    void sigScanOver();
    void sigScanOverTcp();
    void sigScanOverUsb();
    void deviceListUpdated();
    void connectionStatusChanged(bool connected);
    void sigConnectionFailTcp(QString errorMessage);
    void sigConnectionFailUsb(QString errorMessage);
};
