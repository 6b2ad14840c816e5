import QtQuick 2.15
import QtQuick.Window 2.15
import QtQuick.Layouts 1.15
import "../../basic"
import "../../commonUI"

// What the test prints contain: picture, barcode, test page and the sample
// receipts. A frameless application-modal window; the pages keep their
// contents while it is hidden. Every choice goes to the current device
// manager, which stores it for the next test print.
Window {
    id: dialog
    objectName: "settingsDialog"

    // The page shown: 0 picture, 1 barcode, 2 test page, 3 receipts.
    property int currentPage: 0
    readonly property var tabs: [
        { text: qsTr("图片"), header: qsTr("设置打印图片"), glyph: "▣" },
        { text: qsTr("条码"), header: qsTr("设置打印条码"), glyph: "▥" },
        { text: qsTr("测试页"), header: qsTr("设置打印测试页"), glyph: "▤" },
        { text: qsTr("小票"), header: qsTr("设置打印小票"), glyph: "▦" }
    ]

    function open() {
        visible = true
        raise()
        requestActivate()
    }

    width: 680
    height: 420
    minimumWidth: 680
    minimumHeight: 420
    maximumWidth: 680
    maximumHeight: 420
    visible: false
    title: qsTr("设置打印内容")
    flags: Qt.Dialog | Qt.FramelessWindowHint
    modality: Qt.ApplicationModal
    color: "transparent"

    onVisibleChanged: {
        if (visible) {
            fadeIn.restart()
            frame.forceActiveFocus()
        }
    }

    Shortcut {
        sequence: "Esc"
        context: Qt.WindowShortcut
        onActivated: dialog.close()
    }

    Rectangle {
        id: frame
        anchors.fill: parent
        radius: 10
        color: "#F7FAFF"
        border.color: "#BABCC4"
        border.width: 1
        focus: true

        NumberAnimation { id: fadeIn; target: frame; property: "opacity"; from: 0; to: 1; duration: 200 }

        Rectangle {
            id: titleBar
            objectName: "settingsDialogTitleBar"
            anchors { left: parent.left; right: parent.right; top: parent.top; margins: 1 }
            height: 44
            radius: 10
            color: "#EAEEF5"

            Text {
                anchors { left: parent.left; leftMargin: 16; verticalCenter: parent.verticalCenter }
                text: dialog.title
                font.family: BasicConfig.commFont
                font.pixelSize: 18
                font.bold: true
                color: "#2359B7"
                Accessible.role: Accessible.TitleBar
                Accessible.name: text
            }

            DragHandler {
                target: null
                onActiveChanged: if (active) dialog.startSystemMove()
            }

            CloseButton {
                objectName: "settingsDialogClose"
                anchors { right: parent.right; rightMargin: 4; verticalCenter: parent.verticalCenter }
                width: 36
                height: 36
                onBtnClick: dialog.close()
            }
        }

        Column {
            id: tabColumn
            anchors { left: parent.left; top: titleBar.bottom; leftMargin: 8; topMargin: 10 }
            width: 64
            spacing: 6
            Repeater {
                model: dialog.tabs
                SidebarButton {
                    objectName: "settingsTab_" + index
                    width: 64
                    iconText: modelData.glyph
                    buttonText: modelData.text
                    isActive: dialog.currentPage === index
                    onClicked: dialog.currentPage = index
                }
            }
        }

        Rectangle {
            id: content
            anchors { left: tabColumn.right; right: parent.right; top: titleBar.bottom; bottom: parent.bottom
                      leftMargin: 8; rightMargin: 10; topMargin: 8; bottomMargin: 10 }
            radius: 6
            color: "#FFFFFF"
            border.color: "#E0E3EA"

            Text {
                id: header
                objectName: "settingsPageHeader"
                anchors { left: parent.left; top: parent.top; leftMargin: 12; topMargin: 8 }
                text: dialog.tabs[dialog.currentPage].header
                font.family: BasicConfig.commFont
                font.pixelSize: 16
                font.bold: true
                color: "#4A4B4E"
                Accessible.role: Accessible.Heading
                Accessible.name: text
            }

            // Swiping is off: only the tabs change the page.
            StackLayout {
                anchors { left: parent.left; right: parent.right; top: header.bottom; bottom: parent.bottom; margins: 8 }
                currentIndex: dialog.currentPage
                SettingsImagePage { objectName: "settingsImagePage" }
                SettingsBarcodePage { objectName: "settingsBarcodePage" }
                SettingsTestPagePage { objectName: "settingsTestPagePage" }
                SettingsReceiptPage { objectName: "settingsReceiptPage" }
            }
        }
    }
}
