#include "device/CommunicationInterface.h"

// Every operation is overridden by BaseDeviceManager; these bodies only keep
// a bare interface usable (a call does nothing).

bool CommunicationInterface::connectDevice(const QString &, const QString &, const QString &, const QString &) { return false; }
void CommunicationInterface::disconnectDevice() {}
void CommunicationInterface::refreshDeviceList() {}
QVariantList CommunicationInterface::getDeviceList() { return {}; }
void CommunicationInterface::setBuzzerClicked(int, int) {}
void CommunicationInterface::setBuzzerAlarmClicked(int, int, int) {}
void CommunicationInterface::setCutClicked(int, int) {}
void CommunicationInterface::setPrinterStatusClicked() {}
void CommunicationInterface::setOfflineStatusClicked() {}
void CommunicationInterface::setErrorStatusClicked() {}
void CommunicationInterface::setPaperStatusClicked() {}
void CommunicationInterface::setControlPulseClicked(int, int, int) {}
void CommunicationInterface::setOpenPulseClicked(int, int) {}
void CommunicationInterface::setInitMachineClicked() {}
void CommunicationInterface::setPrintAndLineFeedClicked(bool, const QString &) {}
void CommunicationInterface::setPrintAndPaperFeedClicked(bool, const QString &, int) {}
void CommunicationInterface::setPrintAndPaperFeedLineClicked(bool, const QString &, int) {}
void CommunicationInterface::setSetDefaultLineSpaceClicked() {}
void CommunicationInterface::setSetLineSpaceClicked(int) {}
void CommunicationInterface::setCodePageClicked(const QString &) {}
void CommunicationInterface::setLoadClickedMultiple(const QStringList &) {}
void CommunicationInterface::setPrintClicked() {}
void CommunicationInterface::setPrintLogoClicked(int, int) {}
void CommunicationInterface::setPrintUPCAClicked(const QString &) {}
void CommunicationInterface::setPrintUPCEClicked(const QString &) {}
void CommunicationInterface::setPrintJAN13Clicked(const QString &) {}
void CommunicationInterface::setPrintJAN8Clicked(const QString &) {}
void CommunicationInterface::setPrintCODE39Clicked(const QString &) {}
void CommunicationInterface::setPrintITFClicked(const QString &) {}
void CommunicationInterface::setPrintCODABARClicked(const QString &) {}
void CommunicationInterface::setPrintCODE93Clicked(const QString &) {}
void CommunicationInterface::setPrintCODE128Clicked(const QString &) {}
void CommunicationInterface::setHriPositionClicked(int) {}
void CommunicationInterface::setHriFontClicked(int) {}
void CommunicationInterface::setBarcodeSizeClicked(int, int) {}
void CommunicationInterface::set2dBarCodeTypeClicked(const QString &) {}
void CommunicationInterface::setPrintMoreBarCodeClicked(const QString &, const QString &) {}
void CommunicationInterface::setQRCodeClicked(int, int, const QString &) {}
void CommunicationInterface::setWaitLightSwitchClicked(int) {}
void CommunicationInterface::setWorkClicked(int, int, int) {}
void CommunicationInterface::setPaperClicked(int, int, int) {}
void CommunicationInterface::setKnifeClicked(int, int, int) {}
void CommunicationInterface::setHotClicked(int, int, int) {}
void CommunicationInterface::setWaitClicked(int, int, int) {}
void CommunicationInterface::setWaitTypeClicked(int) {}
void CommunicationInterface::setHanziModeClicked(bool) {}
void CommunicationInterface::setHanziCharClicked(bool, bool, bool) {}
void CommunicationInterface::setHanziMarginClicked(int, int) {}
void CommunicationInterface::setCharacterClicked(int) {}
void CommunicationInterface::setPrintModeClicked(int) {}
void CommunicationInterface::setBuzzerSwitchClicked(int) {}
void CommunicationInterface::setKnifeSwitchClicked(int) {}
void CommunicationInterface::setErrorBeepClicked(int) {}
void CommunicationInterface::setAlignmentClicked(int) {}
void CommunicationInterface::setRotate90Clicked(int) {}
void CommunicationInterface::setInversionClicked(int) {}
void CommunicationInterface::setCharSizeClicked(int, int) {}
void CommunicationInterface::onSetNegativeClicked(bool) {}
void CommunicationInterface::setLeftMarginClicked(int, int) {}
void CommunicationInterface::setPrintAreaClicked(int, int) {}
void CommunicationInterface::setUnitClicked(int, int) {}
void CommunicationInterface::setDensityClicked(int) {}
void CommunicationInterface::setPaperSizeClicked(int) {}
void CommunicationInterface::setPaperGapClicked(int) {}
void CommunicationInterface::setPrintSpeedClicked(int) {}
void CommunicationInterface::setEnablePeripheralsClicked(bool, bool, bool) {}
void CommunicationInterface::setPrintModelClicked(const QString &) {}
void CommunicationInterface::setUSBUpgradeModeClicked() {}
void CommunicationInterface::setRestoreFactorySettingsClicked() {}
void CommunicationInterface::setRightSpaceClicked(int) {}
void CommunicationInterface::setCharPrintModeClicked(int, bool, bool, bool, bool) {}
void CommunicationInterface::setCheckUseCustomCharClicked(bool) {}
void CommunicationInterface::setCustomCharPrintClicked(int) {}
void CommunicationInterface::setCustomCharDeleteClicked(int) {}
void CommunicationInterface::setClearAllCustomCharClicked(const QList<int> &) {}
void CommunicationInterface::setCustomCharClicked(const QString &) {}
void CommunicationInterface::setNetworkClicked(const QString &, const QString &, const QString &, int, int, int, int, int, int) {}
void CommunicationInterface::setTestClicked() {}
void CommunicationInterface::setSearchBluetoothAddressClicked() {}
void CommunicationInterface::setSearchBluetoothNameClicked() {}
void CommunicationInterface::setSearchBluetoothPinCodeClicked() {}
void CommunicationInterface::setBluetoothNameClicked(const QString &) {}
void CommunicationInterface::setBluetoothCodeNameClicked(const QString &) {}
void CommunicationInterface::setSearchPrintInstructionClicked() {}
void CommunicationInterface::setPrintInstructionClicked(int) {}
void CommunicationInterface::setSearchPaperTypeClicked() {}
void CommunicationInterface::setPaperTypeClicked(int) {}
void CommunicationInterface::setSearchPrintSpeedModeClicked() {}
void CommunicationInterface::setPrintSpeedModeClicked(int) {}
void CommunicationInterface::setSearchPrintDensityModeClicked() {}
void CommunicationInterface::setPrintDensityModeClicked(int) {}
void CommunicationInterface::setSearchCharacterModeModeClicked() {}
void CommunicationInterface::setCharacterModeClicked(int) {}
void CommunicationInterface::setBaudrateClicked(int) {}
void CommunicationInterface::setSearchBaudrateClicked() {}
void CommunicationInterface::setDataBitsClicked(int) {}
void CommunicationInterface::setSearchDataBitsClicked() {}
void CommunicationInterface::setParityClicked(int) {}
void CommunicationInterface::setSearchParityClicked() {}
void CommunicationInterface::setStopBitsClicked(int) {}
void CommunicationInterface::setSearchStopBitsClicked() {}
void CommunicationInterface::setTestPrintPicturesClicked() {}
void CommunicationInterface::setTestPrintBarcodeClicked() {}
void CommunicationInterface::setTestPrintTestPageClicked() {}
void CommunicationInterface::setTestPrint58ReceiptsClicked() {}
void CommunicationInterface::setTestPrint76ReceiptsClicked() {}
void CommunicationInterface::setTestPrint80ReceiptsClicked() {}
void CommunicationInterface::setTestPrintSelfCheckClicked() {}
void CommunicationInterface::setTestBitMapPathClicked(const QString &) {}
void CommunicationInterface::setTestBarCodeTypeClicked(const QString &) {}
void CommunicationInterface::setTestBarCodeValueClicked(const QString &) {}
void CommunicationInterface::setTestPageTextClicked(const QString &) {}
void CommunicationInterface::setTestReceipt58TextClicked(const QString &) {}
void CommunicationInterface::setTestReceipt76TextClicked(const QString &) {}
void CommunicationInterface::setTestReceipt80TextClicked(const QString &) {}
void CommunicationInterface::setAsTestPrintImageClicked(const QString &) {}
void CommunicationInterface::setAsTestDefaultImageClicked() {}
void CommunicationInterface::setTestBarCodeTypeAndContentClicked(const QString &, const QString &) {}
void CommunicationInterface::setTestDefaultBarCodeTypeAndContentClicked() {}
void CommunicationInterface::setTestPrintContentClicked(const QString &) {}
void CommunicationInterface::setTestDefaultPrintContentClicked() {}
void CommunicationInterface::setTestPrintReceiptClicked(const QString &, int) {}
void CommunicationInterface::setTestDefaultPrintReceiptClicked(int) {}
void CommunicationInterface::setPrintTextAsPictureClicked(const QString &) {}
void CommunicationInterface::setTestPrintCodePagesClicked(const QList<int> &) {}
