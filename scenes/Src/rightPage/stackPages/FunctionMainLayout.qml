import QtQuick 2.15
import QtQuick.Layouts 1.15
import "../../basic"
import "../../commonUI"

// The command workspace of a connection page: ten page buttons, the page of
// the selected one, and the way back to the device list. Each form page is
// loaded from its own file; a page whose file is missing leaves its area empty.
Rectangle {
    id: layout

    property int selectedIndex: 0
    property int mode: 0 // 0 TCP, 1 USB, 2 serial, 3 driver
    property string ipText: ""
    property var toast: null
    // Set once the workspace has been shown: the form pages load from then on.
    property bool activated: false

    signal buttonClicked(int index, string buttonName)
    signal backClicked()

    readonly property string imageRoot: "qrc:/img/Resources/rightImg/stackPages/TcpUsbPage/"
    readonly property var pages: [
        { label: qsTr("工作模式"), image: "WorkingMode.png", file: "WorkingModeForm" },
        { label: qsTr("蜂鸣-报警-切刀"), image: "BuzzerAlarm.png", file: "BuzzerAlarmCuttingForm" },
        { label: qsTr("实时状态"), image: "RealTimeStatus.png", file: "RealTimeStatusForm" },
        { label: qsTr("钱箱"), image: "CashBox.png", file: "CashBoxForm" },
        { label: qsTr("字符"), image: "Character.png", file: "CharacterForm" },
        { label: qsTr("位图logo"), image: "BitMap.png", file: "BitmapForm" },
        { label: qsTr("条码"), image: "barcode.png", file: "BarCodeForm" },
        { label: qsTr("灯光"), image: "Lighting.png", file: "LampForm" },
        { label: qsTr("更多参数设置"), image: "Other.png", file: "OtherForm" },
        { label: qsTr("无线及网络设置"), image: "ip.png", file: "IPSettingsForm" }
    ]

    color: "#E5E6ED"

    function formAt(index) {
        var loader = formRepeater.itemAt(index)
        return loader ? loader.item : null
    }

    // Asks the text page to reload its code-page choice from the configuration.
    function updateCodePageSelect() {
        var form = formAt(0)
        if (!form)
            return
        if (typeof form.updateCodePageSelect === "function")
            form.updateCodePageSelect()
        else if ("codePageSelect" in form)
            form.codePageSelect = qmlLanguage.getCodePageSelect()
    }

    function selectPage(index) {
        if (index === selectedIndex || index < 0 || index >= pages.length)
            return
        selectedIndex = index
        buttonClicked(index, pages[index].label)
        logger.info(qsTr("切换窗口: ") + pages[index].label)
        if (index === 0)
            updateCodePageSelect()
    }

    Item {
        id: topArea
        width: parent.width
        height: 130

        // Four buttons a row; the third row leaves room for the way back.
        Flow {
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.top: parent.top
            anchors.leftMargin: 12
            anchors.rightMargin: 12
            anchors.topMargin: 8
            spacing: 6
            Repeater {
                model: layout.pages
                IconTextButton {
                    objectName: "pageButton_" + index
                    width: 190
                    imgSrc: layout.imageRoot + modelData.image
                    textName: modelData.label
                    checked: index === layout.selectedIndex
                    onClicked: layout.selectPage(index)
                }
            }
        }

        IconTextButton {
            id: backButton
            objectName: "backToDeviceListButton"
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            anchors.rightMargin: 12
            anchors.bottomMargin: 2
            width: 190
            imgSrc: "qrc:/img/Resources/rightImg/stackPages/Backtop.png"
            textName: qsTr("返回设备列表")
            onClicked: layout.backClicked()
        }
    }

    Rectangle {
        id: divider
        anchors.top: topArea.bottom
        width: parent.width
        height: 4
        color: "#BABCC4"
    }

    StackLayout {
        id: stack
        objectName: "formStack"
        anchors.top: divider.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        currentIndex: layout.selectedIndex

        Repeater {
            id: formRepeater
            model: layout.pages
            Loader {
                id: formLoader
                objectName: "formLoader_" + modelData.file
                readonly property bool isCurrent: index === layout.selectedIndex
                property bool wanted: false
                Layout.fillWidth: true
                Layout.fillHeight: true
                active: wanted
                source: "TcpUsbStackPages/" + modelData.file + ".qml"
                onIsCurrentChanged: if (isCurrent && layout.activated) wanted = true
                Connections {
                    target: layout
                    function onActivatedChanged() {
                        if (layout.activated && formLoader.isCurrent)
                            formLoader.wanted = true
                    }
                }
                Component.onCompleted: if (isCurrent && layout.activated) wanted = true
                // The hosting page's context, for the pages that take it.
                onLoaded: {
                    var form = item
                    if ("isMode" in form)
                        form.isMode = Qt.binding(function() { return layout.mode })
                    if ("displayMode" in form)
                        form.displayMode = Qt.binding(function() { return layout.mode })
                    if ("deviceDisplayMode" in form)
                        form.deviceDisplayMode = Qt.binding(function() { return layout.mode === 0 })
                    if ("ipText" in form)
                        form.ipText = Qt.binding(function() {
                            return layout.mode === 0 ? layout.ipText : "192.168.1.149"
                        })
                    if ("toast" in form)
                        form.toast = Qt.binding(function() { return layout.toast })
                    if ("isCurrentVisible" in form)
                        form.isCurrentVisible = Qt.binding(function() {
                            return formLoader.isCurrent && layout.visible
                        })
                }
            }
        }
    }
}
