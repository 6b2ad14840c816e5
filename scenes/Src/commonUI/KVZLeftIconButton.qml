import QtQuick 2.15
import QtGraphicalEffects 1.15
import "../basic"

// A navigation button: left icon, white text, right icon (an arrow that turns
// by -90 degrees while selected). Selected: blue background, icons white.
Rectangle {
    id: root

    property bool isSelected: false
    property bool hovered: mouseArea.containsMouse
    property url leftIcon: ""
    property string text: ""
    property url rightIcon: ""

    // Differences between the navigation variants (KVZLeftButton sets these).
    property int rightIconGap: 50
    property real rightIconScale: 0.8
    property bool rightIconTurns: true
    property color rightIconHoverColor: "#666666"

    signal clicked()

    width: 210
    height: 50
    radius: 10
    color: isSelected ? "#2F7EFF" : "transparent"

    activeFocusOnTab: true
    Keys.onSpacePressed: root.clicked()
    Keys.onReturnPressed: root.clicked()

    Accessible.role: Accessible.Button
    Accessible.name: text
    Accessible.checkable: true
    Accessible.checked: isSelected
    Accessible.focusable: true
    Accessible.onPressAction: root.clicked()

    readonly property bool useOverlay: GraphicsInfo.api !== GraphicsInfo.Software

    Image {
        id: left
        anchors { left: parent.left; leftMargin: 30; verticalCenter: parent.verticalCenter }
        width: 20
        height: 20
        sourceSize: Qt.size(20, 20)
        fillMode: Image.PreserveAspectFit
        source: root.leftIcon
        visible: !leftTint.visible
    }
    ColorOverlay {
        id: leftTint
        anchors.fill: left
        source: left
        color: "white"
        visible: root.useOverlay && root.isSelected && root.leftIcon != ""
    }

    Text {
        id: label
        anchors { left: left.right; leftMargin: 10; verticalCenter: parent.verticalCenter }
        text: root.text
        color: "white"
        font.family: BasicConfig.commFont
        font.pixelSize: 20
        Accessible.ignored: true
    }

    Item {
        id: rightBox
        // The gap shrinks where a long text would push the icon off the button.
        x: Math.min(label.x + label.width + root.rightIconGap, root.width - width - 12)
        anchors.verticalCenter: parent.verticalCenter
        width: 20
        height: 20
        scale: root.rightIconScale
        rotation: root.rightIconTurns && root.isSelected ? -90 : 0
        Behavior on rotation { NumberAnimation { duration: 300 } }

        Image {
            id: right
            anchors.fill: parent
            sourceSize: Qt.size(20, 20)
            fillMode: Image.PreserveAspectFit
            source: root.rightIcon
            visible: !rightTint.visible
        }
        ColorOverlay {
            id: rightTint
            anchors.fill: right
            source: right
            color: root.isSelected ? "white" : root.rightIconHoverColor
            visible: root.useOverlay && root.rightIcon != "" && (root.isSelected || rightHover.containsMouse)
        }
        MouseArea {
            id: rightHover
            anchors.fill: parent
            hoverEnabled: true
            acceptedButtons: Qt.NoButton
        }
    }

    Rectangle {
        anchors.fill: parent
        radius: parent.radius
        color: "transparent"
        border.width: root.activeFocus ? 1 : 0
        border.color: "white"
    }

    MouseArea {
        id: mouseArea
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: root.clicked()
    }
}
