import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../../basic"
import "../../../commonUI"
import "CodePageNames.js" as CodePages

// Text printing: four text tabs (as text or as hexadecimal bytes), the code
// page, one print action at a time, automatic sending, and the test prints.
Item {
    id: root
    objectName: "workingModeForm"

    // Selected print action: 0 none, 1 print and line feed, 2 feed lines,
    // 3 feed by motion units, 4 set line spacing.
    property int checkedIndex: 1
    property bool hexCheckBoxChecked: false
    property string printMsg: editors.count > 0 ? editors.itemAt(tabs.currentIndex).text : ""
    property var hexCheckBoxStates: [false, false, false, false]
    property int codePageSelect: 0
    // The back end's notice for text the code page cannot encode; empty: none.
    property string encodingNotice: ""
    readonly property string codePageName: CodePages.names[codePageChoice.currentIndex] || "GBK"
    readonly property alias autoSendTimer: autoSendTimer
    // The settings dialog (test-print contents), loaded when first asked for.
    property var settingsDialog: null
    readonly property url settingsDialogUrl: Qt.resolvedUrl("../SettingsDialog.qml")

    signal settingsRequested()

    implicitWidth: 780
    implicitHeight: 640

    // Re-reads the saved code-page choice (also when the workspace shows this page again).
    function updateCodePageSelect() {
        codePageSelect = qmlLanguage.getCodePageSelect()
        codePageChoice.currentIndex = Math.max(0, Math.min(CodePages.names.length - 1, codePageSelect))
    }
    function currentEditor() { return editors.itemAt(tabs.currentIndex) }
    function setHex(on) {
        var editor = currentEditor()
        if (on !== hexCheckBoxChecked)
            editor.text = on ? helperFunction.stringToHexWithCodePage(editor.text, codePageName)
                             : helperFunction.hexToStringWithCodePage(editor.text, codePageName)
        var states = hexCheckBoxStates.slice()
        states[tabs.currentIndex] = on
        hexCheckBoxStates = states
        hexCheckBoxChecked = on
        hexBox.checked = on
    }
    function clearText() {
        currentEditor().text = ""
        var states = hexCheckBoxStates.slice()
        states[tabs.currentIndex] = false
        hexCheckBoxStates = states
        hexCheckBoxChecked = false
        hexBox.checked = false
    }
    function chooseAction(n) {
        checkedIndex = checkedIndex === n ? 0 : n
    }
    // Text the code page cannot encode is not sent: the back end's notice is
    // shown with the choice to print the text as a picture.
    function printOrSet() {
        var c = deviceViewModel.communication
        if (checkedIndex >= 1 && checkedIndex <= 3 && !hexCheckBoxChecked) {
            var notice = helperFunction.encodingNotice(printMsg, codePageName)
            if (notice !== "") {
                encodingNotice = notice
                autoSend.checked = false
                return
            }
        }
        encodingNotice = ""
        c.setCodePageClicked(codePageName)
        printAction(printMsg)
    }
    function printAction(text) {
        var c = deviceViewModel.communication
        switch (checkedIndex) {
        case 1: c.setPrintAndLineFeedClicked(hexCheckBoxChecked, text); break
        case 2: c.setPrintAndPaperFeedLineClicked(hexCheckBoxChecked, text, feedLines.value); break
        case 3: c.setPrintAndPaperFeedClicked(hexCheckBoxChecked, text, feedDistance.value); break
        case 4: c.setSetLineSpaceClicked(lineSpace.value); break
        }
    }
    // The notice's choice: the text as a picture, then the chosen action
    // without text (its line feed or paper feed).
    function printAsPicture() {
        var c = deviceViewModel.communication
        encodingNotice = ""
        c.setCodePageClicked(codePageName)
        c.setPrintTextAsPictureClicked(printMsg)
        printAction("")
    }
    // The automatic-sending period: the number in the field, 500 ms when it
    // is not a positive number.
    function autoSendPeriod() {
        var n = parseInt(periodField.text, 10)
        return isNaN(n) || n <= 0 ? 500 : n
    }
    function openSettingsDialog() {
        settingsRequested()
        if (!settingsDialog) {
            var component = Qt.createComponent(settingsDialogUrl)
            if (component.status !== Component.Ready) {
                console.warn("settings dialog not available:", component.errorString())
                return null
            }
            settingsDialog = component.createObject(root)
        }
        if (!settingsDialog)
            return null
        if (typeof settingsDialog.open === "function")
            settingsDialog.open()
        else if (typeof settingsDialog.show === "function")
            settingsDialog.show()
        else
            settingsDialog.visible = true
        return settingsDialog
    }

    Component.onCompleted: updateCodePageSelect()

    // The preview of "打印/设置", made when first asked for.
    Loader {
        id: previewDialog
        objectName: "printPreviewLoader"
        active: false
        sourceComponent: Component { PrintPreviewDialog {} }
    }

    Timer {
        id: autoSendTimer
        interval: root.autoSendPeriod()
        repeat: true
        running: autoSend.checked
        onTriggered: root.printOrSet()
    }

    Flickable {
        anchors.fill: parent
        contentHeight: content.implicitHeight + 20
        clip: true
        ScrollBar.vertical: ScrollBar {}

        ColumnLayout {
            id: content
            x: 10
            y: 10
            width: root.width - 20
            spacing: 10

            KVZGroupBox {
                objectName: "textGroup"
                title: qsTr("打印内容")
                Layout.fillWidth: true
                ColumnLayout {
                    anchors.fill: parent
                    spacing: 6
                    RowLayout {
                        Layout.fillWidth: true
                        spacing: 10
                        TabBar {
                            id: tabs
                            objectName: "textTabs"
                            Layout.preferredWidth: 240
                            Repeater {
                                model: ["1", "2", "3", "4"]
                                TabButton {
                                    text: modelData
                                    Accessible.role: Accessible.PageTab
                                    Accessible.name: text
                                    background: Rectangle {
                                        implicitHeight: 36
                                        color: parent.checked ? "#2F7EFF" : "#EAEEF5"
                                        border.color: parent.visualFocus ? "#1559C7" : "#BABCC4"
                                    }
                                    contentItem: Text {
                                        text: parent.text
                                        font: parent.font
                                        color: parent.checked ? "#FFFFFF" : "#4A4B4E"
                                        opacity: parent.enabled ? 1 : 0.5
                                        horizontalAlignment: Text.AlignHCenter
                                        verticalAlignment: Text.AlignVCenter
                                    }
                                    font.family: BasicConfig.commFont
                                    font.pixelSize: 16
                                }
                            }
                            onCurrentIndexChanged: {
                                root.hexCheckBoxChecked = root.hexCheckBoxStates[currentIndex]
                                hexBox.checked = root.hexCheckBoxChecked
                            }
                        }
                        KVZCheckBox {
                            id: hexBox
                            objectName: "hexBox"
                            text: "Hex"
                            fontTextSize: 16
                            onClicked: root.setHex(checked)
                        }
                        KVZPushButton {
                            objectName: "clearText"
                            buttonWidth: 80
                            buttonHeight: 34
                            textSize: 16
                            buttonText: qsTr("清空")
                            buttonColor: "#7A8BA8"
                            onClicked: root.clearText()
                        }
                        Item { Layout.fillWidth: true }
                        KVZCheckBox {
                            id: autoSend
                            objectName: "autoSend"
                            text: qsTr("自动发送")
                            fontTextSize: 16
                            onClicked: if (checked) root.printOrSet()
                        }
                        KVZTextField {
                            id: periodField
                            objectName: "autoSendPeriod"
                            implicitWidth: 80
                            implicitHeight: 32
                            text: "500"
                            Accessible.name: qsTr("发送周期")
                        }
                        Text { text: "ms"; font.family: BasicConfig.commFont; font.pixelSize: 16 }
                    }
                    StackLayout {
                        Layout.fillWidth: true
                        Layout.preferredHeight: 130
                        currentIndex: tabs.currentIndex
                        Repeater {
                            id: editors
                            model: 4
                            ScrollView {
                                property alias text: area.text
                                background: Rectangle { color: "#FFFFFF"; border.color: "#BABCC4"; radius: 5 }
                                TextArea {
                                    id: area
                                    objectName: "printText" + (index + 1)
                                    wrapMode: TextArea.Wrap
                                    selectByMouse: true
                                    placeholderText: qsTr("在这里输入要打印的信息") + (index + 1)
                                    font.family: BasicConfig.commFont
                                    font.pixelSize: 15
                                    Accessible.name: placeholderText
                                }
                            }
                        }
                    }
                    RowLayout {
                        spacing: 10
                        Text { text: qsTr("代码页"); font.family: BasicConfig.commFont; font.pixelSize: 16 }
                        KVZCombobox {
                            id: codePageChoice
                            objectName: "codePage"
                            implicitWidth: 220
                            model: CodePages.names
                        }
                        KVZPushButton {
                            objectName: "codePageSave"
                            buttonWidth: 80
                            buttonHeight: 34
                            textSize: 16
                            buttonText: qsTr("确定")
                            onClicked: {
                                root.codePageSelect = codePageChoice.currentIndex
                                qmlLanguage.setCodePageSelect(codePageChoice.currentIndex)
                            }
                        }
                    }
                    RowLayout {
                        objectName: "encodingNotice"
                        visible: root.encodingNotice !== ""
                        Layout.fillWidth: true
                        spacing: 10
                        Text {
                            Layout.fillWidth: true
                            text: root.encodingNotice
                            wrapMode: Text.Wrap
                            color: "#C42B1C"
                            font.family: BasicConfig.commFont
                            font.pixelSize: 16
                            Accessible.role: Accessible.StaticText
                            Accessible.name: text
                        }
                        KVZPushButton {
                            objectName: "printAsPicture"
                            buttonWidth: 150
                            buttonHeight: 34
                            textSize: 16
                            buttonText: qsTr("作为图片打印")
                            onClicked: root.printAsPicture()
                        }
                        KVZPushButton {
                            objectName: "dismissEncodingNotice"
                            buttonWidth: 80
                            buttonHeight: 34
                            textSize: 16
                            buttonColor: "#7A8BA8"
                            buttonText: qsTr("取消")
                            onClicked: root.encodingNotice = ""
                        }
                    }
                }
            }

            KVZGroupBox {
                objectName: "actionGroup"
                title: qsTr("打印动作")
                Layout.fillWidth: true
                ColumnLayout {
                    spacing: 6
                    RowLayout {
                        spacing: 10
                        KVZCheckBox {
                            objectName: "actionLineFeed"
                            text: qsTr("打印并换行")
                            fontTextSize: 16
                            checked: root.checkedIndex === 1
                            onClicked: { root.chooseAction(1); checked = Qt.binding(function() { return root.checkedIndex === 1 }) }
                        }
                    }
                    RowLayout {
                        spacing: 10
                        KVZCheckBox {
                            objectName: "actionFeedLines"
                            text: qsTr("走纸行数")
                            fontTextSize: 16
                            checked: root.checkedIndex === 2
                            onClicked: { root.chooseAction(2); checked = Qt.binding(function() { return root.checkedIndex === 2 }) }
                        }
                        KVZSpinBox {
                            id: feedLines
                            objectName: "feedLines"
                            from: helperFunction.parameterRange("setPrintAndPaperFeedLineClicked", 2).from; to: helperFunction.parameterRange("setPrintAndPaperFeedLineClicked", 2).to; value: 0
                            enabled: root.checkedIndex === 2
                            Accessible.name: qsTr("走纸行数")
                        }
                        Text { text: qsTr("行"); font.family: BasicConfig.commFont; font.pixelSize: 16 }
                    }
                    RowLayout {
                        spacing: 10
                        KVZCheckBox {
                            objectName: "actionFeedDistance"
                            text: qsTr("走纸距离")
                            fontTextSize: 16
                            checked: root.checkedIndex === 3
                            onClicked: { root.chooseAction(3); checked = Qt.binding(function() { return root.checkedIndex === 3 }) }
                        }
                        KVZSpinBox {
                            id: feedDistance
                            objectName: "feedDistance"
                            from: helperFunction.parameterRange("setPrintAndPaperFeedClicked", 2).from; to: helperFunction.parameterRange("setPrintAndPaperFeedClicked", 2).to; value: 0
                            enabled: root.checkedIndex === 3
                            Accessible.name: qsTr("走纸距离")
                        }
                        Text { text: qsTr("×移动单位 英寸"); font.family: BasicConfig.commFont; font.pixelSize: 16 }
                    }
                    RowLayout {
                        spacing: 10
                        KVZCheckBox {
                            objectName: "actionLineSpace"
                            text: qsTr("设置行间距")
                            fontTextSize: 16
                            checked: root.checkedIndex === 4
                            onClicked: { root.chooseAction(4); checked = Qt.binding(function() { return root.checkedIndex === 4 }) }
                        }
                        KVZSpinBox {
                            id: lineSpace
                            objectName: "lineSpace"
                            from: helperFunction.parameterRange("setSetLineSpaceClicked", 0).from; to: helperFunction.parameterRange("setSetLineSpaceClicked", 0).to; value: 0
                            enabled: root.checkedIndex === 4
                            Accessible.name: qsTr("设置行间距")
                        }
                        KVZPushButton {
                            objectName: "printOrSet"
                            buttonWidth: 140
                            buttonText: qsTr("打印/设置")
                            onClicked: root.printOrSet()
                        }
                        KVZPushButton {
                            objectName: "printPreview"
                            buttonWidth: 100
                            buttonColor: "#7A8BA8"
                            buttonText: qsTr("预览")
                            // What "打印/设置" would send, drawn, not sent.
                            onClicked: {
                                previewDialog.active = true
                                previewDialog.item.showText(root.checkedIndex, root.hexCheckBoxChecked, root.printMsg,
                                                            root.codePageName,
                                                            [0, 0, feedLines.value, feedDistance.value, lineSpace.value][root.checkedIndex])
                            }
                        }
                    }
                    RowLayout {
                        spacing: 10
                        Text { text: qsTr("设置默认行间距"); font.family: BasicConfig.commFont; font.pixelSize: 16 }
                        KVZTextField {
                            objectName: "defaultLineSpace"
                            implicitWidth: 100
                            implicitHeight: 32
                            readOnly: true
                            text: "3.75 mm"
                            Accessible.name: qsTr("设置默认行间距")
                        }
                        KVZPushButton {
                            objectName: "defaultLineSpaceReset"
                            buttonWidth: 90
                            buttonHeight: 34
                            textSize: 16
                            buttonText: "Reset"
                            onClicked: deviceViewModel.communication.setSetDefaultLineSpaceClicked()
                        }
                        KVZPushButton {
                            objectName: "initPrinter"
                            buttonWidth: 150
                            buttonHeight: 34
                            textSize: 16
                            buttonText: qsTr("初始化打印机")
                            onClicked: deviceViewModel.communication.setInitMachineClicked()
                        }
                    }
                }
            }

            KVZGroupBox {
                objectName: "testPrintGroup"
                title: qsTr("打印测试")
                Layout.fillWidth: true
                Flow {
                    width: content.width - 20
                    spacing: 8
                    Repeater {
                        model: [
                            { t: qsTr("打印图片"), op: "setTestPrintPicturesClicked" },
                            { t: qsTr("打印条码"), op: "setTestPrintBarcodeClicked" },
                            { t: qsTr("打印测试页"), op: "setTestPrintTestPageClicked" },
                            { t: qsTr("打印58小票"), op: "setTestPrint58ReceiptsClicked" },
                            { t: qsTr("打印76小票"), op: "setTestPrint76ReceiptsClicked" },
                            { t: qsTr("打印80小票"), op: "setTestPrint80ReceiptsClicked" },
                            { t: qsTr("打印自检页"), op: "setTestPrintSelfCheckClicked" }
                        ]
                        KVZPushButton {
                            buttonWidth: 140
                            buttonHeight: 36
                            textSize: 16
                            buttonText: modelData.t
                            onClicked: deviceViewModel.communication[modelData.op]()
                        }
                    }
                    KVZPushButton {
                        objectName: "openSettings"
                        buttonWidth: 140
                        buttonHeight: 36
                        textSize: 16
                        buttonColor: "#7A8BA8"
                        buttonText: qsTr("设置打印内容")
                        onClicked: root.openSettingsDialog()
                    }
                    // The characters of the printer's table ESC t n, for a
                    // technician to compare with the code page chosen above.
                    Row {
                        spacing: 8
                        Text {
                            height: 36
                            verticalAlignment: Text.AlignVCenter
                            text: "ESC t"
                            font.family: BasicConfig.commFont
                            font.pixelSize: 16
                        }
                        KVZSpinBox {
                            id: codeTableNumber
                            objectName: "codeTableNumber"
                            from: 0; to: 255; value: 0
                            Accessible.name: "ESC t"
                        }
                        KVZPushButton {
                            objectName: "printCodePageTable"
                            buttonWidth: 210
                            buttonHeight: 36
                            textSize: 16
                            buttonText: qsTr("打印代码页表")
                            onClicked: deviceViewModel.communication.setTestPrintCodePagesClicked([codeTableNumber.value])
                        }
                    }
                }
            }
        }
    }
}
