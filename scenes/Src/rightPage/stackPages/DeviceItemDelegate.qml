import QtQuick 2.15
import "../../basic"

// One found device in the search panel: icon tile by type with an online dot,
// three lines (TCP) or four lines (USB), selection look and a delete button.
Rectangle {
    id: item

    property int currentMode: 0 // 0 TCP, 1 USB
    property int itemIndex: -1
    property bool selected: false
    property string deviceType: "printer"
    property bool isOnline: true
    // TCP
    property string deviceName: ""
    property string deviceIp: ""
    property string deviceMac: ""
    // USB
    property string vpid: ""
    property string modelName: ""
    property string manufacturer: ""
    property string devPath: ""

    signal clicked()
    signal deleteClicked(int index)

    readonly property var typeLook: ({
        "printer": ["🖨️", "#3498db"], "camera": ["📷", "#e74c3c"], "tv": ["📺", "#9b59b6"],
        "router": ["📡", "#f39c12"], "storage": ["💾", "#27ae60"]
    })
    readonly property var look: typeLook[deviceType] !== undefined ? typeLook[deviceType] : ["🔌", "#95a5a6"]
    readonly property var lines: currentMode === 0
        ? [deviceName, "IP: " + deviceIp, "MAC: " + deviceMac]
        : [qsTr("型号:") + modelName, "V/PID:" + vpid, qsTr("厂商: ") + manufacturer, qsTr("地址: ") + devPath]

    height: 100
    radius: 8
    color: selected ? "#e3f2fd" : (isOnline ? "#ffffff" : "#f8f9fa")
    border.color: selected ? "#2196F3" : "#e0e0e0"
    border.width: 1
    scale: pressArea.pressed ? 0.98 : 1.0
    Behavior on scale { NumberAnimation { duration: 100 } }

    activeFocusOnTab: true
    Accessible.role: Accessible.ListItem
    Accessible.name: lines.join(" ")
    Accessible.selectable: true
    Accessible.selected: selected
    Accessible.onPressAction: item.clicked()
    Keys.onSpacePressed: item.clicked()
    Keys.onReturnPressed: item.clicked()
    Keys.onDeletePressed: item.deleteClicked(itemIndex)

    MouseArea {
        id: pressArea
        anchors.fill: parent
        onClicked: { item.forceActiveFocus(); item.clicked() }
    }

    Rectangle {
        id: tile
        x: 15
        anchors.verticalCenter: parent.verticalCenter
        width: 50
        height: 50
        radius: 10
        color: item.look[1]
        Text {
            anchors.centerIn: parent
            text: item.look[0]
            font.pixelSize: 24
        }
        Rectangle {
            width: 12
            height: 12
            radius: 6
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            anchors.margins: -2
            color: item.isOnline ? "#4caf50" : "#f44336"
            border.color: "white"
            border.width: 2
        }
    }

    Column {
        anchors.left: tile.right
        anchors.leftMargin: 15
        anchors.right: deleteButton.left
        anchors.rightMargin: 10
        anchors.verticalCenter: parent.verticalCenter
        spacing: item.currentMode === 0 ? 6 : 2
        Repeater {
            model: item.lines
            Text {
                width: parent.width
                text: modelData
                elide: Text.ElideMiddle
                font.family: BasicConfig.commFont
                font.pixelSize: index === 0 ? 16 : 13
                font.bold: index === 0
                color: index === 0 ? "#2c3e50" : "#5d6d7e"
            }
        }
    }

    Rectangle {
        visible: item.selected
        width: 8
        height: 8
        radius: 4
        color: "#2196F3"
        anchors.right: deleteButton.left
        anchors.rightMargin: 8
        anchors.verticalCenter: parent.verticalCenter
    }

    Rectangle {
        id: deleteButton
        objectName: "deleteDeviceButton"
        width: 24
        height: 24
        radius: 12
        anchors.top: parent.top
        anchors.right: parent.right
        anchors.margins: 8
        color: deleteArea.containsMouse || activeFocus ? "#f44336" : "#ecf0f1"
        activeFocusOnTab: true
        Accessible.role: Accessible.Button
        Accessible.name: "×"
        Accessible.onPressAction: item.deleteClicked(item.itemIndex)
        Keys.onSpacePressed: item.deleteClicked(item.itemIndex)
        Keys.onReturnPressed: item.deleteClicked(item.itemIndex)
        Text {
            anchors.centerIn: parent
            text: "×"
            font.pixelSize: 16
            color: deleteArea.containsMouse || parent.activeFocus ? "white" : "#7f8c8d"
        }
        MouseArea {
            id: deleteArea
            anchors.fill: parent
            hoverEnabled: true
            cursorShape: Qt.PointingHandCursor
            onClicked: item.deleteClicked(item.itemIndex)
        }
    }
}
