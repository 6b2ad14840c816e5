import QtQuick 2.15
import "../basic"

// One transport's line of the status bar: connected (green, with the device's
// fields) or not connected (red).
Row {
    id: root

    property bool shown: false
    property bool connected: false
    // The device's fields, already labelled ("IP: 127.0.0.1").
    property var fields: []

    spacing: 20
    opacity: shown ? 1 : 0
    visible: opacity > 0
    Behavior on opacity { NumberAnimation { duration: 300 } }

    Text {
        text: root.connected ? qsTr("✓ 设备已连接") : qsTr("✗ 设备未连接")
        color: root.connected ? "#2ECC71" : "#E74C3C"
        font.family: BasicConfig.commFont
        font.pixelSize: 16
        font.bold: true
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }
    Repeater {
        model: root.connected ? root.fields : []
        Text {
            text: modelData
            color: "#e6dedeff"
            font.family: BasicConfig.commFont
            font.pixelSize: 16
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
    }
}
