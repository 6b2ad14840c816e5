import QtQuick 2.15
import QtQuick.Layouts 1.15
import "../basic"

// Character keypad shared by the CODE39, CODABAR and CODE93 keypads: the keys,
// the character set the symbology accepts (`rule`, as helperFunction names it) and,
// optionally, a key that switches the letters between upper and lower case.
KVZDialogFrame {
    id: root

    property string currentValue: ""
    property var targetTextField: null
    property int maxLength: 255
    property var keys: []
    property string rule: "CODE39"
    property bool caseSwitch: false
    property bool isUpperCase: true
    property string errorText: ""

    signal valueConfirmed(string value)

    dialogTitle: qsTr("字符输入")
    width: 560
    height: 520

    function openFor(field) {
        targetTextField = field
        open()
    }
    onVisibleChanged: if (visible) {
        currentValue = targetTextField ? String(targetTextField.text) : ""
        errorText = ""
        isUpperCase = true
        input.forceActiveFocus()
    }

    function keyText(key) {
        return caseSwitch && !isUpperCase && /^[A-Z]$/.test(key) ? key.toLowerCase() : key
    }
    function addKey(key) {
        if (currentValue.length < maxLength)
            currentValue += (key === "SP" ? " " : keyText(key))
        errorText = ""
    }
    function confirm() {
        errorText = helperFunction.barcodeCharacterProblem(rule, currentValue)
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
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
        Text {
            text: qsTr("剩余字数: ") + (root.maxLength - root.currentValue.length)
            font.family: BasicConfig.commFont
            font.pixelSize: 14
            color: "#4A4B4E"
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
        GridLayout {
            Layout.alignment: Qt.AlignHCenter
            columns: 8
            rowSpacing: 5
            columnSpacing: 5
            Repeater {
                model: root.keys
                KVZPushButton {
                    buttonWidth: 58
                    buttonHeight: 40
                    textSize: 16
                    buttonText: root.keyText(modelData)
                    onClicked: root.addKey(modelData)
                }
            }
        }
        RowLayout {
            Layout.alignment: Qt.AlignHCenter
            spacing: 8
            KVZPushButton {
                buttonWidth: 80
                buttonText: "⌫"
                buttonColor: "#7A8BA8"
                onClicked: { root.currentValue = root.currentValue.slice(0, -1); root.errorText = "" }
            }
            KVZPushButton {
                buttonWidth: 80
                textSize: 18
                buttonText: qsTr("清除")
                buttonColor: "#7A8BA8"
                onClicked: { root.currentValue = ""; root.errorText = "" }
            }
            KVZPushButton {
                visible: root.caseSwitch
                buttonWidth: 110
                textSize: 18
                buttonText: root.isUpperCase ? qsTr("切换小写") : qsTr("切换大写")
                buttonColor: "#7A8BA8"
                onClicked: root.isUpperCase = !root.isUpperCase
            }
            KVZPushButton {
                buttonWidth: 120
                buttonText: qsTr("确定")
                onClicked: root.confirm()
            }
        }
    }
}
