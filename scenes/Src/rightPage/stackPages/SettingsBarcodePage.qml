import QtQuick 2.15
import "../../basic"
import "../../commonUI"

// Barcode page of the settings dialog: type and content of the test barcode.
// Content that breaks the type's rule is only marked red; it is still stored.
Item {
    id: page

    // name: the type the test print selects the barcode system by.
    readonly property var types: [
        { text: "UPC-A", name: "UPCA", example: "12345678901", rule: /^\d{11,12}$/, hint: qsTr("输入11或12位数字") },
        { text: "UPC-E", name: "UPCE", example: "123456", rule: /^\d{6,7}$/, hint: qsTr("输入6或7位数字") },
        { text: "JAN13(EAN13)", name: "JAN13", example: "123456789012", rule: /^\d{12,13}$/, hint: qsTr("输入12或13位数字") },
        { text: "JAN8(EAN8)", name: "JAN8", example: "1234567", rule: /^\d{7,8}$/, hint: qsTr("输入7或8位数字") },
        { text: "CODE39", name: "CODE39", example: "ABC123", rule: /^.{1,255}$/, hint: qsTr("输入1-255个字符") },
        { text: "ITF", name: "ITF", example: "12", rule: /^(\d\d){1,127}$/, hint: qsTr("输入1-255个数字, 个数为偶数个") },
        { text: "CODEBAR", name: "CODABAR", example: "A123", rule: /^.{1,255}$/, hint: qsTr("输入1-255个字符") },
        { text: "CODE93", name: "CODE93", example: "ABC123", rule: /^.{1,255}$/, hint: qsTr("输入1-255个字符") },
        { text: "CODE128", name: "CODE128", example: "ABC123", rule: /^.{1,255}$/, hint: qsTr("输入1-255个字符") }
    ]
    readonly property var current: types[typeBox.currentIndex >= 0 ? typeBox.currentIndex : 0]
    readonly property bool contentValid: current.rule.test(contentField.text)
    readonly property color invalidColor: "#e74c3c"

    function selectType(index) {
        typeBox.currentIndex = index
        contentField.text = types[index].example
    }

    Column {
        spacing: 14
        anchors { left: parent.left; right: parent.right; top: parent.top; topMargin: 10; leftMargin: 10 }

        Row {
            spacing: 10
            Text {
                id: typeLabel
                width: 110
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("条码类型:")
                font.family: BasicConfig.commFont
                font.pixelSize: 15
                color: "#4A4B4E"
            }
            KVZCombobox {
                id: typeBox
                objectName: "barcodeTypeBox"
                width: 180
                model: page.types.map(function(t) { return t.text })
                currentIndex: 0
                Accessible.name: typeLabel.text + " " + displayText
                onActivated: contentField.text = page.types[index].example
            }
            Text {
                objectName: "barcodeHint"
                anchors.verticalCenter: parent.verticalCenter
                text: page.current.hint
                font.family: BasicConfig.commFont
                font.pixelSize: 14
                color: "#7A7B80"
            }
        }

        Row {
            spacing: 10
            Text {
                id: contentLabel
                width: 110
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("条码内容:")
                font.family: BasicConfig.commFont
                font.pixelSize: 15
                color: "#4A4B4E"
            }
            KVZTextField {
                id: contentField
                objectName: "barcodeContentField"
                width: 360
                text: page.types[0].example
                validator: RegularExpressionValidator { regularExpression: page.current.rule }
                readonly property bool marked: text !== "" && !page.contentValid
                normalBorderColor: marked ? page.invalidColor : "#BcBaC3"
                focusBorderColor: marked ? page.invalidColor : "#2F7EFF"
                Accessible.name: contentLabel.text
            }
        }

        Row {
            spacing: 20
            KVZPushButton {
                objectName: "setBarcodeButton"
                buttonWidth: 200
                buttonHeight: 36
                textSize: 15
                buttonText: qsTr("设置为测试打印条码")
                enabled: contentField.text !== ""
                opacity: enabled ? 1 : 0.5
                onClicked: if (enabled)
                               deviceViewModel.communication.setTestBarCodeTypeAndContentClicked(page.current.name,
                                                                                                contentField.text)
            }
            KVZPushButton {
                objectName: "resetBarcodeButton"
                buttonWidth: 200
                buttonHeight: 36
                textSize: 15
                buttonText: qsTr("重置为默认条码")
                onClicked: {
                    page.selectType(0)
                    deviceViewModel.communication.setTestDefaultBarCodeTypeAndContentClicked()
                }
            }
        }
    }
}
