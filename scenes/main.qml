import QtQuick 2.15
import QtQuick.Window 2.15
import "Src/basic"

Window {
    id: mainWindow
    width: 1040
    height: 780
    visible: true
    flags: Qt.Window | Qt.FramelessWindowHint
    title: "QuillmarkSystem"

    Component.onCompleted: {
        logger.info("window size: " + width + " x " + height)
        logger.info("version: " + BasicConfig.versionNum)
    }

    Rectangle {
        anchors.fill: parent
        color: "#f4f6fa"
        Text {
            anchors.centerIn: parent
            text: "QuillmarkSystem " + BasicConfig.versionNum
            font.family: BasicConfig.commFont
            font.pixelSize: 24
            color: "#2b3a55"
        }
    }
}
