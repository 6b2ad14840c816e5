import QtQuick 2.15
import QtQuick.Controls 2.15
import "../../basic"
import "../../commonUI"

// Which segment the LAN search covers: the local one or a custom one such as
// 192.168.1. (three numbers, each followed by a point).
Popup {
    id: dialog
    objectName: "tcpSegmentDialog"

    property var toast: null
    readonly property bool segmentValid: isValidSegment(segmentField.text.trim())

    width: 400
    height: 300
    anchors.centerIn: Overlay.overlay
    modal: true
    focus: true
    closePolicy: Popup.CloseOnEscape
    padding: 0
    Overlay.modal: Rectangle { color: "#80000000" }

    function isValidSegment(text) {
        if (!/^(\d{1,3}\.){2}\d{1,3}\.$/.test(text))
            return false
        var parts = text.split(".")
        for (var i = 0; i < 3; ++i) {
            if (parseInt(parts[i], 10) > 255)
                return false
        }
        return true
    }

    function orDefault(segment) {
        return segment === "" ? "192.168.1." : segment
    }

    onAboutToShow: {
        var mode = configManager.getTcpNetworkMode()
        modeChoice.currentIndex = mode === 1 ? 1 : 0
        segmentField.text = orDefault(mode === 1 ? configManager.getTcpNetworkSegment()
                                                 : configManager.getLocalIpNetworkSegment())
        segmentField.forceActiveFocus()
    }

    function save() {
        if (!saveButton.enabled)
            return
        configManager.setTcpNetworkMode(modeChoice.currentIndex)
        if (modeChoice.currentIndex === 1) {
            var segment = segmentField.text.trim()
            if (segment !== "" && isValidSegment(segment)) {
                deviceViewModel.tcpDeviceManager.setTcpNetworkSegment(segment)
                if (toast)
                    toast.showConfirmation(qsTr("网段配置已保存: ") + segment, 2000)
                close()
            } else if (toast) {
                toast.showError(qsTr("网段格式错误，请输入正确格式如: 192.168.1."), 3000)
            }
        } else {
            if (toast)
                toast.showConfirmation(qsTr("已设置为使用本机网段"), 2000)
            close()
        }
    }

    background: Rectangle {
        radius: 10
        color: "white"
        border.color: "#3498db"
        border.width: 2
    }

    contentItem: Item {
        Accessible.role: Accessible.Dialog
        Accessible.name: titleText.text
        Text {
            id: titleText
            anchors.top: parent.top
            anchors.topMargin: 20
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("TCP网段配置")
            font.family: BasicConfig.commFont
            font.pixelSize: 20
            font.bold: true
            color: "#2c3e50"
            Accessible.role: Accessible.Heading
            Accessible.name: text
        }

        Column {
            anchors.top: titleText.bottom
            anchors.topMargin: 20
            anchors.left: parent.left
            anchors.leftMargin: 30
            anchors.right: parent.right
            anchors.rightMargin: 30
            spacing: 12

            Row {
                spacing: 10
                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    text: qsTr("网段模式:")
                    font.family: BasicConfig.commFont
                    font.pixelSize: 15
                }
                KVZCombobox {
                    id: modeChoice
                    objectName: "segmentModeChoice"
                    width: 220
                    height: 36
                    model: [qsTr("使用本机网段"), qsTr("自定义网段")]
                    Accessible.name: qsTr("网段模式:")
                    onActivated: {
                        if (currentIndex === 0) {
                            var local = configManager.getLocalIpNetworkSegment()
                            if (local !== "")
                                segmentField.text = local
                        }
                    }
                }
            }

            TextField {
                id: segmentField
                objectName: "segmentField"
                width: parent.width
                height: 38
                enabled: modeChoice.currentIndex === 1
                opacity: enabled ? 1 : 0.5
                font.family: BasicConfig.commFont
                font.pixelSize: 15
                selectByMouse: true
                validator: RegularExpressionValidator { regularExpression: /^(\d{1,3}\.){2}\d{1,3}\.$/ }
                Accessible.name: qsTr("格式示例: 192.168.1.")
                background: Rectangle {
                    radius: 6
                    border.width: 2
                    border.color: dialog.segmentValid ? "#3498db" : "#e74c3c"
                }
                onAccepted: if (dialog.segmentValid) dialog.save()
            }

            Text {
                text: qsTr("格式示例: 192.168.1.")
                font.family: BasicConfig.commFont
                font.pixelSize: 13
                color: "#7f8c8d"
            }
        }

        Row {
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 20
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 20
            KVZPushButton {
                objectName: "segmentCancelButton"
                buttonWidth: 120
                buttonText: qsTr("取消")
                textSize: 16
                buttonColor: "#95a5a6"
                buttonHoverColor: "#7f8c8d"
                onClicked: dialog.close()
            }
            KVZPushButton {
                id: saveButton
                objectName: "segmentSaveButton"
                buttonWidth: 120
                buttonText: qsTr("确定")
                textSize: 16
                enabled: dialog.segmentValid || modeChoice.currentIndex === 0
                opacity: enabled ? 1 : 0.5
                onClicked: dialog.save()
            }
        }
    }
}
