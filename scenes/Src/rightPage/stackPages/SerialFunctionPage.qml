import QtQuick 2.15
import "../../basic"

// The Serial connection page (a shell until the page is built).
Item {
    id: root
    objectName: "serialFunctionPage"

    Text {
        anchors.centerIn: parent
        text: qsTr("串口连接")
        font.family: BasicConfig.commFont
        font.pixelSize: 24
        color: "#4A4B4E"
    }
}
