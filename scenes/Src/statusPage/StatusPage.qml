import QtQuick 2.15
import "../basic"

// The status bar: the connection of the transport shown (one row per
// transport, each keeping its last device) and the version.
Rectangle {
    id: root

    // 0 TCP, 1 USB, 2 serial, 3 driver; USB is the page shown at start.
    property int displayMode: 1

    property string tcpName: ""
    property string tcpIp: ""
    property string tcpMac: ""
    property bool tcpConnected: false
    property string usbModel: ""
    property string usbVpid: ""
    property bool usbConnected: false
    property string serialPort: ""
    property bool serialConnected: false
    property string driverName: ""
    property bool driverConnected: false

    color: "#2d2d37"
    radius: 15

    // Squares off the upper corners.
    Rectangle {
        anchors { left: parent.left; right: parent.right; top: parent.top }
        height: 15
        color: root.color
    }

    Connections {
        target: BasicConfig
        function onDisplayModeSwitching(displayMode) { root.displayMode = displayMode }
        function onSendConnectedTCPDevice(deviceName, deviceIp, deviceMac) {
            root.tcpName = deviceName
            root.tcpIp = deviceIp
            root.tcpMac = deviceMac
            root.tcpConnected = true
            configManager.setCurrentDeviceName(deviceName)
        }
        function onDisConnectedTCPDevice() {
            root.tcpName = ""; root.tcpIp = ""; root.tcpMac = ""
            root.tcpConnected = false
            configManager.setCurrentDeviceName("")
        }
        function onSendConnectedUSBDevice(deviceModel, deviceVpid) {
            root.usbModel = deviceModel
            root.usbVpid = deviceVpid
            root.usbConnected = true
            configManager.setCurrentDeviceName(deviceModel)
        }
        function onDisConnectedUSBDevice() {
            root.usbModel = ""; root.usbVpid = ""
            root.usbConnected = false
            configManager.setCurrentDeviceName("")
        }
        function onSendConnectedSerialDevice(comPort) {
            root.serialPort = comPort
            root.serialConnected = true
        }
        function onDisConnectedSerialDevice() {
            root.serialPort = ""
            root.serialConnected = false
        }
        function onSendConnectedDevice(deviceName) {
            root.driverName = deviceName
            root.driverConnected = true
            configManager.setCurrentDeviceName(deviceName)
        }
        function onDisConnectedDevice() {
            root.driverName = ""
            root.driverConnected = false
            configManager.setCurrentDeviceName("")
        }
    }

    Item {
        anchors { left: parent.left; leftMargin: 20; right: version.left; top: parent.top; bottom: parent.bottom }
        clip: true

        StatusRow {
            objectName: "tcpStatusRow"
            anchors.verticalCenter: parent.verticalCenter
            shown: root.displayMode === 0
            connected: root.tcpConnected
            fields: [qsTr("设备名称: ") + root.tcpName, "IP: " + root.tcpIp, qsTr("MAC地址: ") + root.tcpMac]
        }
        StatusRow {
            objectName: "usbStatusRow"
            anchors.verticalCenter: parent.verticalCenter
            shown: root.displayMode === 1
            connected: root.usbConnected
            fields: [qsTr("型号: ") + root.usbModel, "vpid: " + root.usbVpid]
        }
        StatusRow {
            objectName: "serialStatusRow"
            anchors.verticalCenter: parent.verticalCenter
            shown: root.displayMode === 2
            connected: root.serialConnected
            fields: [qsTr("COM口: ") + root.serialPort]
        }
        StatusRow {
            objectName: "driverStatusRow"
            anchors.verticalCenter: parent.verticalCenter
            shown: root.displayMode === 3
            connected: root.driverConnected
            fields: [qsTr("打印机: ") + root.driverName]
        }
    }

    Text {
        id: version
        objectName: "versionText"
        anchors { right: parent.right; rightMargin: 20; verticalCenter: parent.verticalCenter }
        text: qsTr("版本：") + BasicConfig.versionNum
        color: "#e6dedeff"
        font.family: BasicConfig.commFont
        font.pixelSize: 14
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }
}
