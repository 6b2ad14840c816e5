import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../../basic"
import "../../../commonUI"

// Real-time status: four requests; the printer's answers are decoded by the
// back end and appended to the text area (and the log).
Item {
    id: root
    objectName: "realTimeStatusForm"

    // Transport of the hosting page: 0 TCP, 1 USB, 2 serial (no answers shown).
    property int isMode: 0
    property var binaryArray: []
    // Notice manager of the hosting page; the page's own one when not given.
    property var toast: null
    property bool isCurrentVisible: false
    property string currentText: ""

    implicitWidth: 780
    implicitHeight: 640

    function notifier() { return toast ? toast : localToast }

    function handleReply(cmd, payload) {
        if (!root.visible)
            return
        if (payload === "") {
            var t = notifier()
            t.bgColor = "#FDE7E9"
            t.textColor = "black"
            t.showMessage(qsTr("响应超时"), 2000, "qrc:/img/Resources/commonUI/errorTips.png")
            return
        }
        var message = helperFunction.decodeStatusReply(cmd, payload)
        if (message === "")
            return
        logger.info(message)
        currentText = currentText + message
    }

    Connections {
        target: root.isMode === 0 ? deviceViewModel.tcpDeviceManager : null
        ignoreUnknownSignals: true
        function onSigTcpResponse(cmd, payload) { root.handleReply(cmd, payload) }
    }
    Connections {
        target: root.isMode === 1 ? deviceViewModel.usbDeviceManager : null
        ignoreUnknownSignals: true
        function onSigUsbResponse(cmd, payload) { root.handleReply(cmd, payload) }
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 10
        spacing: 12

        KVZGroupBox {
            title: qsTr("实时状态")
            Layout.fillWidth: true
            GridLayout {
                columns: 4
                columnSpacing: 12
                KVZPushButton {
                    objectName: "printerStatus"
                    buttonWidth: 160
                    buttonText: qsTr("打印机状态")
                    onClicked: deviceViewModel.communication.setPrinterStatusClicked()
                }
                KVZPushButton {
                    objectName: "offlineStatus"
                    buttonWidth: 160
                    buttonText: qsTr("脱机状态")
                    onClicked: deviceViewModel.communication.setOfflineStatusClicked()
                }
                KVZPushButton {
                    objectName: "errorStatus"
                    buttonWidth: 160
                    buttonText: qsTr("错误状态")
                    onClicked: deviceViewModel.communication.setErrorStatusClicked()
                }
                KVZPushButton {
                    objectName: "paperStatus"
                    buttonWidth: 160
                    buttonText: qsTr("传送纸状态")
                    onClicked: deviceViewModel.communication.setPaperStatusClicked()
                }
            }
        }

        ScrollView {
            id: scroller
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            background: Rectangle { color: "#FFFFFF"; border.color: "#BABCC4"; radius: 5 }
            TextArea {
                id: statusText
                objectName: "statusText"
                readOnly: true
                wrapMode: TextArea.Wrap
                selectByMouse: true
                text: root.currentText
                font.family: BasicConfig.commFont
                font.pixelSize: 15
                Accessible.name: qsTr("状态信息")
                // Keep the newest answer in view.
                onContentHeightChanged: if (contentHeight > scroller.height)
                                            scroller.ScrollBar.vertical.position = 1.0 - scroller.ScrollBar.vertical.size
            }
        }
        KVZPushButton {
            objectName: "statusClear"
            Layout.alignment: Qt.AlignRight
            buttonWidth: 100
            buttonText: qsTr("清空")
            onClicked: root.currentText = ""
        }
    }

    Toast {
        id: localToast
        anchors.fill: parent
        z: 100
    }
}
