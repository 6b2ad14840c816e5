import QtQuick 2.15
import "../basic"

// A square side-bar entry: an icon glyph over a small label; the active one
// carries a bar at its left edge.
Rectangle {
    id: root

    property string iconText: ""
    property string buttonText: ""
    property bool isActive: false

    signal clicked()

    width: 60
    height: 60
    color: isActive ? "#D0D1D6" : mouseArea.containsMouse ? "#CBCEDB" : "transparent"

    activeFocusOnTab: true
    Keys.onSpacePressed: root.clicked()
    Keys.onReturnPressed: root.clicked()

    Accessible.role: Accessible.PageTab
    Accessible.name: buttonText
    Accessible.checkable: true
    Accessible.checked: isActive
    Accessible.focusable: true
    Accessible.onPressAction: root.clicked()

    Rectangle {
        visible: root.isActive
        width: 3
        anchors { left: parent.left; top: parent.top; bottom: parent.bottom }
        color: "#007ACC"
    }

    Column {
        anchors.centerIn: parent
        spacing: 2
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: root.iconText
            font.pixelSize: 18
            color: root.isActive ? "white" : "#4A4B4E"
            Accessible.ignored: true
        }
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: root.buttonText
            font.family: BasicConfig.commFont
            font.pixelSize: 10
            color: "#4A4B4E"
            Accessible.ignored: true
        }
    }

    Rectangle {
        anchors.fill: parent
        color: "transparent"
        border.width: root.activeFocus ? 1 : 0
        border.color: "#2F7EFF"
    }

    MouseArea {
        id: mouseArea
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: root.clicked()
    }
}
