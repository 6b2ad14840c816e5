import QtQuick 2.15
import "../basic"

// One transport entry of the navigation: a dot and the name; the selected one
// is white with a blue dot.
Rectangle {
    id: root

    property string text: ""
    property bool selected: false

    signal clicked()

    width: 180
    height: 40
    radius: 8
    color: mouseArea.containsMouse ? "#27272d" : "transparent"
    border.width: activeFocus ? 1 : 0
    border.color: "#2F7EFF"

    activeFocusOnTab: true
    Keys.onSpacePressed: root.clicked()
    Keys.onReturnPressed: root.clicked()

    Accessible.role: Accessible.PageTab
    Accessible.name: text
    Accessible.checkable: true
    Accessible.checked: selected
    Accessible.selectable: true
    Accessible.selected: selected
    Accessible.focusable: true
    Accessible.onPressAction: root.clicked()

    Rectangle {
        id: dot
        width: 8
        height: 8
        radius: 4
        anchors { left: parent.left; leftMargin: 40; verticalCenter: parent.verticalCenter }
        color: root.selected ? "#2F7EFF" : "#666666"
    }

    Text {
        anchors { left: dot.right; leftMargin: 14; verticalCenter: parent.verticalCenter }
        text: root.text
        font.family: BasicConfig.commFont
        font.pixelSize: 16
        color: root.selected ? "white" : "#CCCCCC"
        Accessible.ignored: true
    }

    MouseArea {
        id: mouseArea
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: root.clicked()
    }
}
