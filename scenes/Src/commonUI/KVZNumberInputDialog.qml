import QtQuick 2.15
import QtQuick.Layouts 1.15
import "../basic"

// Digit keypad for the numeric barcodes. The page sets maxLength (and evenFlag
// for ITF) and targetTextField, then calls open(); a valid value is reported
// with valueConfirmed() and the dialog closes.
KVZDialogFrame {
    id: root

    property string currentValue: ""
    property var targetTextField: null
    property int maxLength: 12
    property bool evenFlag: false
    // The last of maxLength digits is a check digit (UPC-A, EAN-13, EAN-8).
    property bool checkDigit: false
    property string errorText: ""

    signal valueConfirmed(string value)

    dialogTitle: qsTr("数字输入")
    width: 360
    height: 470

    function openFor(field) {
        targetTextField = field
        open()
    }
    onVisibleChanged: if (visible) {
        currentValue = targetTextField ? String(targetTextField.text) : ""
        errorText = ""
        input.forceActiveFocus()
    }

    function addKey(key) {
        if (currentValue.length < maxLength)
            currentValue += key
        errorText = ""
    }
    function problemText() {
        return helperFunction.barcodeDigitProblem(currentValue, maxLength, evenFlag, checkDigit)
    }
    function confirm() {
        errorText = problemText()
        if (errorText !== "")
            return
        valueConfirmed(currentValue)
        if (targetTextField)
            targetTextField.text = currentValue
        close()
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 8

        KVZTextField {
            id: input
            objectName: "keypadInput"
            Layout.fillWidth: true
            text: root.currentValue
            maximumLength: root.maxLength
            validator: RegularExpressionValidator { regularExpression: /[0-9]*/ }
            Accessible.name: root.dialogTitle
            onTextEdited: { root.currentValue = text; root.errorText = "" }
            onAccepted: root.confirm()
        }
        Rectangle {
            Layout.fillWidth: true
            height: 2
            color: root.errorText !== "" ? "red" : "transparent"
        }
        Text {
            objectName: "keypadError"
            Layout.fillWidth: true
            text: root.errorText
            color: "red"
            font.family: BasicConfig.commFont
            font.pixelSize: 14
            wrapMode: Text.Wrap
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
        Text {
            objectName: "keypadRemaining"
            text: qsTr("剩余字数: ") + (root.maxLength - root.currentValue.length)
            font.family: BasicConfig.commFont
            font.pixelSize: 14
            color: "#4A4B4E"
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
        GridLayout {
            Layout.alignment: Qt.AlignHCenter
            columns: 3
            rowSpacing: 6
            columnSpacing: 6
            Repeater {
                model: ["1", "2", "3", "4", "5", "6", "7", "8", "9", "0"]
                KVZPushButton {
                    buttonWidth: 90
                    buttonHeight: 44
                    buttonText: modelData
                    onClicked: root.addKey(modelData)
                }
            }
            KVZPushButton {
                buttonWidth: 90
                buttonHeight: 44
                buttonText: "⌫"
                buttonColor: "#7A8BA8"
                onClicked: { root.currentValue = root.currentValue.slice(0, -1); root.errorText = "" }
            }
            KVZPushButton {
                buttonWidth: 90
                buttonHeight: 44
                textSize: 18
                buttonText: qsTr("清除")
                buttonColor: "#7A8BA8"
                onClicked: { root.currentValue = ""; root.errorText = "" }
            }
        }
        KVZPushButton {
            Layout.alignment: Qt.AlignHCenter
            buttonWidth: 282
            buttonText: qsTr("确定")
            onClicked: root.confirm()
        }
    }
}
