import QtQuick 2.15
import QtQuick.Window 2.15
import "../basic"
import "../commonUI"

// The title bar: logo and product name at the left; About, minimise and close
// at the right. The version-log window belongs to it.
Rectangle {
    id: root

    property Window hostWindow: null

    color: "white"
    radius: 15
    border.color: "#F2F2F2"

    // Squares off the lower corners.
    Rectangle {
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
        height: 15
        color: root.color
    }

    Row {
        anchors { left: parent.left; leftMargin: 20; verticalCenter: parent.verticalCenter }
        spacing: 12
        Image {
            id: logo
            width: 40
            height: 40
            sourceSize: Qt.size(80, 80)
            fillMode: Image.PreserveAspectFit
            anchors.verticalCenter: parent.verticalCenter
            // The logo of initial.ini when there is one and it can be read, else our own.
            readonly property string ownLogo: "qrc:/img/Resources/title/logo.png"
            source: qmlLanguage && qmlLanguage.getLogoImgUrl() !== "" ? qmlLanguage.getLogoImgUrl() : ownLogo
            onStatusChanged: if (status === Image.Error) source = ownLogo
            Accessible.ignored: true
        }
        Text {
            anchors.verticalCenter: parent.verticalCenter
            text: "QuillmarkSystem"
            font.family: BasicConfig.commFont
            font.pixelSize: 22
            font.bold: true
            color: "#2b3a55"
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
    }

    Row {
        anchors { right: parent.right; rightMargin: 12; verticalCenter: parent.verticalCenter }
        spacing: 5

        AboutButton {
            objectName: "aboutButton"
            onClicked: versionLog.show()
        }
        MinimizeButton {
            objectName: "minimizeButton"
            onClicked: if (root.hostWindow) root.hostWindow.showMinimized()
        }
        CloseButton {
            objectName: "closeButton"
            onBtnClick: Qt.quit()
        }
    }

    VersionLogDialog {
        id: versionLog
        objectName: "versionLogDialog"
    }
}
