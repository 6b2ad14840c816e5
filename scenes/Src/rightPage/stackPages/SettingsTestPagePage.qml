import QtQuick 2.15
import QtQuick.Controls 2.15
import Quillmark.Preview 1.0
import "../../basic"
import "../../commonUI"

// Test-page page of the settings dialog: the test page as hexadecimal command
// text, and beside it the page as the printer draws it on 58 or 80 mm paper,
// following every edit. Only command input exists; the text choice is shown
// disabled.
Item {
    id: page

    property alias text: editor.text
    readonly property alias printPreview: testPagePreview

    PrintPreview {
        id: testPagePreview
        paperMm: previewChoice.currentIndex === 0 ? 58 : 80
    }

    ButtonGroup { id: inputKind }

    Row {
        id: kindRow
        spacing: 10
        KVZRadioButton {
            objectName: "testPageCommandRadio"
            contentText: qsTr("指令")
            checked: true
            enabledState: false
            exclusiveGroup: inputKind
            radioWidth: 90
        }
        KVZRadioButton {
            objectName: "testPageTextRadio"
            contentText: qsTr("文本(未实现)")
            enabledState: false
            exclusiveGroup: inputKind
            radioWidth: 160
        }
    }

    ScrollView {
        id: editorFrame
        anchors { left: parent.left; right: previewFrame.left; top: kindRow.bottom; bottom: buttons.top; topMargin: 8
                  bottomMargin: 8; rightMargin: 8 }
        clip: true
        TextArea {
            id: editor
            objectName: "testPageEditor"
            wrapMode: TextEdit.Wrap
            selectByMouse: true
            font.family: "monospace"
            font.pixelSize: 13
            placeholderText: qsTr("在这里输入打印测试页对应的指令代码")
            Accessible.name: placeholderText
            onTextChanged: testPagePreview.showHexText(text)
            background: Rectangle {
                color: "#FFFFFF"
                border.color: editor.activeFocus ? "#2F7EFF" : "#BcBaC3"
                radius: 6
            }
        }
    }

    Rectangle {
        id: previewFrame
        anchors { right: parent.right; top: parent.top; bottom: buttons.top; bottomMargin: 8 }
        width: 230
        color: "#FFFFFF"
        border.color: "#E0E3EA"
        radius: 4

        SegmentedChoice {
            id: previewChoice
            objectName: "testPagePreviewChoice"
            anchors { top: parent.top; horizontalCenter: parent.horizontalCenter; topMargin: 6 }
            options: ["58 mm", "80 mm"]
            currentIndex: 1
        }
        PrintPreviewPane {
            objectName: "testPagePrintPreview"
            anchors { left: parent.left; right: parent.right; top: previewChoice.bottom; bottom: parent.bottom; margins: 8 }
            preview: testPagePreview
        }
    }

    Row {
        id: buttons
        anchors { bottom: parent.bottom; horizontalCenter: parent.horizontalCenter }
        spacing: 14
        KVZPushButton {
            objectName: "setTestPageButton"
            buttonWidth: 160
            buttonHeight: 36
            textSize: 15
            buttonText: qsTr("设置为测试页")
            enabled: editor.text !== ""
            opacity: enabled ? 1 : 0.5
            onClicked: if (enabled) deviceViewModel.communication.setTestPrintContentClicked(editor.text)
        }
        KVZPushButton {
            objectName: "resetTestPageButton"
            buttonWidth: 160
            buttonHeight: 36
            textSize: 15
            buttonText: qsTr("重置为默认内容")
            onClicked: {
                editor.text = ""
                deviceViewModel.communication.setTestDefaultPrintContentClicked()
            }
        }
        KVZPushButton {
            objectName: "showDefaultTestPageButton"
            buttonWidth: 160
            buttonHeight: 36
            textSize: 15
            buttonText: qsTr("显示默认内容")
            onClicked: editor.text = configManager.defaultTestPageText()
        }
    }
}
