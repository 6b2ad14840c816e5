import QtQuick 2.15
import QtQuick.Controls 2.15
import Qt.labs.platform 1.1 as Platform
import "../../basic"
import "../../commonUI"

// Picture page of the settings dialog: a picture file becomes the test
// picture (the back end keeps a copy of it), or the default comes back.
Item {
    id: page

    readonly property alias path: pathField.text

    Row {
        id: pathRow
        spacing: 8
        Text {
            id: pathLabel
            anchors.verticalCenter: parent.verticalCenter
            text: qsTr("选择图片:")
            font.family: BasicConfig.commFont
            font.pixelSize: 15
            color: "#4A4B4E"
        }
        KVZTextField {
            id: pathField
            objectName: "imagePathField"
            width: 360
            placeholderText: qsTr("请选择图片文件")
            Accessible.name: pathLabel.text
            Accessible.description: placeholderText
        }
        KVZPushButton {
            objectName: "imageOpenButton"
            buttonWidth: 70
            buttonHeight: 36
            textSize: 15
            buttonText: qsTr("打开")
            onClicked: fileDialog.open()
        }
    }

    Rectangle {
        id: previewFrame
        anchors { top: pathRow.bottom; topMargin: 8; horizontalCenter: parent.horizontalCenter }
        width: Math.min(580, page.width)
        height: 180
        color: "#F5F6FA"
        border.color: "#E0E3EA"
        Flickable {
            anchors.fill: parent
            anchors.margins: 1
            clip: true
            contentWidth: preview.width
            contentHeight: preview.height
            ScrollBar.vertical: ScrollBar {}
            ScrollBar.horizontal: ScrollBar {}
            // The picture at its own size, not scaled.
            Image {
                id: preview
                objectName: "imagePreview"
                fillMode: Image.Pad
                cache: false
            }
        }
    }

    Row {
        anchors { top: previewFrame.bottom; topMargin: 10; horizontalCenter: parent.horizontalCenter }
        spacing: 20
        KVZPushButton {
            objectName: "setImageButton"
            buttonWidth: 200
            buttonHeight: 36
            textSize: 15
            buttonText: qsTr("设置为测试打印图片")
            enabled: pathField.text !== ""
            opacity: enabled ? 1 : 0.5
            onClicked: if (enabled) deviceViewModel.communication.setAsTestPrintImageClicked(pathField.text)
        }
        KVZPushButton {
            objectName: "resetImageButton"
            buttonWidth: 200
            buttonHeight: 36
            textSize: 15
            buttonText: qsTr("重置为默认图片")
            enabled: pathField.text !== ""
            opacity: enabled ? 1 : 0.5
            onClicked: if (enabled) deviceViewModel.communication.setAsTestDefaultImageClicked()
        }
    }

    Platform.FileDialog {
        id: fileDialog
        title: qsTr("选择图片文件")
        nameFilters: [qsTr("图片文件 (*.png *.jpg *.jpeg *.bmp )"), qsTr("所有文件 (*)")]
        onAccepted: {
            preview.source = file
            pathField.text = String(file).replace(/^file:\/\/\//, "/").replace(/^file:\/\//, "")
        }
    }
}
