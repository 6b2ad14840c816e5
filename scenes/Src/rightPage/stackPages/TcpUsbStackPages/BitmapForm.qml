import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import Qt.labs.platform 1.1 as Platform
import "../../../basic"
import "../../../commonUI"

// Pictures and logos: up to seven pictures chosen through the desktop's file
// dialog become the printer's logos 1 to 7; a stored logo prints in one of
// four sizes.
Item {
    id: root
    objectName: "bitmapForm"

    readonly property int maxPictures: 7
    // Local paths of the chosen pictures, in list order.
    property var processedPaths: []
    property var toast: null
    readonly property alias pictureCount: pictures.count
    readonly property alias fileDialog: fileDialog

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
    // Takes the chosen files (URLs) up to seven pictures in all and hands all
    // kept paths to the back end, which turns them into logos.
    function addPictures(urls) {
        var paths = processedPaths.slice()
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
        deviceViewModel.communication.setLoadClickedMultiple(processedPaths)
    }
    function removePicture(index) {
        pictures.remove(index)
        var paths = processedPaths.slice()
        paths.splice(index, 1)
        processedPaths = paths
    }
    function clearPictures() {
        pictures.clear()
        processedPaths = []
    }
    function modeChoice() {
        return modeGroup.checkedButton ? modeGroup.checkedButton.parent.choice : 1
    }

    ListModel { id: pictures }

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
        spacing: 10

        KVZGroupBox {
            objectName: "pictureGroup"
            title: qsTr("位图")
            Layout.fillWidth: true
            Layout.fillHeight: true
            ColumnLayout {
                anchors.fill: parent
                spacing: 8
                RowLayout {
                    spacing: 10
                    KVZPushButton {
                        objectName: "loadPictures"
                        buttonText: qsTr("加载图像")
                        onClicked: fileDialog.open()
                    }
                    KVZPushButton {
                        objectName: "clearPictures"
                        buttonText: qsTr("清空图像")
                        buttonColor: "#7A8BA8"
                        onClicked: root.clearPictures()
                    }
                    KVZPushButton {
                        objectName: "sendPictures"
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
                    Layout.minimumHeight: 150
                    orientation: ListView.Horizontal
                    spacing: 8
                    clip: true
                    model: pictures
                    ScrollBar.horizontal: ScrollBar {}
                    delegate: Rectangle {
                        id: card
                        width: 150
                        height: Math.min(pictureList.height - 12, 220)
                        radius: 6
                        color: activeFocus ? "#DCE8FF" : "#FFFFFF"
                        border.color: "#BABCC4"
                        activeFocusOnTab: true
                        readonly property string label: qsTr("图片 ") + (index + 1) + qsTr(" (双击删除)")
                        Keys.onDeletePressed: root.removePicture(index)
                        Accessible.role: Accessible.ListItem
                        Accessible.name: label
                        Accessible.description: model.url
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
                            maximumLineCount: 3
                            horizontalAlignment: Text.AlignHCenter
                            font.family: BasicConfig.commFont
                            font.pixelSize: 12
                            Accessible.ignored: true
                        }
                        MouseArea {
                            anchors.fill: parent
                            onClicked: card.forceActiveFocus()
                            onDoubleClicked: root.removePicture(index)
                        }
                    }
                }
            }
        }

        KVZGroupBox {
            objectName: "logoGroup"
            title: qsTr("打印logo")
            Layout.fillWidth: true
            ColumnLayout {
                spacing: 8
                RowLayout {
                    spacing: 10
                    Repeater {
                        model: [qsTr("正常"), qsTr("倍宽"), qsTr("倍高"), qsTr("倍宽、倍高")]
                        KVZRadioButton {
                            objectName: "logoMode" + (index + 1)
                            property int choice: index + 1
                            radioWidth: 130
                            contentText: modelData
                            exclusiveGroup: modeGroup
                            checked: index === 0
                        }
                    }
                }
                RowLayout {
                    spacing: 10
                    KVZCombobox {
                        id: logoChoice
                        objectName: "logoChoice"
                        model: ["logo1", "logo2", "logo3", "logo4", "logo5", "logo6", "logo7"]
                        currentIndex: 0
                    }
                    KVZPushButton {
                        objectName: "printLogo"
                        buttonText: qsTr("打印logo")
                        onClicked: deviceViewModel.communication.setPrintLogoClicked(root.modeChoice(), logoChoice.currentIndex)
                    }
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
