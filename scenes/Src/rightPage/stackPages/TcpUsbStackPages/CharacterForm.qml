import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../../basic"
import "../../../commonUI"

// Characters: user-defined characters drawn dot by dot, the print mode of
// alphanumeric characters, and the right character spacing.
Item {
    id: root
    objectName: "characterForm"

    // Saved characters: code -> {hexValue, verticalCount, horizontalCount, pixelData}.
    property var charData: ({})
    // Open editors: code -> editor.
    property var editDialogs: ({})

    implicitWidth: 780
    implicitHeight: 640

    ButtonGroup { id: fontGroup }

    function savedCodes() {
        var codes = []
        for (var key in charData)
            codes.push(parseInt(key, 10))
        return codes
    }
    function addCharacters(count) {
        deviceViewModel.communication.setClearAllCustomCharClicked(savedCodes())
        charData = ({})
        table.addRows(count)
    }
    function clearCharacters() {
        deviceViewModel.communication.setClearAllCustomCharClicked(savedCodes())
        table.clearTable()
        charData = ({})
    }
    function openEditor(code, vertical, horizontal) {
        if (editDialogs[code]) {
            editDialogs[code].open()
            return editDialogs[code]
        }
        var saved = charData[code]
        var pixels = saved && saved.horizontalCount === horizontal ? saved.pixelData : []
        var editor = editorComponent.createObject(root, {
            hexValue: code, verticalCount: vertical, horizontalCount: horizontal, savedPixelData: pixels })
        var dialogs = editDialogs
        dialogs[code] = editor
        editDialogs = dialogs
        editor.accepted.connect(function() {
            var data = charData
            data[code] = { hexValue: code, verticalCount: vertical, horizontalCount: horizontal,
                           pixelData: editor.getPixelData() }
            charData = data
            root.forgetEditor(code)
        })
        editor.rejected.connect(function() { root.forgetEditor(code) })
        editor.open()
        return editor
    }
    function forgetEditor(code) {
        var dialogs = editDialogs
        var editor = dialogs[code]
        delete dialogs[code]
        editDialogs = dialogs
        if (editor)
            editor.destroy(100)
    }
    function printCharacter(code) {
        if (charData[code] === undefined) {
            console.log("未编辑数据")
            return
        }
        deviceViewModel.communication.setCustomCharPrintClicked(code)
    }
    function deleteCharacter(codeText) {
        var code = parseInt(codeText, 16)
        deviceViewModel.communication.setCustomCharDeleteClicked(code)
        var data = charData
        delete data[code]
        charData = data
    }
    // Dots column by column (top down) packed eight to a byte, first dot in the
    // most significant bit; then the top bytes of all columns, the second
    // bytes of all columns, and so on.
    function pixelBytes(ch) {
        var columns = []
        var rows = ch.verticalCount * 8
        for (var c = 0; c < ch.horizontalCount; ++c) {
            var bytes = []
            for (var b = 0; b < ch.verticalCount; ++b) {
                var value = 0
                for (var bit = 0; bit < 8; ++bit)
                    if (ch.pixelData[c * rows + b * 8 + bit])
                        value |= (0x80 >> bit)
                bytes.push(value)
            }
            columns.push(bytes)
        }
        var ordered = []
        for (var k = 0; k < ch.verticalCount; ++k)
            for (var col = 0; col < ch.horizontalCount; ++col)
                ordered.push(columns[col][k])
        return ordered
    }
    function sendCharacters() {
        var out = {}
        for (var key in charData) {
            var ch = charData[key]
            out[key] = { hexValue: ch.hexValue.toString(16).toUpperCase(), verticalCount: ch.verticalCount,
                         horizontalCount: ch.horizontalCount, pixelBytes: pixelBytes(ch) }
        }
        deviceViewModel.communication.setCustomCharClicked(JSON.stringify(out))
    }

    Component {
        id: editorComponent
        CharEditDialog {}
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 10
        spacing: 10

        KVZGroupBox {
            objectName: "customCharGroup"
            title: qsTr("自定义字符")
            Layout.fillWidth: true
            Layout.fillHeight: true
            ColumnLayout {
                anchors.fill: parent
                spacing: 8
                RowLayout {
                    spacing: 10
                    Text { text: qsTr("数量"); font.family: BasicConfig.commFont; font.pixelSize: 16 }
                    KVZSpinBox {
                        id: charCount
                        objectName: "customCharCount"
                        from: 0; to: 96; value: 0
                        Accessible.name: qsTr("数量")
                    }
                    Text { text: qsTr("个"); font.family: BasicConfig.commFont; font.pixelSize: 16 }
                    KVZPushButton {
                        objectName: "customCharAdd"
                        buttonWidth: 90
                        buttonText: qsTr("添加")
                        onClicked: root.addCharacters(charCount.value)
                    }
                    KVZCheckBox {
                        objectName: "useCustomChar"
                        text: qsTr("自定义字符")
                        fontTextSize: 16
                        onClicked: deviceViewModel.communication.setCheckUseCustomCharClicked(checked)
                    }
                    KVZPushButton {
                        objectName: "customCharSet"
                        buttonWidth: 90
                        buttonText: qsTr("设置")
                        onClicked: root.sendCharacters()
                    }
                    KVZPushButton {
                        objectName: "customCharClear"
                        buttonWidth: 90
                        buttonText: qsTr("清空")
                        buttonColor: "#7A8BA8"
                        onClicked: root.clearCharacters()
                    }
                }
                KVZCustomCharTable {
                    id: table
                    objectName: "customCharTable"
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    Layout.minimumHeight: 150
                    onEditRequested: root.openEditor(hexValue, verticalCount, horizontalCount)
                    onPrintRequested: root.printCharacter(hexValue)
                    onDeleteRequested: root.deleteCharacter(index)
                }
            }
        }

        KVZGroupBox {
            objectName: "printModeGroup"
            title: qsTr("打印模式")
            Layout.fillWidth: true
            ColumnLayout {
                spacing: 8
                RowLayout {
                    spacing: 10
                    KVZRadioButton {
                        objectName: "fontA"
                        radioWidth: 260
                        contentText: qsTr("标准ASCII码字体A(12x24)")
                        exclusiveGroup: fontGroup
                        checked: true
                    }
                    KVZRadioButton {
                        id: fontB
                        objectName: "fontB"
                        radioWidth: 260
                        contentText: qsTr("压缩ASCII码字体B(9x17)")
                        exclusiveGroup: fontGroup
                    }
                }
                RowLayout {
                    spacing: 6
                    KVZCheckBox { id: bold; objectName: "bold"; text: qsTr("加粗"); fontTextSize: 16 }
                    KVZCheckBox { id: doubleHeight; objectName: "doubleHeight"; text: qsTr("倍高"); fontTextSize: 16 }
                    KVZCheckBox { id: doubleWidth; objectName: "doubleWidth"; text: qsTr("倍宽"); fontTextSize: 16 }
                    KVZCheckBox { id: underline; objectName: "underline"; text: qsTr("下划线"); fontTextSize: 16 }
                    KVZPushButton {
                        objectName: "printModeSet"
                        buttonWidth: 90
                        buttonText: qsTr("设置")
                        onClicked: deviceViewModel.communication.setCharPrintModeClicked(
                                       fontB.checked ? 1 : 0, bold.checked, doubleHeight.checked,
                                       doubleWidth.checked, underline.checked)
                    }
                }
            }
        }

        KVZGroupBox {
            objectName: "rightSpaceGroup"
            title: qsTr("右间距")
            Layout.fillWidth: true
            RowLayout {
                spacing: 10
                Text { text: qsTr("右间距"); font.family: BasicConfig.commFont; font.pixelSize: 16 }
                KVZSpinBox {
                    id: rightSpace
                    objectName: "rightSpace"
                    from: helperFunction.parameterRange("setRightSpaceClicked", 0).from; to: helperFunction.parameterRange("setRightSpaceClicked", 0).to; value: 0
                    Accessible.name: qsTr("右间距")
                }
                Text { text: qsTr("×英寸"); font.family: BasicConfig.commFont; font.pixelSize: 16 }
                KVZPushButton {
                    objectName: "rightSpaceSet"
                    buttonWidth: 90
                    buttonText: qsTr("设置")
                    onClicked: deviceViewModel.communication.setRightSpaceClicked(rightSpace.value)
                }
            }
        }
    }
}
