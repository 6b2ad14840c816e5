import QtQuick 2.15
import "../basic"

// A check box drawn as a 20 x 20 box with "√" and a label. A click anywhere
// toggles it and then emits clicked(); enabledState only dims it.
Item {
    id: root

    property string text: ""
    property color textColor: "#000"
    property bool enabledState: true
    property int textFormat: Text.AutoText
    property bool checked: false
    property int fontTextSize: 18

    signal clicked()

    function toggle() {
        checked = !checked
        clicked()
    }

    height: 25
    width: label.implicitWidth + box.width + 30
    opacity: enabledState ? 1.0 : 0.5

    activeFocusOnTab: true
    Keys.onSpacePressed: toggle()

    Accessible.role: Accessible.CheckBox
    Accessible.name: text
    Accessible.checkable: true
    Accessible.checked: checked
    Accessible.focusable: true
    Accessible.onPressAction: toggle()
    Accessible.onToggleAction: toggle()

    Rectangle {
        id: box
        width: 20
        height: 20
        radius: 2
        anchors.verticalCenter: parent.verticalCenter
        border.color: root.activeFocus ? "#2F7EFF" : "#7a7a7f"
        border.width: 1
        color: root.checked ? "#0000A0" : "#FFFFFF"
        Text {
            anchors.centerIn: parent
            visible: root.checked
            text: "√"
            color: "white"
            font.bold: true
            font.pixelSize: 14
            Accessible.ignored: true
        }
    }

    Text {
        id: label
        anchors { left: box.right; leftMargin: 10; verticalCenter: parent.verticalCenter }
        text: root.text
        textFormat: root.textFormat
        color: root.textColor
        font.family: BasicConfig.commFont
        font.pixelSize: root.fontTextSize
        Accessible.ignored: true
    }

    MouseArea {
        anchors.fill: parent
        cursorShape: root.enabledState ? Qt.PointingHandCursor : Qt.ForbiddenCursor
        onClicked: root.toggle()
    }
}
