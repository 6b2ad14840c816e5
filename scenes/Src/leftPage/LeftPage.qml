import QtQuick 2.15
import QtQuick.Window 2.15
import "../basic"
import "../commonUI"

// The navigation column: the four transports, the language switch and the
// button that opens the log window.
Rectangle {
    id: root

    property Window hostWindow: null
    // 0 USB, 1 TCP, 2 serial, 3 driver: the entry shown as selected.
    property int currentEntry: 0
    readonly property alias restartDialog: restartDialog
    property var logDialog: null
    property bool logDialogOpen: false
    // The language the program runs in ("zh_CN", "en_US" or "" when none was recognised).
    readonly property string language: qmlLanguage ? qmlLanguage.language : ""

    color: "#313542"

    function selectEntry(index) {
        currentEntry = index
        switch (index) {
        case 0: BasicConfig.jumpToUSBPage(); break
        case 1: BasicConfig.jumpToTCPPage(); break
        case 2: BasicConfig.jumpToSerialPage(); break
        case 3: BasicConfig.jumpToDevicePage(); break
        }
    }

    function askLanguageSwitch() {
        restartDialog.targetLanguage = language === "zh_CN" ? "en_US" : "zh_CN"
        restartDialog.open()
    }

    // Created on the first click and kept; a later click only shows it again
    // or brings it to the front.
    function openLog() {
        if (!logDialog) {
            logDialog = logDialogComponent.createObject(null)
            logDialog.dialogClosed.connect(function () { root.logDialogOpen = false })
        }
        if (logDialogOpen) {
            logDialog.raise()
            logDialog.requestActivate()
            return
        }
        logDialog.show()
        logDialog.raise()
        logDialog.requestActivate()
        logDialogOpen = true
    }

    Component {
        id: logDialogComponent
        LogDialog { objectName: "logDialog" }
    }

    Column {
        anchors { top: parent.top; topMargin: 50; horizontalCenter: parent.horizontalCenter }
        spacing: 10

        KVZLeftIconButton {
            id: manageHeader
            objectName: "manageHeader"
            width: 210
            height: 50
            radius: 10
            text: qsTr("管理")
            leftIcon: "qrc:/img/Resources/leftBar/manage.png"
            rightIcon: "qrc:/img/Resources/leftBar/arrow-down.png"
            isSelected: true
            activeFocusOnTab: false
        }

        Item {
            id: modeList
            width: 200
            height: manageHeader.isSelected ? entries.height : 0
            clip: true
            Behavior on height { NumberAnimation { duration: 300; easing.type: Easing.OutCubic } }

            Column {
                id: entries
                anchors.horizontalCenter: parent.horizontalCenter
                Repeater {
                    model: [
                        { name: "usbEntry", label: "Usb" },
                        { name: "tcpEntry", label: "Tcp" },
                        { name: "serialEntry", label: qsTr("串口") },
                        { name: "driverEntry", label: qsTr("驱动") }
                    ]
                    ModeEntry {
                        objectName: modelData.name
                        text: modelData.label
                        selected: root.currentEntry === index
                        onClicked: root.selectEntry(index)
                    }
                }
            }
        }
    }

    Column {
        anchors { bottom: parent.bottom; bottomMargin: 30; horizontalCenter: parent.horizontalCenter }
        spacing: 15

        Rectangle { width: 180; height: 1; color: "#4a4a5a"; opacity: 0.6; anchors.horizontalCenter: parent.horizontalCenter }
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("切换语言")
            color: "#CCCCCC"
            font.family: BasicConfig.commFont
            font.pixelSize: 14
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
        GradientButton {
            objectName: "languageButton"
            anchors.horizontalCenter: parent.horizontalCenter
            text: root.language === "zh_CN" ? "English" : "Chinese"
            onClicked: root.askLanguageSwitch()
        }
        Rectangle { width: 180; height: 1; color: "#4a4a5a"; opacity: 0.6; anchors.horizontalCenter: parent.horizontalCenter }
        GradientButton {
            objectName: "openLogButton"
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("打开日志")
            onClicked: root.openLog()
        }
    }

    RestartDialog {
        id: restartDialog
        objectName: "restartDialog"
    }
}
