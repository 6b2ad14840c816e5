import QtQuick 2.15
import "../basic"

// The blue buttons at the foot of the navigation (language, log): vertical
// gradient, lighter under the pointer, a soft shadow below.
Item {
    id: root

    property string text: ""

    signal clicked()

    width: 160
    height: 42

    activeFocusOnTab: true
    Keys.onSpacePressed: root.clicked()
    Keys.onReturnPressed: root.clicked()

    Accessible.role: Accessible.Button
    Accessible.name: text
    Accessible.focusable: true
    Accessible.onPressAction: root.clicked()

    // Drawn shadow: cheap on every scene-graph back end.
    Rectangle {
        x: 0
        y: 3
        width: parent.width
        height: parent.height
        radius: 10
        color: "#40000000"
    }

    Rectangle {
        anchors.fill: parent
        radius: 10
        scale: mouseArea.pressed ? 0.97 : 1.0
        border.width: root.activeFocus ? 2 : 0
        border.color: "white"
        gradient: Gradient {
            GradientStop { position: 0.0; color: mouseArea.containsMouse ? "#5A98FF" : "#2F7EFF" }
            GradientStop { position: 1.0; color: mouseArea.containsMouse ? "#4A8CE0" : "#2775d6" }
        }
        Text {
            anchors.centerIn: parent
            text: root.text
            color: "white"
            font.family: BasicConfig.commFont
            font.pixelSize: 16
            font.bold: true
            Accessible.ignored: true
        }
    }

    MouseArea {
        id: mouseArea
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: root.clicked()
    }
}
