import QtQuick 2.15
import QtQuick.Window 2.15
import "../basic"

// A frameless application-modal dialog window: a title row that moves the
// window when dragged, "×" at its right, Escape closes. dismissed() tells the
// owner that the user closed it without confirming.
Window {
    id: root

    property string dialogTitle: ""
    property color frameColor: "#F7FAFF"
    default property alias content: body.data
    readonly property alias body: body

    signal dismissed()

    function open() {
        show()
        raise()
        requestActivate()
    }
    function dismiss() {
        close()
        dismissed()
    }

    flags: Qt.Dialog | Qt.FramelessWindowHint
    modality: Qt.ApplicationModal
    color: "transparent"
    title: dialogTitle

    Shortcut {
        sequence: StandardKey.Cancel
        context: Qt.WindowShortcut
        onActivated: root.dismiss()
    }

    Rectangle {
        id: frame
        anchors.fill: parent
        radius: 10
        color: root.frameColor
        border.color: "#BABCC4"
        border.width: 1

        Rectangle {
            id: titleRow
            objectName: "dialogTitleRow"
            anchors { left: parent.left; right: parent.right; top: parent.top; margins: 1 }
            height: 44
            radius: 10
            gradient: Gradient {
                orientation: Gradient.Horizontal
                GradientStop { position: 0.0; color: "#BABCC4" }
                GradientStop { position: 1.0; color: "#F7FAFF" }
            }
            DragHandler {
                target: null
                onActiveChanged: if (active) root.startSystemMove()
            }
            Text {
                anchors { left: parent.left; leftMargin: 15; verticalCenter: parent.verticalCenter }
                text: root.dialogTitle
                font.family: BasicConfig.commFont
                font.pixelSize: 18
                font.bold: true
                color: "#2359B7"
                Accessible.role: Accessible.TitleBar
                Accessible.name: text
            }
            Rectangle {
                id: closeButton
                objectName: "dialogCloseButton"
                anchors { right: parent.right; rightMargin: 8; verticalCenter: parent.verticalCenter }
                width: 32
                height: 32
                radius: 16
                color: closeArea.containsMouse || activeFocus ? "#FF0000" : "transparent"
                activeFocusOnTab: true
                Keys.onSpacePressed: root.dismiss()
                Keys.onReturnPressed: root.dismiss()
                Accessible.role: Accessible.Button
                Accessible.name: "×"
                Accessible.focusable: true
                Accessible.onPressAction: root.dismiss()
                Text {
                    anchors.centerIn: parent
                    text: "×"
                    font.pixelSize: 24
                    color: closeArea.containsMouse || closeButton.activeFocus ? "white" : "#4A4B4E"
                    Accessible.ignored: true
                }
                MouseArea {
                    id: closeArea
                    anchors.fill: parent
                    hoverEnabled: true
                    cursorShape: Qt.PointingHandCursor
                    onClicked: root.dismiss()
                }
            }
        }

        Item {
            id: body
            anchors { left: parent.left; right: parent.right; top: titleRow.bottom; bottom: parent.bottom; margins: 12 }
        }
    }
}
