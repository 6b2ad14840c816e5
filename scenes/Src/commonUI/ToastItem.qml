import QtQuick 2.15
import "../basic"

// One notice of a Toast manager: fades in, waits `duration`, fades out, then
// leaves the manager's list and is destroyed.
Rectangle {
    id: root

    property Item manager: null
    property string message: ""
    property int duration: 3000
    property url iconSource: ""
    property color backgroundColor: "#CC000000"
    property color foregroundColor: "white"
    property int fontSize: 14
    property int iconSize: 20

    function start() {
        fadeIn.start()
        timer.start()
    }

    color: backgroundColor
    opacity: 0
    z: 1000
    width: Math.max(140, content.width + 50)
    height: Math.max(40, content.height + 24)

    Accessible.role: Accessible.AlertMessage
    Accessible.name: message

    Row {
        id: content
        anchors.centerIn: parent
        spacing: 8
        Image {
            id: icon
            visible: root.iconSource != ""
            width: visible ? root.iconSize : 0
            height: root.iconSize
            sourceSize: Qt.size(root.iconSize, root.iconSize)
            anchors.verticalCenter: parent.verticalCenter
            fillMode: Image.PreserveAspectFit
            source: root.iconSource
        }
        Text {
            id: label
            anchors.verticalCenter: parent.verticalCenter
            width: Math.min(implicitWidth, root.manager ? Math.max(100, root.manager.width * 0.8 - 50) : 400)
            text: root.message
            color: root.foregroundColor
            font.family: BasicConfig.commFont
            font.pixelSize: root.fontSize
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            Accessible.ignored: true
        }
    }

    NumberAnimation {
        id: fadeIn
        target: root
        property: "opacity"
        from: 0
        to: 1
        duration: 300
        easing.type: Easing.InOutQuad
    }

    SequentialAnimation {
        id: fadeOut
        NumberAnimation { target: root; property: "opacity"; to: 0; duration: 300; easing.type: Easing.InOutQuad }
        ScriptAction {
            script: {
                if (root.manager)
                    root.manager.remove(root)
                root.destroy()
            }
        }
    }

    Timer {
        id: timer
        interval: root.duration
        onTriggered: {
            fadeIn.stop()
            fadeOut.start()
        }
    }
}
