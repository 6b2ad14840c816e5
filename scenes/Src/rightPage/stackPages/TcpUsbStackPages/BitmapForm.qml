import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import Qt.labs.platform 1.1 as Platform
import Quillmark.Pictures 1.0
import "../../../basic"
import "../../../commonUI"
import ".."

// Pictures and logos: up to seven pictures chosen through the desktop's file
// dialog become the printer's logos 1 to 7; a stored logo prints in one of
// four sizes. The chosen picture is shown as it will print, beside the
// conversion choices.
Item {
    id: root
    objectName: "bitmapForm"

    readonly property int maxPictures: 7
    // Local paths of the chosen pictures, in list order.
    property var processedPaths: []
    property var toast: null
    readonly property alias pictureCount: pictures.count
    readonly property alias fileDialog: fileDialog
    // The picture shown in the preview (-1 and "": none).
    property int selectedIndex: -1
    property string selectedPath: ""
    readonly property alias preview: preview

    implicitWidth: 780
    implicitHeight: 640

    ButtonGroup { id: modeGroup }

    function notifier() { return toast ? toast : localToast }
    function notifyError(message) {
        var t = notifier()
        t.bgColor = "#FDE7E9"
        t.textColor = "black"
        t.showMessage(message, 3000, "qrc:/img/Resources/commonUI/errorTips.png")
    }
    function localPath(url) {
        var text = String(url)
        return text.indexOf("file://") === 0 ? decodeURIComponent(text.substring(7)) : text
    }
    function selectPicture(index) {
        selectedIndex = index >= 0 && index < pictures.count ? index : -1
        selectedPath = selectedIndex >= 0 ? pictures.get(selectedIndex).path : ""
    }
    // Takes the chosen files (URLs) up to seven pictures in all and hands all
    // kept paths to the back end, which turns them into logos.
    function addPictures(urls) {
        var paths = processedPaths.slice()
        var firstNew = pictures.count
        for (var i = 0; i < urls.length && pictures.count < maxPictures; ++i) {
            var path = localPath(urls[i])
            var usable = helperFunction.isUsablePicture(path)
            pictures.append({ url: String(urls[i]), path: path, usable: usable })
            paths.push(path)
            if (!usable)
                notifyError(qsTr("图片无法读取或过大，对应的logo为空: ") + path)
        }
        if (urls.length > 0 && paths.length === processedPaths.length)
            notifyError(qsTr("最多只能选择7张图片"))
        processedPaths = paths
        if (firstNew < pictures.count)
            selectPicture(firstNew)
        deviceViewModel.communication.setLoadClickedMultiple(processedPaths)
    }
    function removePicture(index) {
        pictures.remove(index)
        var paths = processedPaths.slice()
        paths.splice(index, 1)
        processedPaths = paths
        selectPicture(index < selectedIndex || selectedIndex >= pictures.count ? selectedIndex - 1 : selectedIndex)
    }
    function clearPictures() {
        pictures.clear()
        processedPaths = []
        selectPicture(-1)
    }
    function modeChoice() {
        return modeGroup.checkedButton ? modeGroup.checkedButton.parent.choice : 1
    }

    ListModel { id: pictures }

    // The chosen picture as the printer will print it, with the logo limits.
    PicturePreview {
        id: preview
        path: root.selectedPath
        bound: PicturePreview.LogoBound
    }

    Platform.FileDialog {
        id: fileDialog
        title: qsTr("选择图片（最多7张）")
        fileMode: Platform.FileDialog.OpenFiles
        nameFilters: [qsTr("图片文件") + " (*.png *.jpg *.jpeg *.bmp)"]
        onAccepted: root.addPictures(files)
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 10
        spacing: 8

        KVZGroupBox {
            objectName: "pictureGroup"
            title: qsTr("位图")
            Layout.fillWidth: true
            // Up to 200 high; less when the texts below need two rows.
            Layout.fillHeight: true
            Layout.preferredHeight: 200
            Layout.maximumHeight: 200
            Layout.minimumHeight: 160
            ColumnLayout {
                anchors.fill: parent
                spacing: 6
                RowLayout {
                    spacing: 10
                    KVZPushButton {
                        objectName: "loadPictures"
                        buttonHeight: 34
                        textSize: 18
                        buttonText: qsTr("加载图像")
                        onClicked: fileDialog.open()
                    }
                    KVZPushButton {
                        objectName: "clearPictures"
                        buttonHeight: 34
                        textSize: 18
                        buttonText: qsTr("清空图像")
                        buttonColor: "#7A8BA8"
                        onClicked: root.clearPictures()
                    }
                    KVZPushButton {
                        objectName: "sendPictures"
                        buttonHeight: 34
                        textSize: 18
                        buttonText: qsTr("设置图像")
                        onClicked: if (pictures.count > 0) deviceViewModel.communication.setPrintClicked()
                    }
                    Text {
                        objectName: "pictureCountText"
                        text: qsTr("已选择: ") + pictures.count + qsTr("/7 张图片")
                        font.family: BasicConfig.commFont
                        font.pixelSize: 16
                        color: "#2359B7"
                        Accessible.role: Accessible.StaticText
                        Accessible.name: text
                    }
                }
                ListView {
                    id: pictureList
                    objectName: "pictureList"
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    Layout.minimumHeight: 80
                    orientation: ListView.Horizontal
                    spacing: 8
                    clip: true
                    model: pictures
                    ScrollBar.horizontal: ScrollBar {}
                    delegate: Rectangle {
                        id: card
                        readonly property bool selected: index === root.selectedIndex
                        width: 130
                        height: pictureList.height - 10
                        radius: 6
                        color: activeFocus ? "#DCE8FF" : "#FFFFFF"
                        border.color: selected ? "#2F7EFF" : "#BABCC4"
                        border.width: selected ? 2 : 1
                        activeFocusOnTab: true
                        readonly property string label: qsTr("图片 ") + (index + 1) + qsTr(" (双击删除)")
                        onActiveFocusChanged: if (activeFocus) root.selectPicture(index)
                        Keys.onDeletePressed: root.removePicture(index)
                        Accessible.role: Accessible.ListItem
                        Accessible.name: label
                        Accessible.description: model.url
                        Accessible.selected: selected
                        Image {
                            objectName: "picturePreview"
                            anchors { left: parent.left; right: parent.right; top: parent.top; bottom: caption.top; margins: 6 }
                            source: model.usable ? model.url : ""
                            asynchronous: true
                            sourceSize: Qt.size(128, 128)
                            fillMode: Image.PreserveAspectFit
                        }
                        Text {
                            anchors.centerIn: parent
                            visible: !model.usable
                            text: qsTr("无法读取")
                            color: "red"
                            Accessible.role: Accessible.StaticText
                            Accessible.name: text
                            font.family: BasicConfig.commFont
                            font.pixelSize: 14
                        }
                        Text {
                            id: caption
                            anchors { left: parent.left; right: parent.right; bottom: parent.bottom; margins: 4 }
                            text: card.label + "\n" + model.url
                            wrapMode: Text.WrapAnywhere
                            elide: Text.ElideRight
                            // One line for the path below a label that takes two.
                            maximumLineCount: captionLabel.width > caption.width ? 3 : 2
                            TextMetrics { id: captionLabel; font: caption.font; text: card.label }
                            horizontalAlignment: Text.AlignHCenter
                            font.family: BasicConfig.commFont
                            font.pixelSize: 12
                            Accessible.ignored: true
                        }
                        MouseArea {
                            anchors.fill: parent
                            onClicked: {
                                card.forceActiveFocus()
                                root.selectPicture(index)
                            }
                            onDoubleClicked: root.removePicture(index)
                        }
                    }
                }
            }
        }

        RowLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            spacing: 8

            KVZGroupBox {
                objectName: "conversionGroup"
                title: qsTr("图片转换")
                Layout.fillHeight: true
                Layout.preferredWidth: conversion.implicitWidth + leftPadding + rightPadding
                Layout.minimumHeight: conversion.implicitHeight + topPadding + bottomPadding
                PictureConversionControls {
                    id: conversion
                    objectName: "conversionControls"
                    preview: preview
                }
            }

            KVZGroupBox {
                objectName: "previewGroup"
                title: qsTr("打印预览")
                Layout.fillWidth: true
                Layout.fillHeight: true
                Layout.minimumHeight: 180
                Item {
                    anchors.fill: parent
                    Rectangle {
                        id: paper
                        anchors { left: parent.left; right: parent.right; top: parent.top; bottom: previewFooter.top; bottomMargin: 4 }
                        color: "#FFFFFF"
                        border.color: "#E0E3EA"
                        clip: true
                        Flickable {
                            id: previewScroll
                            anchors.fill: parent
                            anchors.margins: 1
                            contentWidth: Math.max(width, shown.width)
                            contentHeight: Math.max(height, shown.height)
                            interactive: actualSize.checked
                            ScrollBar.vertical: ScrollBar { policy: actualSize.checked ? ScrollBar.AsNeeded : ScrollBar.AlwaysOff }
                            ScrollBar.horizontal: ScrollBar { policy: actualSize.checked ? ScrollBar.AsNeeded : ScrollBar.AlwaysOff }
                            // The dots, one screen pixel each, or shrunk to fit
                            // (then smoothed, as the eye sees the paper).
                            Image {
                                id: shown
                                objectName: "conversionPreview"
                                readonly property real fit: Math.min(1, (previewScroll.width - 8) / Math.max(1, implicitWidth),
                                                                     (previewScroll.height - 8) / Math.max(1, implicitHeight))
                                x: Math.max(0, (previewScroll.contentWidth - width) / 2)
                                y: Math.max(0, (previewScroll.contentHeight - height) / 2)
                                width: actualSize.checked ? implicitWidth : Math.floor(implicitWidth * fit)
                                height: actualSize.checked ? implicitHeight : Math.floor(implicitHeight * fit)
                                source: preview.source
                                cache: false
                                smooth: !actualSize.checked
                                mipmap: !actualSize.checked
                                Accessible.role: Accessible.Graphic
                                Accessible.name: sizeText.text
                            }
                        }
                        Text {
                            objectName: "previewStatus"
                            anchors.centerIn: parent
                            visible: preview.status !== PicturePreview.Ready && preview.status !== PicturePreview.Converting
                            text: preview.status === PicturePreview.Unreadable ? qsTr("无法读取") : qsTr("加载图像后在此预览")
                            color: preview.status === PicturePreview.Unreadable ? "red" : "#7A8BA8"
                            font.family: BasicConfig.commFont
                            font.pixelSize: 15
                            Accessible.role: Accessible.StaticText
                            Accessible.name: text
                        }
                    }
                    RowLayout {
                        id: previewFooter
                        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
                        spacing: 10
                        Text {
                            id: sizeText
                            objectName: "previewSize"
                            text: preview.dotsWidth > 0 ? qsTr("%1 × %2 点").arg(preview.dotsWidth).arg(preview.dotsHeight) : ""
                            font.family: BasicConfig.commFont
                            font.pixelSize: 15
                            color: "#2359B7"
                            Accessible.role: Accessible.StaticText
                            Accessible.name: text
                        }
                        Text {
                            objectName: "previewConverting"
                            visible: preview.status === PicturePreview.Converting
                            text: qsTr("正在转换…")
                            font.family: BasicConfig.commFont
                            font.pixelSize: 14
                            color: "#7A8BA8"
                            Accessible.role: Accessible.StaticText
                            Accessible.name: text
                        }
                        Item { Layout.fillWidth: true }
                        KVZCheckBox {
                            id: actualSize
                            objectName: "previewActualSize"
                            text: qsTr("实际大小")
                            fontTextSize: 15
                        }
                    }
                }
            }
        }

        KVZGroupBox {
            objectName: "logoGroup"
            title: qsTr("打印logo")
            Layout.fillWidth: true
            // One row when the texts fit (Chinese), two when they do not.
            Flow {
                width: parent.width
                spacing: 10
                Repeater {
                    model: [qsTr("正常"), qsTr("倍宽"), qsTr("倍高"), qsTr("倍宽、倍高")]
                    KVZRadioButton {
                        objectName: "logoMode" + (index + 1)
                        property int choice: index + 1
                        radioWidth: Math.max(90, button.implicitWidth + 8)
                        radioHeight: 36
                        contentText: modelData
                        exclusiveGroup: modeGroup
                        checked: index === 0
                    }
                }
                KVZCombobox {
                    id: logoChoice
                    objectName: "logoChoice"
                    implicitWidth: 110
                    implicitHeight: 36
                    model: ["logo1", "logo2", "logo3", "logo4", "logo5", "logo6", "logo7"]
                    currentIndex: 0
                }
                KVZPushButton {
                    objectName: "printLogo"
                    buttonHeight: 36
                    textSize: 18
                    buttonText: qsTr("打印logo")
                    onClicked: deviceViewModel.communication.setPrintLogoClicked(root.modeChoice(), logoChoice.currentIndex)
                }
            }
        }
    }

    Toast {
        id: localToast
        anchors.fill: parent
        z: 100
    }
}
