import QtQuick 2.15
import "../../basic"

// The USB connection page (a shell until the page is built).
Item {
    id: root
    objectName: "usbFunctionPage"

    Text {
        anchors.centerIn: parent
        text: qsTr("USB连接")
        font.family: BasicConfig.commFont
        font.pixelSize: 24
        color: "#4A4B4E"
    }
}
