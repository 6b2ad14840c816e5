import QtQuick 2.15
import QtQuick.Controls 2.15
import Qt.labs.platform 1.1 as Platform
import Quillmark.Pictures 1.0
import "../../basic"
import "../../commonUI"

// Picture page of the settings dialog: a picture file becomes the test
// picture (the back end keeps a copy of it), or the default comes back. The
// picture is shown as the test print prints it (bounded to 160 x 160 dots,
// printed at double size), beside the conversion choices, which logos share.
Item {
    id: page

    readonly property alias path: pathField.text
    readonly property alias picturePreview: testPicture

    PicturePreview {
        id: testPicture
        path: pathField.text
        bound: PicturePreview.TestPictureBound
    }

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

    Row {
        id: previewRow
        anchors { top: pathRow.bottom; topMargin: 8; horizontalCenter: parent.horizontalCenter }
        spacing: 12
        Column {
            spacing: 2
            Rectangle {
                id: previewFrame
                width: 200
                height: 168
                color: "#FFFFFF"
                border.color: "#E0E3EA"
                // The dots of the test picture (at most 160 x 160), one screen pixel each.
                Image {
                    id: preview
                    objectName: "imagePreview"
                    anchors.centerIn: parent
                    source: testPicture.source
                    cache: false
                    smooth: false
                    Accessible.role: Accessible.Graphic
                    Accessible.name: previewSize.text
                }
                Text {
                    anchors.centerIn: parent
                    visible: testPicture.status === PicturePreview.Unreadable
                    text: qsTr("无法读取")
                    color: "red"
                    font.family: BasicConfig.commFont
                    font.pixelSize: 14
                    Accessible.role: Accessible.StaticText
                    Accessible.name: text
                }
            }
            Text {
                id: previewSize
                objectName: "imagePreviewSize"
                width: previewFrame.width
                horizontalAlignment: Text.AlignRight
                text: testPicture.dotsWidth > 0 ? qsTr("%1 × %2 点").arg(testPicture.dotsWidth).arg(testPicture.dotsHeight) : ""
                font.family: BasicConfig.commFont
                font.pixelSize: 12
                color: "#2359B7"
                Accessible.role: Accessible.StaticText
                Accessible.name: text
            }
        }
        PictureConversionControls {
            objectName: "testPictureConversion"
            preview: testPicture
            rowHeight: 32
            sliderWidth: 170
            rowSpacing: 4
        }
    }

    Row {
        anchors { top: previewRow.bottom; topMargin: 10; horizontalCenter: parent.horizontalCenter }
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
            pathField.text = String(file).replace(/^file:\/\/\//, "/").replace(/^file:\/\//, "")
        }
    }
}
