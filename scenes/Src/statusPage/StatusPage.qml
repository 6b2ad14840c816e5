import QtQuick 2.15
import "../basic"

// The status bar: the connection of the transport shown (one row per
// transport, each showing that transport's connection) and the version.
Rectangle {
    id: root

    // 0 TCP, 1 USB, 2 serial, 3 driver: the view model's mode (USB at start).
    readonly property int displayMode: deviceViewModel ? deviceViewModel.currentMode : 1

    readonly property var tcp: deviceViewModel ? deviceViewModel.tcpConnection : null
    readonly property var usb: deviceViewModel ? deviceViewModel.usbConnection : null
    readonly property var serial: deviceViewModel ? deviceViewModel.serialConnection : null
    readonly property var driver: deviceViewModel ? deviceViewModel.driverConnection : null

    readonly property string tcpName: tcp ? tcp.name : ""
    readonly property string tcpIp: tcp ? tcp.ip : ""
    readonly property string tcpMac: tcp ? tcp.mac : ""
    readonly property bool tcpConnected: tcp ? tcp.connected : false
    readonly property string usbModel: usb ? usb.modelName : ""
    readonly property string usbVpid: usb ? usb.vpid : ""
    readonly property bool usbConnected: usb ? usb.connected : false
    readonly property string serialPort: serial ? serial.name : ""
    readonly property bool serialConnected: serial ? serial.connected : false
    readonly property string driverName: driver ? driver.name : ""
    readonly property bool driverConnected: driver ? driver.connected : false

    color: "#2d2d37"
    radius: 15

    // Squares off the upper corners.
    Rectangle {
        anchors { left: parent.left; right: parent.right; top: parent.top }
        height: 15
        color: root.color
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
