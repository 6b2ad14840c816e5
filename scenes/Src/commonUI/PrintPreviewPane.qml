import QtQuick 2.15
import QtQuick.Controls 2.15
import "../basic"

// The pages of a print preview (a PrintPreview from the back end): one
// picture of the paper per cut, drawn by the printer's own renderer, as wide
// as the pane allows (never larger than one pixel a dot).
Item {
    id: pane

    property var preview: null
    readonly property int pageCount: preview ? preview.pages.length : 0
    // Screen pixels per printer dot.
    readonly property real dotScale: preview ? Math.min(1, (flick.width - 14) / preview.paperDots) : 1

    Flickable {
        id: flick
        anchors { left: parent.left; right: parent.right; top: parent.top; bottom: notes.top; bottomMargin: 4 }
        clip: true
        contentHeight: pageColumn.height
        ScrollBar.vertical: ScrollBar { width: 8 }

        Column {
            id: pageColumn
            width: flick.width - 10
            spacing: 10

            Repeater {
                model: pane.preview ? pane.preview.pages : []
                Rectangle {
                    objectName: "previewPage_" + index
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: picture.width + 2
                    height: picture.height + 2
                    color: "#FFFFFF"
                    border.color: "#C9CDD6"
                    Accessible.role: Accessible.Graphic
                    Accessible.name: qsTr("预览第 %1 张").arg(index + 1)

                    Image {
                        id: picture
                        objectName: "previewPicture_" + index
                        x: 1
                        y: 1
                        source: modelData
                        cache: false
                        smooth: true
                        mipmap: true
                        width: Math.round(sourceSize.width * pane.dotScale)
                        height: Math.round(sourceSize.height * pane.dotScale)
                    }
                }
            }
        }
    }

    Column {
        id: notes
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
        Text {
            objectName: "previewNothing"
            visible: pane.preview !== null && !pane.preview.busy && pane.pageCount === 0
            width: parent.width
            text: qsTr("不会打印任何内容")
            color: "#7A8BA8"
            font.family: BasicConfig.commFont
            font.pixelSize: 13
            wrapMode: Text.Wrap
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
        Text {
            objectName: "previewUndecoded"
            visible: pane.preview !== null && pane.preview.undecodedCount > 0
            width: parent.width
            text: qsTr("%1 处打印机无法识别").arg(pane.preview ? pane.preview.undecodedCount : 0)
            color: "#e74c3c"
            font.family: BasicConfig.commFont
            font.pixelSize: 13
            wrapMode: Text.Wrap
            Accessible.role: Accessible.AlertMessage
            Accessible.name: text
        }
        Text {
            objectName: "previewUnprinted"
            visible: pane.preview !== null && pane.preview.unprintedCount > 0
            width: parent.width
            text: qsTr("%1 个条码或二维码无法打印").arg(pane.preview ? pane.preview.unprintedCount : 0)
            color: "#e74c3c"
            font.family: BasicConfig.commFont
            font.pixelSize: 13
            wrapMode: Text.Wrap
            Accessible.role: Accessible.AlertMessage
            Accessible.name: text
        }
        Text {
            objectName: "previewHiddenPages"
            visible: pane.preview !== null && pane.preview.hiddenPages > 0
            width: parent.width
            text: qsTr("另有 %1 张未显示").arg(pane.preview ? pane.preview.hiddenPages : 0)
            color: "#7A8BA8"
            font.family: BasicConfig.commFont
            font.pixelSize: 13
            wrapMode: Text.Wrap
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
    }
}
