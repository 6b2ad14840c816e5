import QtQuick 2.15
import "../basic"

// The common push button: colour follows hover and press, the button shrinks a
// little while pressed. A click (mouse, Space, Return or an assistive tool)
// always emits clicked().
Rectangle {
    id: root

    property int buttonWidth: 130
    property int buttonHeight: 40
    property int buttonRadius: 5
    property color buttonColor: "#2F7EFF"
    property color buttonHoverColor: "#1E6EE6"
    property color buttonPressedColor: "#1559C7"
    property string buttonText: qsTr("按钮")
    property color buttonTextColor: "#FFFFFF"
    property url buttonImgSrc: ""
    property bool buttonImgVisible: false
    property bool buttonTextUnderline: false
    property bool enableFeedback: true
    property int textSize: 20

    signal clicked()

    // Wider than buttonWidth when the text needs it: a label is never cut.
    width: Math.max(buttonWidth, label.implicitWidth + (buttonImgVisible ? imageColumn.width : 0) + 12)
    height: buttonHeight
    radius: buttonRadius
    color: !enableFeedback ? buttonColor
         : mouseArea.pressed ? buttonPressedColor
         : mouseArea.containsMouse ? buttonHoverColor
         : buttonColor
    scale: enableFeedback && mouseArea.pressed ? 0.95 : 1.0
    border.width: activeFocus ? 2 : 0
    border.color: Qt.lighter(buttonPressedColor, 1.6)

    Behavior on color { ColorAnimation { duration: 150 } }
    Behavior on scale { NumberAnimation { duration: 100 } }

    activeFocusOnTab: true
    Keys.onSpacePressed: root.clicked()
    Keys.onReturnPressed: root.clicked()
    Keys.onEnterPressed: root.clicked()

    Accessible.role: Accessible.Button
    Accessible.name: buttonText
    Accessible.focusable: true
    Accessible.onPressAction: root.clicked()

    Item {
        id: imageColumn
        width: 32
        anchors { left: parent.left; top: parent.top; bottom: parent.bottom }
        visible: root.buttonImgVisible
        Image {
            anchors.centerIn: parent
            width: 20
            height: 20
            sourceSize: Qt.size(20, 20)
            source: root.buttonImgSrc
            fillMode: Image.PreserveAspectFit
        }
    }

    Text {
        id: label
        anchors.centerIn: parent
        text: root.buttonText
        color: root.buttonTextColor
        font.family: BasicConfig.commFont
        font.pixelSize: root.textSize
        font.underline: root.buttonTextUnderline
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
