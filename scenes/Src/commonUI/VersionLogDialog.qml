import QtQuick 2.15
import QtQuick.Window 2.15
import QtQuick.Controls 2.15
import "../basic"

// The version-log window opened by the About button: product, version and the
// change log.
Window {
    id: root

    signal dialogClosed()

    title: qsTr("版本更新日志")
    modality: Qt.ApplicationModal
    width: 700
    height: 550
    minimumWidth: 700
    maximumWidth: 700
    minimumHeight: 550
    maximumHeight: 550
    visible: false
    color: "#f8f9fa"

    onVisibleChanged: if (!visible) dialogClosed()

    Shortcut {
        sequence: StandardKey.Cancel
        onActivated: root.close()
    }

    Column {
        anchors.fill: parent
        anchors.margins: 15
        spacing: 10

        Rectangle {
            width: parent.width
            height: 50
            radius: 8
            color: "white"
            Text {
                anchors.centerIn: parent
                text: qsTr("版本更新日志")
                font.family: BasicConfig.commFont
                font.pixelSize: 20
                font.bold: true
                color: "#2c3e50"
                Accessible.role: Accessible.Heading
                Accessible.name: text
            }
        }

        Rectangle {
            width: parent.width
            height: 80
            radius: 8
            color: "white"
            Accessible.role: Accessible.Grouping
            Accessible.name: "QuillmarkSystem"
            Column {
                anchors.centerIn: parent
                spacing: 6
                Text {
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: "QuillmarkSystem"
                    font.family: BasicConfig.commFont
                    font.pixelSize: 22
                    font.bold: true
                    color: "#3498db"
                    Accessible.role: Accessible.StaticText
                    Accessible.name: text
                }
                Text {
                    objectName: "versionLogVersion"
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: qsTr("版本：") + BasicConfig.versionNum
                    font.family: BasicConfig.commFont
                    font.pixelSize: 15
                    color: "#606266"
                    Accessible.role: Accessible.StaticText
                    Accessible.name: text
                }
            }
        }

        Rectangle {
            width: parent.width
            height: parent.height - 50 - 80 - 60 - 3 * parent.spacing
            radius: 8
            color: "white"
            ScrollView {
                anchors.fill: parent
                anchors.margins: 8
                clip: true
                TextArea {
                    objectName: "versionLogText"
                    readOnly: true
                    selectByMouse: true
                    wrapMode: TextEdit.Wrap
                    textFormat: TextEdit.PlainText
                    text: BasicConfig.versionUpdateLog
                    font.family: BasicConfig.commFont
                    font.pixelSize: 13
                    Accessible.name: qsTr("版本更新日志")
                }
            }
        }

        Rectangle {
            width: parent.width
            height: 60
            radius: 8
            color: "white"
            KVZPushButton {
                objectName: "versionLogCloseButton"
                anchors { right: parent.right; rightMargin: 15; verticalCenter: parent.verticalCenter }
                buttonWidth: 100
                buttonHeight: 40
                buttonRadius: 15
                buttonColor: "#3498db"
                buttonHoverColor: "#2e86c1"
                buttonPressedColor: "#21618c"
                buttonText: qsTr("关闭")
                textSize: 16
                onClicked: root.close()
            }
        }
    }
}
