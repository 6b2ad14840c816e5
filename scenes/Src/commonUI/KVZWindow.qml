import QtQuick 2.15
import QtQuick.Window 2.15

// The frameless main window: transparent window colour, a rounded background
// and a band along the top edge that moves the window when dragged.
Window {
    id: root

    property alias backgroundColor: background.color
    property int cornerRadius: 15
    default property alias content: background.data

    flags: Qt.FramelessWindowHint | Qt.Window | Qt.WindowSystemMenuHint
           | Qt.WindowMaximizeButtonHint | Qt.WindowMinimizeButtonHint
    color: "transparent"

    Rectangle {
        id: background
        anchors.fill: parent
        radius: root.cornerRadius
        color: "#FFFFFF"
    }

    // Below everything else (z -1 inside the background), so the title bar's
    // buttons keep their own clicks.
    Item {
        id: dragBand
        objectName: "dragBand"
        parent: background
        z: -1
        height: 80
        anchors { left: parent.left; right: parent.right; top: parent.top; leftMargin: 3; rightMargin: 3; topMargin: 3 }
        DragHandler {
            target: null
            onActiveChanged: if (active) root.startSystemMove()
        }
    }
}
