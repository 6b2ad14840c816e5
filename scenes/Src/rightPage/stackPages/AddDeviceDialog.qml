import QtQuick 2.15
import QtQuick.Controls 2.15
import "../../basic"
import "../../commonUI"

// Adding a network printer by address: the address is tested first (port
// 9100, MAC, model); only a passed test can be added to the list. A modal
// frameless box over the window, dragged by its title bar.
Popup {
    id: dialog
    objectName: "addDeviceDialog"

    readonly property string title: qsTr("添加TCP设备")
    property string ipInput: ""
    property string testedMac: ""
    property string testedDeviceName: ""
    property bool connectionTested: false
    property bool testing: false
    // Why the typed address cannot be tested (the back end decides); empty
    // while none was refused.
    property string addressProblem: ""
    readonly property string typedAddress: ipField.text.replace(/\s/g, "")
    readonly property bool addressComplete: /^\d{1,3}\.\d{1,3}\.\d{1,3}\.\d{1,3}$/.test(typedAddress)

    signal testConnectionClicked(string ip)
    signal addToDeviceListClicked(string name, string ip, string mac)
    signal cancelClicked()

    width: 400
    height: 350
    parent: Overlay.overlay
    x: Math.round((parent.width - width) / 2)
    y: Math.round((parent.height - height) / 2)
    modal: true
    focus: true
    closePolicy: Popup.CloseOnEscape
    padding: 0
    Overlay.modal: Rectangle { color: "#80000000" }
    background: null
    enter: Transition { NumberAnimation { property: "opacity"; from: 0; to: 1; duration: 200 } }

    onOpened: ipField.forceActiveFocus()
    onClosed: if (!closingByButton) { cancelClicked(); clearInput() }
    property bool closingByButton: false

    function show() { open() }

    function updateStatus(message, isSuccess) {
        statusText.text = message
        statusText.color = isSuccess ? "#27ae60" : "#e74c3c"
        statusText.visible = true
    }

    function clearInput() {
        addressProblem = ""
        statusText.visible = false
        statusText.text = ""
        testedMac = ""
        testedDeviceName = ""
        connectionTested = false
        testing = false
    }

    function handleTestResult(ip, mac, name, success, errorMsg) {
        testing = false
        if (success) {
            updateStatus(qsTr("连接成功!"), true)
            if (ip === ipInput) {
                testedMac = mac
                testedDeviceName = name
                connectionTested = true
            }
        } else {
            updateStatus(errorMsg === "" ? qsTr("连接失败!") : qsTr("连接失败!") + " " + errorMsg, false)
            testedMac = ""
            testedDeviceName = ""
            connectionTested = false
        }
    }

    function startTest() {
        if (!testButton.enabled)
            return
        addressProblem = helperFunction.ipv4AddressProblem(typedAddress)
        if (addressProblem !== "") {
            statusText.visible = false
            connectionTested = false
            ipField.forceActiveFocus()
            return
        }
        ipInput = typedAddress
        statusText.text = qsTr("正在测试连接...")
        statusText.color = "#f39c12"
        statusText.visible = true
        testing = true
        testedMac = ""
        testedDeviceName = ""
        connectionTested = false
        testConnectionClicked(ipInput)
    }

    function cancel() {
        closingByButton = true
        close()
        closingByButton = false
        cancelClicked()
        clearInput()
    }

    contentItem: Rectangle {
        id: frame
        radius: 10
        color: "white"
        border.color: "#3498db"
        border.width: 2
        Accessible.role: Accessible.Dialog
        Accessible.name: dialog.title

        Rectangle {
            id: titleBar
            width: parent.width
            height: 44
            radius: 10
            color: "#3498db"
            Rectangle { width: parent.width; height: 10; anchors.bottom: parent.bottom; color: parent.color }
            MouseArea {
                property point pressedAt
                anchors.fill: parent
                onPressed: pressedAt = Qt.point(mouse.x, mouse.y)
                onPositionChanged: {
                    dialog.x = Math.max(0, Math.min(dialog.parent.width - dialog.width, dialog.x + mouse.x - pressedAt.x))
                    dialog.y = Math.max(0, Math.min(dialog.parent.height - dialog.height, dialog.y + mouse.y - pressedAt.y))
                }
            }
            Text {
                anchors.left: parent.left
                anchors.leftMargin: 15
                anchors.verticalCenter: parent.verticalCenter
                text: dialog.title
                color: "white"
                font.family: BasicConfig.commFont
                font.pixelSize: 18
                font.bold: true
            }
            Rectangle {
                objectName: "addDialogCloseButton"
                width: 28
                height: 28
                radius: 14
                anchors.right: parent.right
                anchors.rightMargin: 10
                anchors.verticalCenter: parent.verticalCenter
                color: closeArea.containsMouse || activeFocus ? "#2980b9" : "transparent"
                activeFocusOnTab: true
                Accessible.role: Accessible.Button
                Accessible.name: "×"
                Accessible.onPressAction: dialog.cancel()
                Keys.onSpacePressed: dialog.cancel()
                Text { anchors.centerIn: parent; text: "×"; color: "white"; font.pixelSize: 20 }
                MouseArea { id: closeArea; anchors.fill: parent; hoverEnabled: true; onClicked: dialog.cancel() }
            }
        }

        Column {
            anchors.top: titleBar.bottom
            anchors.topMargin: 15
            anchors.horizontalCenter: parent.horizontalCenter
            width: parent.width - 50
            spacing: 12

            Text {
                id: statusText
                objectName: "addDialogStatus"
                visible: false
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                font.family: BasicConfig.commFont
                font.pixelSize: 14
                Accessible.role: Accessible.StaticText
                Accessible.name: text
            }

            Row {
                spacing: 10
                Text {
                    width: 80
                    anchors.verticalCenter: parent.verticalCenter
                    text: qsTr("IP地址:")
                    font.family: BasicConfig.commFont
                    font.pixelSize: 15
                }
                TextField {
                    id: ipField
                    objectName: "addDialogIpField"
                    width: 250
                    height: 36
                    text: "192.168.1.149"
                    inputMask: "000.000.000.000;"
                    font.family: BasicConfig.commFont
                    font.pixelSize: 15
                    selectByMouse: true
                    Accessible.name: qsTr("IP地址:")
                    onAccepted: dialog.startTest()
                    onTextEdited: dialog.addressProblem = ""
                }
            }
            Text {
                objectName: "addDialogIpProblem"
                visible: dialog.addressProblem !== ""
                width: parent.width
                leftPadding: 90
                wrapMode: Text.Wrap
                text: dialog.addressProblem
                color: "#e74c3c"
                font.family: BasicConfig.commFont
                font.pixelSize: 13
                Accessible.role: Accessible.StaticText
                Accessible.name: text
            }
            Row {
                spacing: 10
                Text {
                    width: 80
                    anchors.verticalCenter: parent.verticalCenter
                    text: qsTr("Mac:")
                    font.family: BasicConfig.commFont
                    font.pixelSize: 15
                }
                TextField {
                    objectName: "addDialogMacField"
                    width: 250
                    height: 36
                    readOnly: true
                    text: dialog.testedMac
                    font.family: BasicConfig.commFont
                    font.pixelSize: 15
                    Accessible.name: qsTr("Mac:")
                }
            }
            Row {
                spacing: 10
                Text {
                    width: 80
                    anchors.verticalCenter: parent.verticalCenter
                    text: qsTr("设备名称:")
                    font.family: BasicConfig.commFont
                    font.pixelSize: 15
                }
                TextField {
                    objectName: "addDialogNameField"
                    width: 250
                    height: 36
                    readOnly: true
                    text: dialog.testedDeviceName
                    font.family: BasicConfig.commFont
                    font.pixelSize: 15
                    Accessible.name: qsTr("设备名称:")
                }
            }
        }

        Row {
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 20
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 12
            KVZPushButton {
                id: testButton
                objectName: "testConnectionButton"
                buttonWidth: 110
                buttonText: qsTr("测试连接")
                textSize: 16
                enabled: dialog.addressComplete && !dialog.testing
                opacity: enabled ? 1 : 0.5
                onClicked: dialog.startTest()
            }
            KVZPushButton {
                id: addButton
                objectName: "addToListButton"
                buttonWidth: 110
                buttonText: qsTr("添加到列表")
                textSize: 16
                buttonColor: "#27ae60"
                buttonHoverColor: "#219a52"
                enabled: dialog.connectionTested && dialog.testedMac !== "" && dialog.testedDeviceName !== ""
                         && dialog.addressComplete
                opacity: enabled ? 1 : 0.5
                onClicked: {
                    if (!enabled)
                        return
                    var name = dialog.testedDeviceName, ip = dialog.ipInput, mac = dialog.testedMac
                    dialog.closingByButton = true
                    dialog.close()
                    dialog.closingByButton = false
                    dialog.clearInput()
                    dialog.addToDeviceListClicked(name, ip, mac)
                }
            }
            KVZPushButton {
                objectName: "addDialogCancelButton"
                buttonWidth: 110
                buttonText: qsTr("取消")
                textSize: 16
                buttonColor: "#95a5a6"
                buttonHoverColor: "#7f8c8d"
                onClicked: dialog.cancel()
            }
        }
    }
}
