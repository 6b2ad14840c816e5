import QtQuick 2.15
import QtGraphicalEffects 1.15
import "../basic"

// An entry of a page's command list: icon and text; blue outline when checked.
// A click only emits clicked(); the owner decides what is checked.
Rectangle {
    id: root

    property url imgSrc: ""
    property string textName: ""
    property bool checked: false

    signal clicked()

    width: 195
    height: 36
    radius: 8
    color: checked ? "#FFFFFF" : "#BABCC4"
    border.width: checked || activeFocus ? 1 : 1
    border.color: checked || activeFocus ? "#2684FF" : "#E0E3EA"
    scale: mouseArea.containsMouse ? 1.05 : 1.0
    Behavior on scale { NumberAnimation { duration: 120 } }

    activeFocusOnTab: true
    Keys.onSpacePressed: root.clicked()
    Keys.onReturnPressed: root.clicked()

    Accessible.role: Accessible.Button
    Accessible.name: textName
    Accessible.checkable: true
    Accessible.checked: checked
    Accessible.focusable: true
    Accessible.onPressAction: root.clicked()

    Image {
        id: icon
        anchors { left: parent.left; leftMargin: 15; verticalCenter: parent.verticalCenter }
        width: 24
        height: 16
        sourceSize: Qt.size(24, 16)
        fillMode: Image.PreserveAspectFit
        source: root.imgSrc
        visible: !tint.visible
    }
    ColorOverlay {
        id: tint
        anchors.fill: icon
        source: icon
        color: root.checked ? "#2684FF" : "#4A4B4E"
        visible: GraphicsInfo.api !== GraphicsInfo.Software && root.imgSrc != ""
    }

    Text {
        anchors { left: icon.right; leftMargin: 20; right: parent.right; rightMargin: 15; verticalCenter: parent.verticalCenter }
        text: root.textName
        font.family: BasicConfig.commFont
        font.pixelSize: 16
        color: root.checked ? "#2684FF" : "#4A4B4E"
        elide: Text.ElideRight
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
