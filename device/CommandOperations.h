#pragma once

// The command API in one list: every operation the scenes call on the current
// device manager (deviceViewModel.communication), as
//     OP(result, name, (parameters))
// with the parameter names the scenes and scripts see. CommunicationInterface
// declares them from this list, gives them do-nothing bodies, and
// BaseDeviceManager overrides them all; the order here is the order of the
// virtual table and of the meta-object's methods, which `quillmark ops` shows
// and scripts rely on. A new operation is one line here and one body in
// device/pages/.
#define QM_COMMAND_OPERATIONS(OP) \
    OP(bool, connectDevice, (const QString &name, const QString &ip, const QString &mac, const QString &devPath)) \
    OP(void, disconnectDevice, ()) \
    OP(void, refreshDeviceList, ()) \
    OP(QVariantList, getDeviceList, ()) \
    OP(void, setBuzzerClicked, (int spinBuzzerAlarmTimes, int spinBuzzerAlarmInterval)) \
    OP(void, setBuzzerAlarmClicked, (int spinBuzzerAlarmTimes, int spinBuzzerAlarmInterval, int buzzerAlarmNum)) \
    OP(void, setCutClicked, (int cutMode, int spinFeedDistance)) \
    OP(void, setPrinterStatusClicked, ()) \
    OP(void, setOfflineStatusClicked, ()) \
    OP(void, setErrorStatusClicked, ()) \
    OP(void, setPaperStatusClicked, ()) \
    OP(void, setControlPulseClicked, (int controlPin, int spinHighTime, int spinLowTime)) \
    OP(void, setOpenPulseClicked, (int openPin, int spinHighLowTime)) \
    OP(void, setInitMachineClicked, ()) \
    OP(void, setPrintAndLineFeedClicked, (bool checkHex, const QString &editBuffer)) \
    OP(void, setPrintAndPaperFeedClicked, (bool checkHex, const QString &editBuffer, int spinDistance)) \
    OP(void, setPrintAndPaperFeedLineClicked, (bool checkHex, const QString &editBuffer, int spinLineCount)) \
    OP(void, setSetDefaultLineSpaceClicked, ()) \
    OP(void, setSetLineSpaceClicked, (int spinLineSpace)) \
    OP(void, setCodePageClicked, (const QString &codePageText)) \
    OP(void, setLoadClickedMultiple, (const QStringList &imagePaths)) \
    OP(void, setPrintClicked, ()) \
    OP(void, setPrintLogoClicked, (int modeNum, int logoNum)) \
    OP(void, setPrintUPCAClicked, (const QString &strUPCA)) \
    OP(void, setPrintUPCEClicked, (const QString &strUPCE)) \
    OP(void, setPrintJAN13Clicked, (const QString &strJAN13)) \
    OP(void, setPrintJAN8Clicked, (const QString &strJAN8)) \
    OP(void, setPrintCODE39Clicked, (const QString &strCODE39)) \
    OP(void, setPrintITFClicked, (const QString &strITF)) \
    OP(void, setPrintCODABARClicked, (const QString &strCODABAR)) \
    OP(void, setPrintCODE93Clicked, (const QString &strCODE93)) \
    OP(void, setPrintCODE128Clicked, (const QString &strCODE128)) \
    OP(void, setHriPositionClicked, (int hriPosition)) \
    OP(void, setHriFontClicked, (int hriFont)) \
    OP(void, setBarcodeSizeClicked, (int numBarcodeWidth, int numBarcodeHeight)) \
    OP(void, set2dBarCodeTypeClicked, (const QString &twodCodeType)) \
    OP(void, setPrintMoreBarCodeClicked, (const QString &barCodeType, const QString &strContent)) \
    OP(void, setQRCodeClicked, (int magnification, int errorLevel, const QString &content)) \
    OP(void, setWaitLightSwitchClicked, (int m_waitSwitch)) \
    OP(void, setWorkClicked, (int editWorkR, int editWorkG, int editWorkB)) \
    OP(void, setPaperClicked, (int editPaperR, int editPaperG, int editPaperB)) \
    OP(void, setKnifeClicked, (int editKnifeR, int editKnifeG, int editKnifeB)) \
    OP(void, setHotClicked, (int editHotR, int editHotG, int editHotB)) \
    OP(void, setWaitClicked, (int editWaitR, int editWaitG, int editWaitB)) \
    OP(void, setWaitTypeClicked, (int m_waitType)) \
    OP(void, setHanziModeClicked, (bool checkHanziMode)) \
    OP(void, setHanziCharClicked, (bool checkWidthDouble, bool checkHeightDouble, bool checkUnderline)) \
    OP(void, setHanziMarginClicked, (int editLeftMargin, int editRightMargin)) \
    OP(void, setCharacterClicked, (int cmbInternationalCharacter)) \
    OP(void, setPrintModeClicked, (int printModeCbbox)) \
    OP(void, setBuzzerSwitchClicked, (int buzzerSwitchCbbox)) \
    OP(void, setKnifeSwitchClicked, (int knifeSwitchCbbox)) \
    OP(void, setErrorBeepClicked, (int errorBeepCbbox)) \
    OP(void, setAlignmentClicked, (int cmbAlignment)) \
    OP(void, setRotate90Clicked, (int newCheckRotate90)) \
    OP(void, setInversionClicked, (int checkInversion)) \
    OP(void, setCharSizeClicked, (int cmbCharWidth, int cmbCharHeight)) \
    OP(void, onSetNegativeClicked, (bool checkNegative)) \
    OP(void, setLeftMarginClicked, (int editLeftMarginL, int editLeftMarginH)) \
    OP(void, setPrintAreaClicked, (int editPrintAreaL, int editPrintAreaH)) \
    OP(void, setUnitClicked, (int editUnitX, int editUnitY)) \
    OP(void, setDensityClicked, (int density)) \
    OP(void, setPaperSizeClicked, (int paperSize)) \
    OP(void, setPaperGapClicked, (int paperGap)) \
    OP(void, setPrintSpeedClicked, (int printSpeed)) \
    OP(void, setEnablePeripheralsClicked, (bool checkKnife, bool checkBuzzer, bool checkCashBox)) \
    OP(void, setPrintModelClicked, (const QString &printModelName)) \
    OP(void, setUSBUpgradeModeClicked, ()) \
    OP(void, setRestoreFactorySettingsClicked, ()) \
    OP(void, setRightSpaceClicked, (int spinRightSpace)) \
    OP(void, setCharPrintModeClicked, (int cmbAsc2Font, bool checkBold, bool checkHeightDouble, bool checkWidthDouble, bool checkUnderLine)) \
    OP(void, setCheckUseCustomCharClicked, (bool checked)) \
    OP(void, setCustomCharPrintClicked, (int hexValue)) \
    OP(void, setCustomCharDeleteClicked, (int hexValue)) \
    OP(void, setClearAllCustomCharClicked, (const QList<int> &hexValue)) \
    OP(void, setCustomCharClicked, (const QString &charData)) \
    OP(void, setNetworkClicked, (const QString &editIP, const QString &editMask, const QString &editGateway, int m_dhcp, int m_beep, int m_cut, int m_beepType, int m_printMode, int m_density)) \
    OP(void, setTestClicked, ()) \
    OP(void, setSearchBluetoothAddressClicked, ()) \
    OP(void, setSearchBluetoothNameClicked, ()) \
    OP(void, setSearchBluetoothPinCodeClicked, ()) \
    OP(void, setBluetoothNameClicked, (const QString &bluName)) \
    OP(void, setBluetoothCodeNameClicked, (const QString &blucodeName)) \
    OP(void, setSearchPrintInstructionClicked, ()) \
    OP(void, setPrintInstructionClicked, (int cbPrintInstruction)) \
    OP(void, setSearchPaperTypeClicked, ()) \
    OP(void, setPaperTypeClicked, (int cbPaperType)) \
    OP(void, setSearchPrintSpeedModeClicked, ()) \
    OP(void, setPrintSpeedModeClicked, (int cbPrintSpeedMode)) \
    OP(void, setSearchPrintDensityModeClicked, ()) \
    OP(void, setPrintDensityModeClicked, (int cbPrintDensityMode)) \
    OP(void, setSearchCharacterModeModeClicked, ()) \
    OP(void, setCharacterModeClicked, (int cbCharacterMode)) \
    OP(void, setBaudrateClicked, (int cmbBaudrate)) \
    OP(void, setSearchBaudrateClicked, ()) \
    OP(void, setDataBitsClicked, (int cmbDataBits)) \
    OP(void, setSearchDataBitsClicked, ()) \
    OP(void, setParityClicked, (int cmbParity)) \
    OP(void, setSearchParityClicked, ()) \
    OP(void, setStopBitsClicked, (int cmbStopBits)) \
    OP(void, setSearchStopBitsClicked, ()) \
    OP(void, setTestPrintPicturesClicked, ()) \
    OP(void, setTestPrintBarcodeClicked, ()) \
    OP(void, setTestPrintTestPageClicked, ()) \
    OP(void, setTestPrint58ReceiptsClicked, ()) \
    OP(void, setTestPrint76ReceiptsClicked, ()) \
    OP(void, setTestPrint80ReceiptsClicked, ()) \
    OP(void, setTestPrintSelfCheckClicked, ()) \
    OP(void, setTestBitMapPathClicked, (const QString &bitMapPath)) \
    OP(void, setTestBarCodeTypeClicked, (const QString &barCodeType)) \
    OP(void, setTestBarCodeValueClicked, (const QString &barCodeValue)) \
    OP(void, setTestPageTextClicked, (const QString &textPageText)) \
    OP(void, setTestReceipt58TextClicked, (const QString &receupt58Text)) \
    OP(void, setTestReceipt76TextClicked, (const QString &receupt76Text)) \
    OP(void, setTestReceipt80TextClicked, (const QString &receupt80Text)) \
    OP(void, setAsTestPrintImageClicked, (const QString &imagePath)) \
    OP(void, setAsTestDefaultImageClicked, ()) \
    OP(void, setTestBarCodeTypeAndContentClicked, (const QString &bcType, const QString &bcContent)) \
    OP(void, setTestDefaultBarCodeTypeAndContentClicked, ()) \
    OP(void, setTestPrintContentClicked, (const QString &imagePath)) \
    OP(void, setTestDefaultPrintContentClicked, ()) \
    OP(void, setTestPrintReceiptClicked, (const QString &strEscCommand, int receiptType)) \
    OP(void, setTestDefaultPrintReceiptClicked, (int receiptType)) \
    OP(void, setPrintTextAsPictureClicked, (const QString &editBuffer)) \
    OP(void, setTestPrintCodePagesClicked, (const QList<int> &codePages))
