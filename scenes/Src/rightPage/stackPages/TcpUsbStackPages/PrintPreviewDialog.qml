import QtQuick 2.15
import Quillmark.Preview 1.0
import "../../../basic"
import "../../../commonUI"

// "预览" of the text page: what "打印/设置" would send for the chosen action,
// as the printer draws it on 58 or 80 mm paper. Nothing is sent.
KVZDialogFrame {
    id: dialog
    objectName: "printPreviewDialog"

    readonly property alias printPreview: preview

    // The bytes of the page's action (see PrintPreview.showWorkingModeText).
    function showText(action, hex, text, codePage, value) {
        preview.showWorkingModeText(action, hex, text, codePage, value)
        open()
        closeButton.forceActiveFocus()
    }

    dialogTitle: qsTr("预览")
    width: 420
    height: 600

    PrintPreview {
        id: preview
        paperMm: paperChoice.currentIndex === 0 ? 58 : 80
    }

    SegmentedChoice {
        id: paperChoice
        objectName: "printPreviewPaper"
        anchors { top: parent.top; horizontalCenter: parent.horizontalCenter }
        options: ["58 mm", "80 mm"]
        segmentWidth: 80
        currentIndex: 1
    }

    PrintPreviewPane {
        objectName: "printPreviewPane"
        anchors { left: parent.left; right: parent.right; top: paperChoice.bottom; bottom: closeButton.top
                  topMargin: 8; bottomMargin: 8 }
        preview: preview
    }

    KVZPushButton {
        id: closeButton
        objectName: "printPreviewClose"
        anchors { bottom: parent.bottom; horizontalCenter: parent.horizontalCenter }
        buttonWidth: 120
        buttonHeight: 34
        textSize: 16
        buttonText: qsTr("关闭")
        onClicked: dialog.close()
    }
}
