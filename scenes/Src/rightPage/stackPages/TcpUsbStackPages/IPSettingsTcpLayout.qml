import QtQuick 2.15
import "../../../basic"
import "../../../commonUI"

// Network settings in TCP mode: the address card, whose "设置" posts the
// settings to the printer's web server, and the serial-line card.
Row {
    id: layout

    property Item form: null

    spacing: 16

    KVZGroupBox {
        objectName: "ipSettingsCard"
        width: 400
        height: 480
        title: qsTr("IP设置")
        contentBkColor: "#FFFFFF"

        Column {
            spacing: 12
            IPAddressRow {
                id: ipRow
                objectName: "ipRow"
                label: qsTr("IP:")
                placeholder: qsTr("请输入IP")
                labelWidth: layout.form ? layout.form.labelWidthLeft : 90
                text: layout.form ? layout.form.ipText : "192.168.1.149"
            }
            IPAddressRow {
                id: maskRow
                objectName: "maskRow"
                label: qsTr("子网掩码:")
                placeholder: qsTr("请输入子网掩码")
                labelWidth: layout.form ? layout.form.labelWidthLeft : 90
                text: layout.form ? layout.form.subnetMaskText : "255.255.255.0"
            }
            IPAddressRow {
                id: gatewayRow
                objectName: "gatewayRow"
                label: qsTr("默认网关:")
                placeholder: qsTr("请输入默认网关")
                labelWidth: layout.form ? layout.form.labelWidthLeft : 90
                text: layout.form ? layout.form.gatewayText : "192.168.1.1"
            }
            SwitchOptionRow {
                id: dhcpRow
                objectName: "dhcpRow"
                label: "DHCP:"
                labelWidth: layout.form ? layout.form.labelWidthRight : 90
                firstChecked: false
            }
            SwitchOptionRow {
                id: beepRow
                objectName: "beepRow"
                label: "Beep:"
                labelWidth: layout.form ? layout.form.labelWidthRight : 90
            }
            SwitchOptionRow {
                id: cutRow
                objectName: "cutRow"
                label: "Cut:"
                labelWidth: layout.form ? layout.form.labelWidthRight : 90
            }
            SwitchOptionRow {
                id: beepTypeRow
                objectName: "beepTypeRow"
                label: "Beep type:"
                labelWidth: layout.form ? layout.form.labelWidthRight : 90
                firstText: "6 times"
                secondText: "Hold"
                firstChecked: false
            }
            SwitchOptionRow {
                id: printModeRow
                objectName: "printModeRow"
                label: "Print mode:"
                labelWidth: layout.form ? layout.form.labelWidthRight : 90
                firstText: "Chinese"
                secondText: "Ascii"
            }
            Row {
                spacing: 8
                Text {
                    id: densityLabel
                    width: layout.form ? layout.form.labelWidthRight : 90
                    anchors.verticalCenter: parent.verticalCenter
                    text: "Density:"
                    font.family: BasicConfig.commFont
                    font.pixelSize: 15
                    color: "#4A4B4E"
                }
                KVZCombobox {
                    id: densityBox
                    objectName: "densityBox"
                    width: 120
                    height: 34
                    model: ["1", "2", "3", "4"]
                    currentIndex: 1
                    Accessible.name: densityLabel.text + " " + displayText
                }
            }
            KVZPushButton {
                objectName: "tcpIpSetButton"
                buttonText: qsTr("设置")
                buttonHeight: 36
                textSize: 16
                onClicked: {
                    if (layout.form)
                        layout.form.sendTcpSettings(ipRow.address, maskRow.address, gatewayRow.address,
                                                    dhcpRow.firstChecked ? 1 : 0, beepRow.firstChecked ? 1 : 0,
                                                    cutRow.firstChecked ? 1 : 0, beepTypeRow.firstChecked ? 1 : 0,
                                                    printModeRow.firstChecked ? 1 : 0, densityBox.currentIndex + 1)
                }
            }
        }
    }

    SerialSettingsCard {
        objectName: "serialSettingsCard"
        width: 390
        height: 480
    }
}
