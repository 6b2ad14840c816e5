import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../basic"

// CODE128 input: typed in manual mode (code set B), or put together from the
// keys of the code sets A, B and C. Besides the text it builds the list of
// values the printer's CODE128 command carries (code-set switches 123 65/66/67
// included), joined with ", " in decimalValuesString.
KVZDialogFrame {
    id: root

    property bool manualInputEnabled: true
    property int currentMode: 1
    property string currentValue: ""
    property var decimalValues: []
    property string decimalValuesString: ""
    property var pendingTexts: ["", "", ""]
    property var pendingValues: [[], [], []]
    property int lastUploadedMode: -1
    property int maxLength: 255
    property var targetTextField: null

    signal valueConfirmed(string value)

    readonly property var controlNames: ["NUL", "SOH", "STX", "ETX", "EOT", "ENQ", "ACK", "BEL", "BS", "HT",
        "LF", "VT", "FF", "CR", "SO", "SI", "DLE", "DC1", "DC2", "DC3", "DC4", "NAK", "SYN", "ETB", "CAN",
        "EM", "SUB", "ESC", "FS", "GS", "RS", "US"]

    dialogTitle: "CODE128"
    width: 760
    height: 600

    function openFor(field) {
        targetTextField = field
        open()
    }
    onVisibleChanged: if (visible) clearAll()
    onDismissed: {
        if (targetTextField)
            targetTextField.text = ""
        valueConfirmed("")
    }

    // Keys of a set: {label, text, value}.
    function keysOf(mode) {
        var keys = []
        var i
        if (mode === 0) {
            for (i = 0; i < 96; ++i)
                keys.push({ label: i < 32 ? controlNames[i] : (i === 32 ? "SP" : String.fromCharCode(i)),
                            text: String.fromCharCode(i), value: i })
        } else if (mode === 1) {
            for (i = 32; i < 128; ++i)
                keys.push({ label: i === 32 ? "SP" : (i === 127 ? "DEL" : String.fromCharCode(i)),
                            text: String.fromCharCode(i), value: i })
        } else {
            for (i = 0; i < 100; ++i) {
                var pair = (i < 10 ? "0" : "") + i
                keys.push({ label: pair, text: pair, value: i })
            }
        }
        return keys
    }
    function pressKey(mode, key) {
        if (currentValue.length + pendingTexts[mode].length + key.text.length > maxLength)
            return
        var texts = pendingTexts.slice()
        var values = pendingValues.slice()
        texts[mode] = texts[mode] + key.text
        values[mode] = values[mode].concat([key.value])
        pendingTexts = texts
        pendingValues = values
    }
    function upload(mode) {
        if (pendingTexts[mode].length === 0)
            return
        var list = decimalValues.slice()
        if (lastUploadedMode !== mode)
            list.push(123, 65 + mode)
        list = list.concat(pendingValues[mode])
        decimalValues = list
        currentValue = currentValue + pendingTexts[mode]
        lastUploadedMode = mode
        clearPending(mode)
    }
    function clearPending(mode) {
        var texts = pendingTexts.slice()
        var values = pendingValues.slice()
        texts[mode] = ""
        values[mode] = []
        pendingTexts = texts
        pendingValues = values
    }
    function clearAll() {
        currentValue = ""
        decimalValues = []
        decimalValuesString = ""
        pendingTexts = ["", "", ""]
        pendingValues = [[], [], []]
        lastUploadedMode = -1
    }
    function confirm() {
        if (currentValue.length === 0) {
            notice.bgColor = "#FDE7E9"
            notice.textColor = "black"
            notice.showMessage(qsTr("输入不能为空"), 2000, "qrc:/img/Resources/commonUI/errorTips.png")
            return
        }
        if (manualInputEnabled)
            decimalValues = helperFunction.code128SetBValues(currentValue)
        decimalValuesString = decimalValues.join(", ")
        valueConfirmed(currentValue)
        if (targetTextField)
            targetTextField.text = currentValue
        close()
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 6

        RowLayout {
            spacing: 12
            KVZCheckBox {
                objectName: "code128Manual"
                text: qsTr("手动输入模式")
                fontTextSize: 16
                checked: root.manualInputEnabled
                onClicked: {
                    root.manualInputEnabled = checked
                    root.currentValue = ""
                    root.decimalValues = []
                    root.lastUploadedMode = -1
                    root.currentMode = 1
                }
            }
            Text {
                text: qsTr("提示:请输入可见字符")
                font.family: BasicConfig.commFont
                font.pixelSize: 14
                color: "#4A4B4E"
                Accessible.role: Accessible.StaticText
                Accessible.name: text
            }
        }
        KVZTextField {
            id: input
            objectName: "code128Input"
            Layout.fillWidth: true
            text: root.currentValue
            readOnly: !root.manualInputEnabled
            maximumLength: root.maxLength
            validator: RegularExpressionValidator { regularExpression: /[\x20-\x7E]*/ }
            Accessible.name: root.dialogTitle
            onTextEdited: root.currentValue = text
            onAccepted: root.confirm()
        }
        TabBar {
            id: tabs
            Layout.fillWidth: true
            enabled: !root.manualInputEnabled
            currentIndex: root.currentMode
            onCurrentIndexChanged: root.currentMode = currentIndex
            Repeater {
                model: ["CODE128 A", "CODE128 B", "CODE128 C"]
                TabButton {
                    text: modelData
                    Accessible.role: Accessible.PageTab
                    Accessible.name: text
                    background: Rectangle {
                        implicitHeight: 36
                        color: parent.checked ? "#2F7EFF" : "#EAEEF5"
                        border.color: parent.visualFocus ? "#1559C7" : "#BABCC4"
                    }
                    contentItem: Text {
                        text: parent.text
                        font: parent.font
                        color: parent.checked ? "#FFFFFF" : "#4A4B4E"
                        opacity: parent.enabled ? 1 : 0.5
                        horizontalAlignment: Text.AlignHCenter
                        verticalAlignment: Text.AlignVCenter
                    }
                    font.family: BasicConfig.commFont
                }
            }
        }
        Text {
            objectName: "code128Pending"
            Layout.fillWidth: true
            text: root.pendingTexts[root.currentMode]
            font.family: BasicConfig.commFont
            font.pixelSize: 14
            elide: Text.ElideLeft
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
        ScrollView {
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            enabled: !root.manualInputEnabled
            opacity: enabled ? 1 : 0.5
            Flow {
                width: root.width - 40
                spacing: 4
                Repeater {
                    model: root.keysOf(root.currentMode)
                    KVZPushButton {
                        buttonWidth: 52
                        buttonHeight: 32
                        textSize: 13
                        buttonText: modelData.label
                        onClicked: root.pressKey(root.currentMode, modelData)
                    }
                }
            }
        }
        RowLayout {
            Layout.alignment: Qt.AlignHCenter
            spacing: 8
            KVZPushButton {
                buttonWidth: 110
                textSize: 18
                enabled: !root.manualInputEnabled
                opacity: enabled ? 1 : 0.5
                buttonText: qsTr("上传")
                onClicked: root.upload(root.currentMode)
            }
            KVZPushButton {
                buttonWidth: 110
                textSize: 18
                enabled: !root.manualInputEnabled
                opacity: enabled ? 1 : 0.5
                buttonText: qsTr("清空")
                buttonColor: "#7A8BA8"
                onClicked: root.clearPending(root.currentMode)
            }
            KVZPushButton {
                buttonWidth: 120
                textSize: 18
                buttonText: qsTr("清空全部")
                buttonColor: "#7A8BA8"
                onClicked: root.clearAll()
            }
            KVZPushButton {
                buttonWidth: 120
                buttonText: qsTr("确定")
                onClicked: root.confirm()
            }
        }
    }

    Toast {
        id: notice
        parent: root.contentItem
        anchors.fill: parent
        z: 10
    }
}
