import QtQuick 2.15
import QtQuick.Controls 2.15
import "../basic"
import "../commonUI"

// Asks before the language switch restarts the program. The question stands in
// both languages, so it is understood whichever one is showing now.
Popup {
    id: root

    // "en_US" or "zh_CN": the language the program restarts in.
    property string targetLanguage: "en_US"

    signal restartConfirmed(string language)

    parent: Overlay.overlay
    modal: true
    dim: true
    closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutside
    width: 380
    height: 250
    x: parent ? Math.round((parent.width - width) / 2) : 0
    y: parent ? Math.round((parent.height - height) / 2) : 0
    padding: 0
    focus: true

    onOpened: {
        // Centre again each time (a drag moved it last time).
        x = Math.round((parent.width - width) / 2)
        y = Math.round((parent.height - height) / 2)
        noButton.forceActiveFocus()
    }

    function confirm() {
        close()
        qmlLanguage.hideMainWindow()
        if (targetLanguage === "zh_CN") {
            qmlLanguage.setLanguage(1)
            qmlLanguage.setLanguage2Config("zh_CN")
        } else {
            qmlLanguage.setLanguage(0)
            qmlLanguage.setLanguage2Config("en_US")
        }
        restartConfirmed(targetLanguage)
    }

    background: Rectangle {
        radius: 12
        color: "white"
    }

    contentItem: Item {
        // Escape also when the window lost its activation (the popup's own
        // shortcut needs an active window).
        Keys.onEscapePressed: root.close()
        Accessible.role: Accessible.Dialog
        Accessible.name: qsTr("提示")

        Rectangle {
            id: header
            objectName: "restartDialogHeader"
            anchors { left: parent.left; right: parent.right; top: parent.top }
            height: 50
            radius: 12
            color: "#3498db"
            Rectangle {
                anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
                height: 12
                color: parent.color
            }
            Text {
                anchors { left: parent.left; leftMargin: 20; verticalCenter: parent.verticalCenter }
                text: qsTr("提示")
                color: "white"
                font.family: BasicConfig.commFont
                font.pixelSize: 18
                font.bold: true
                Accessible.role: Accessible.Heading
                Accessible.name: text
            }
            // Dragging the header moves the dialog, kept inside the window.
            MouseArea {
                id: dragArea
                anchors.fill: parent
                property point pressPoint
                onPressed: pressPoint = Qt.point(mouse.x, mouse.y)
                onPositionChanged: {
                    const p = root.parent
                    root.x = Math.max(0, Math.min(p.width - root.width, root.x + mouse.x - pressPoint.x))
                    root.y = Math.max(0, Math.min(p.height - root.height, root.y + mouse.y - pressPoint.y))
                }
            }
            Rectangle {
                objectName: "restartDialogClose"
                anchors { right: parent.right; rightMargin: 12; verticalCenter: parent.verticalCenter }
                width: 28
                height: 28
                radius: 14
                color: closeArea.containsMouse ? "#5dade2" : "#2e86c1"
                Text {
                    anchors.centerIn: parent
                    text: "×"
                    color: "white"
                    font.pixelSize: 20
                }
                Accessible.role: Accessible.Button
                Accessible.name: qsTr("关闭")
                Accessible.onPressAction: root.close()
                MouseArea {
                    id: closeArea
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: root.close()
                }
            }
        }

        Row {
            anchors { left: parent.left; right: parent.right; top: header.bottom; topMargin: 25; leftMargin: 25; rightMargin: 25 }
            spacing: 15
            Image {
                width: 44
                height: 44
                sourceSize: Qt.size(64, 64)
                source: "qrc:/img/Resources/dialog/warning.png"
                onStatusChanged: if (status === Image.Error) visible = false
                Accessible.ignored: true
            }
            Column {
                width: parent.width - 60
                spacing: 8
                Text {
                    width: parent.width
                    text: "切换语言将重启程序，是否重启程序？"
                    wrapMode: Text.WordWrap
                    font.family: BasicConfig.commFont
                    font.pixelSize: 15
                    color: "#333333"
                    Accessible.role: Accessible.StaticText
                    Accessible.name: text
                }
                Text {
                    width: parent.width
                    text: "Switching languages will restart the program. Do you want to restart the program?"
                    wrapMode: Text.WordWrap
                    font.family: BasicConfig.commFont
                    font.pixelSize: 13
                    color: "#666666"
                    Accessible.role: Accessible.StaticText
                    Accessible.name: text
                }
            }
        }

        Row {
            anchors { right: parent.right; rightMargin: 25; bottom: parent.bottom; bottomMargin: 20 }
            spacing: 15
            KVZPushButton {
                id: noButton
                objectName: "restartNoButton"
                buttonWidth: 100
                buttonText: qsTr("否")
                textSize: 16
                buttonColor: "#95a5a6"
                buttonHoverColor: "#7f8c8d"
                buttonPressedColor: "#707b7c"
                onClicked: root.close()
            }
            KVZPushButton {
                objectName: "restartYesButton"
                buttonWidth: 100
                buttonText: qsTr("是")
                textSize: 16
                onClicked: root.confirm()
            }
        }
    }
}
