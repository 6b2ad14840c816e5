import QtQuick 2.15
import "../../basic"
import "../../commonUI"

// One printer queue in the driver page's list; expanded it offers the queue,
// the management page and removal from the list.
Rectangle {
    id: item

    property string name: ""
    property string icon: ""
    property bool expanded: false

    signal toggled()
    signal openQueueClicked()
    signal manageClicked()
    signal deleteClicked()

    height: expanded ? 150 : 60
    radius: 8
    color: expanded ? "#f0f8ff" : "white"
    border.color: expanded ? "#2196F3" : "#e0e0e0"
    border.width: expanded ? 2 : 1
    Behavior on height { NumberAnimation { duration: 150 } }
    clip: true

    activeFocusOnTab: true
    Accessible.role: Accessible.ListItem
    Accessible.name: name
    Accessible.onPressAction: item.toggled()
    Keys.onSpacePressed: item.toggled()
    Keys.onReturnPressed: item.toggled()

    MouseArea {
        anchors.fill: parent
        onClicked: { item.forceActiveFocus(); item.toggled() }
    }

    Image {
        id: iconImage
        x: 12
        y: 10
        width: 40
        height: 40
        source: item.icon
        sourceSize: Qt.size(40, 40)
    }
    Text {
        anchors.left: iconImage.right
        anchors.leftMargin: 12
        anchors.right: parent.right
        anchors.rightMargin: 12
        anchors.verticalCenter: iconImage.verticalCenter
        text: item.name
        elide: Text.ElideRight
        font.family: BasicConfig.commFont
        font.pixelSize: 16
        font.bold: item.expanded
        color: "#2c3e50"
    }

    Row {
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: 15
        spacing: 12
        visible: item.expanded
        KVZPushButton {
            objectName: "openQueueButton"
            buttonWidth: 110
            buttonHeight: 36
            buttonText: qsTr("打开队列")
            textSize: 15
            onClicked: item.openQueueClicked()
        }
        KVZPushButton {
            objectName: "manageButton"
            buttonWidth: 90
            buttonHeight: 36
            buttonText: qsTr("管理")
            textSize: 15
            onClicked: item.manageClicked()
        }
        KVZPushButton {
            objectName: "deletePrinterButton"
            buttonWidth: 110
            buttonHeight: 36
            buttonText: qsTr("删除设备")
            textSize: 15
            buttonColor: "#e74c3c"
            buttonHoverColor: "#c0392b"
            onClicked: item.deleteClicked()
        }
    }
}
