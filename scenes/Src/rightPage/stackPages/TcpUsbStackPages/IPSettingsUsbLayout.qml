import QtQuick 2.15
import QtQuick.Controls 2.15
import "../../../basic"
import "../../../commonUI"

// Network settings outside TCP mode: the address command, the serial line,
// Bluetooth and the print functions. Answers of the queries arrive through
// showReply().
Flickable {
    id: layout

    property Item form: null

    contentWidth: width
    contentHeight: grid.height + 20
    clip: true
    ScrollBar.vertical: ScrollBar { width: 10 }

    // An answer to a query: the text reading fills a Bluetooth field, the
    // index reading selects a choice. Unusable indexes change nothing.
    function showReply(cmd, text, index) {
        const fields = { BluetoothName: nameRow, BluetoothPinCode: codeRow, BluetoothAddress: addressRow }
        const choices = { PrintInstruction: instructionRow, PaperType: paperRow, PrintSpeedMode: speedRow,
                          PrintDensityMode: densityRow, CharacterModeMode: charsetRow }
        if (fields[cmd]) {
            fields[cmd].text = text
        } else if (choices[cmd] && index >= 0 && index < choices[cmd].choice.count) {
            choices[cmd].currentIndex = index
        }
    }

    readonly property string modelNote: qsTr("(型号:r-vontasil 生效)")

    // Two cards a row where the page is wide enough, else one.
    Flow {
        id: grid
        width: layout.width - 20
        spacing: 12
        x: 10
        y: 10

        KVZGroupBox {
            objectName: "usbIpSettingsCard"
            width: 440
            height: 300
            title: qsTr("IP设置")
            contentBkColor: "#FFFFFF"
            Column {
                spacing: 10
                Text {
                    text: qsTr("提示：USB模式设置IP只对L7D生效")
                    font.family: BasicConfig.commFont
                    font.pixelSize: 13
                    color: "#C0392B"
                    Accessible.role: Accessible.StaticText
                    Accessible.name: text
                }
                IPAddressRow {
                    id: ipRow
                    objectName: "usbIpRow"
                    label: qsTr("IP:")
                    placeholder: qsTr("请输入IP")
                    text: layout.form ? layout.form.ipText : "192.168.1.149"
                }
                IPAddressRow {
                    id: maskRow
                    objectName: "usbMaskRow"
                    label: qsTr("子网掩码:")
                    placeholder: qsTr("请输入子网掩码")
                    text: layout.form ? layout.form.subnetMaskText : "255.255.255.0"
                }
                IPAddressRow {
                    id: gatewayRow
                    objectName: "usbGatewayRow"
                    label: qsTr("默认网关:")
                    placeholder: qsTr("请输入默认网关")
                    text: layout.form ? layout.form.gatewayText : "192.168.1.1"
                }
                KVZPushButton {
                    objectName: "usbIpSetButton"
                    buttonText: qsTr("设置")
                    buttonHeight: 36
                    textSize: 16
                    onClicked: if (layout.form)
                                   layout.form.sendUsbAddress(ipRow.address, maskRow.address, gatewayRow.address)
                }
            }
        }

        SerialSettingsCard {
            objectName: "usbSerialSettingsCard"
            width: 440
            height: 300
            indexedBaudLabels: true
        }

        KVZGroupBox {
            objectName: "bluetoothCard"
            width: 440
            height: 240
            title: qsTr("蓝牙设置") + " " + layout.modelNote
            contentBkColor: "#FFFFFF"
            Column {
                spacing: 12
                BluetoothFieldRow {
                    id: nameRow
                    objectName: "bluetoothNameRow"
                    label: qsTr("蓝牙名称:")
                    text: "KVZ-L3D"
                    onQueryClicked: deviceViewModel.communication.setSearchBluetoothNameClicked()
                    onSetClicked: if (text !== "") deviceViewModel.communication.setBluetoothNameClicked(text)
                }
                BluetoothFieldRow {
                    id: codeRow
                    objectName: "bluetoothCodeRow"
                    label: qsTr("蓝牙配对码:")
                    text: "6382"
                    field.maximumLength: 4
                    field.validator: RegularExpressionValidator { regularExpression: /^\d{0,4}$/ }
                    field.inputMethodHints: Qt.ImhDigitsOnly
                    onQueryClicked: deviceViewModel.communication.setSearchBluetoothPinCodeClicked()
                    onSetClicked: if (text !== "") deviceViewModel.communication.setBluetoothCodeNameClicked(text)
                }
                BluetoothFieldRow {
                    id: addressRow
                    objectName: "bluetoothAddressRow"
                    label: qsTr("蓝牙地址:")
                    readOnly: true
                    onQueryClicked: deviceViewModel.communication.setSearchBluetoothAddressClicked()
                }
            }
        }

        KVZGroupBox {
            objectName: "printFunctionCard"
            width: 440
            height: 290
            title: qsTr("打印功能配置") + " " + layout.modelNote
            contentBkColor: "#FFFFFF"
            Column {
                spacing: 10
                SettingChoiceRow {
                    id: instructionRow
                    objectName: "instructionRow"
                    label: qsTr("打印指令集:")
                    choiceWidth: 140
                    model: ["0:ESC/POS", "1:TSPL"]
                    onQueryClicked: deviceViewModel.communication.setSearchPrintInstructionClicked()
                    onSetClicked: deviceViewModel.communication.setPrintInstructionClicked(index)
                }
                SettingChoiceRow {
                    id: paperRow
                    objectName: "paperTypeRow"
                    label: qsTr("纸张类型:")
                    choiceWidth: 140
                    model: [qsTr("0:小票纸"), qsTr("1:间隙纸")]
                    onQueryClicked: deviceViewModel.communication.setSearchPaperTypeClicked()
                    onSetClicked: deviceViewModel.communication.setPaperTypeClicked(index)
                }
                SettingChoiceRow {
                    id: speedRow
                    objectName: "speedModeRow"
                    label: qsTr("打印速度模式:")
                    choiceWidth: 140
                    model: [qsTr("0:系统默认"), qsTr("1:较慢"), qsTr("2:正常"), qsTr("3:较快")]
                    onQueryClicked: deviceViewModel.communication.setSearchPrintSpeedModeClicked()
                    onSetClicked: deviceViewModel.communication.setPrintSpeedModeClicked(index)
                }
                SettingChoiceRow {
                    id: densityRow
                    objectName: "densityModeRow"
                    label: qsTr("打印浓度模式:")
                    choiceWidth: 140
                    model: [qsTr("0:系统默认"), qsTr("1:较淡"), qsTr("2:正常"), qsTr("3:较浓")]
                    onQueryClicked: deviceViewModel.communication.setSearchPrintDensityModeClicked()
                    onSetClicked: deviceViewModel.communication.setPrintDensityModeClicked(index)
                }
                SettingChoiceRow {
                    id: charsetRow
                    objectName: "characterSetRow"
                    label: qsTr("字符集:")
                    choiceWidth: 140
                    model: [qsTr("0:GB18030(中文)"), "1:UTF-8", "2:CODEPAGE", "3:BIG5", "4:EUC-KR", "5:Shift_JIS"]
                    onQueryClicked: deviceViewModel.communication.setSearchCharacterModeModeClicked()
                    onSetClicked: deviceViewModel.communication.setCharacterModeClicked(index)
                }
            }
        }
    }
}
