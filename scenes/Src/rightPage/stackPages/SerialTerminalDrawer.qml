import QtQuick 2.15
import QtQuick.Controls 2.15
import "../../basic"
import "../../commonUI"

// The serial terminal: what arrives (as text or hexadecimal) and what is
// sent, one time-stamped line each.
Rectangle {
    id: drawer
    objectName: "serialTerminalDrawer"

    property bool connected: false
    property var toast: null
    readonly property alias receiveText: receiveArea.text
    readonly property bool hexSend: hexSendBox.checked

    color: "white"
    Accessible.role: Accessible.Pane
    Accessible.name: qsTr("接收数据:")

    function timeNow() {
        return Qt.formatTime(new Date(), "hh:mm:ss.zzz")
    }

    function appendLine(prefix, data) {
        var line = prefix + timeNow() + "] " + data
        if (!line.endsWith("\n"))
            line += "\n"
        receiveArea.insert(receiveArea.length, line)
        receiveArea.cursorPosition = receiveArea.length
    }

    function send() {
        if (!sendButton.enabled)
            return
        var text = sendArea.text
        var ok
        if (hexSendBox.checked) {
            var digits = text.replace(/\s/g, "")
            if (!/^[0-9A-Fa-f]+$/.test(digits) || digits.length % 2 !== 0) {
                if (toast)
                    toast.showError(qsTr("无效的十六进制数据！请输入有效的十六进制字符串（偶数位数字符）。"), 2000)
                return
            }
            ok = deviceViewModel.serialportmanager.sendHexData(text)
        } else {
            ok = deviceViewModel.serialportmanager.sendData(text)
        }
        if (ok) {
            appendLine(qsTr("[发送 "), text)
            sendArea.text = ""
        }
    }

    Connections {
        target: deviceViewModel ? deviceViewModel.serialportmanager : null
        function onDataReceived(data) {
            if (!hexDisplayBox.checked)
                drawer.appendLine("[", data)
        }
        function onHexDataReceived(data) {
            if (hexDisplayBox.checked)
                drawer.appendLine("[", helperFunction.bytesToHexText(data))
        }
    }

    Column {
        anchors.fill: parent
        anchors.margins: 20
        spacing: 10

        Row {
            spacing: 20
            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("接收数据:")
                font.family: BasicConfig.commFont
                font.pixelSize: 16
                font.bold: true
            }
            KVZCheckBox {
                id: hexDisplayBox
                objectName: "hexDisplayCheckBox"
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("十六进制显示")
                fontTextSize: 15
            }
        }

        ScrollView {
            id: receiveScroll
            width: parent.width
            height: 350
            background: Rectangle { border.color: "#BABCC4"; radius: 6 }
            TextArea {
                id: receiveArea
                objectName: "receiveArea"
                readOnly: true
                wrapMode: TextEdit.Wrap
                selectByMouse: true
                font.family: BasicConfig.commFont
                font.pixelSize: 13
                placeholderText: qsTr("接收到的数据将显示在这里...")
                Accessible.name: qsTr("接收数据:")
            }
        }

        KVZPushButton {
            objectName: "clearReceiveButton"
            buttonWidth: 110
            buttonHeight: 34
            buttonText: qsTr("清空接收")
            textSize: 15
            onClicked: receiveArea.text = ""
        }

        Row {
            spacing: 20
            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("发送数据:")
                font.family: BasicConfig.commFont
                font.pixelSize: 16
                font.bold: true
            }
            KVZCheckBox {
                id: hexSendBox
                objectName: "hexSendCheckBox"
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("十六进制发送")
                fontTextSize: 15
            }
        }

        ScrollView {
            width: parent.width
            height: 90
            background: Rectangle { border.color: "#BABCC4"; radius: 6 }
            TextArea {
                id: sendArea
                objectName: "sendArea"
                wrapMode: TextEdit.Wrap
                selectByMouse: true
                font.family: BasicConfig.commFont
                font.pixelSize: 14
                placeholderText: hexSendBox.checked ? qsTr("在此输入十六进制数据（如：48 65 6C 6C 6F）...")
                                                    : qsTr("在此输入要发送的数据...")
                Accessible.name: qsTr("发送数据:")
            }
        }

        Row {
            spacing: 15
            KVZPushButton {
                id: sendButton
                objectName: "sendButton"
                buttonWidth: 110
                buttonHeight: 34
                buttonText: qsTr("发送")
                textSize: 15
                enabled: drawer.connected && sendArea.text.length > 0
                opacity: enabled ? 1 : 0.5
                onClicked: drawer.send()
            }
            KVZPushButton {
                objectName: "clearSendButton"
                buttonWidth: 110
                buttonHeight: 34
                buttonText: qsTr("清空")
                textSize: 15
                buttonColor: "#95a5a6"
                buttonHoverColor: "#7f8c8d"
                onClicked: sendArea.text = ""
            }
        }
    }
}
