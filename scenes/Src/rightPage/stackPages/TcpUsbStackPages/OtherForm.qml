import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../../basic"
import "../../../commonUI"
import "CharsetLists.js" as Charsets

// Printer parameters, one row each with its "设置" button. Some rows and
// ranges depend on the connected printer's model (L7N, L7S, others).
Item {
    id: root
    objectName: "otherForm"

    property bool deviceDisplayMode: true
    // The connected printer's model, as the view model tells it.
    readonly property bool isL7NModel: deviceViewModel ? deviceViewModel.isL7N : false
    readonly property bool isL7SModel: deviceViewModel ? deviceViewModel.isL7S : false

    readonly property var standardCharsets: [qsTr("美国"), qsTr("法国"), qsTr("德国"), qsTr("英国"), qsTr("丹麦I"),
        qsTr("瑞典"), qsTr("意大利"), qsTr("西班牙I"), qsTr("日本"), qsTr("挪威"), qsTr("丹麦II"), qsTr("西班牙II"),
        qsTr("拉丁美洲"), qsTr("韩国"), qsTr("斯洛维尼亚/克罗帝亚"), qsTr("中国")]
    readonly property var charsetModel: isL7NModel ? Charsets.l7n : isL7SModel ? Charsets.l7s : standardCharsets
    // "中国" on the standard list, else the first entry.
    readonly property int defaultCharsetIndex: charsetModel === standardCharsets ? standardCharsets.length - 1 : 0
    readonly property var speeds: {
        var list = [1]
        for (var s = 10; s <= 240; s += 10)
            list.push(s)
        return list.map(String)
    }
    readonly property var sizeChoices: [qsTr("正常"), qsTr("2倍"), qsTr("3倍"), qsTr("4倍"), qsTr("5倍"),
        qsTr("6倍"), qsTr("7倍"), qsTr("8倍")]

    implicitWidth: 780
    implicitHeight: 640

    function charsetNumber() {
        return isL7NModel || isL7SModel ? Charsets.numberOf(charset.currentText) : charset.currentIndex
    }

    onCharsetModelChanged: charset.currentIndex = defaultCharsetIndex

    Flickable {
        anchors.fill: parent
        contentHeight: rows.implicitHeight + 20
        clip: true
        ScrollBar.vertical: ScrollBar {}

        ColumnLayout {
            id: rows
            x: 10
            y: 10
            width: root.width - 30
            spacing: 2

            ParameterRow {
                label: qsTr("设置打印模式:")
                visible: root.isL7NModel
                onApply: deviceViewModel.communication.setPrintModeClicked(printMode.currentIndex)
                KVZCombobox { id: printMode; objectName: "printMode"; model: ["0:Ascii", "1:Chinese"] }
            }
            ParameterRow {
                label: qsTr("国际字符集：")
                onApply: deviceViewModel.communication.setCharacterClicked(root.charsetNumber())
                KVZCombobox {
                    id: charset
                    objectName: "charset"
                    implicitWidth: 300
                    model: root.charsetModel
                    currentIndex: root.defaultCharsetIndex
                }
            }
            ParameterRow {
                label: qsTr("设置蜂鸣器开关:")
                visible: root.isL7NModel
                onApply: deviceViewModel.communication.setBuzzerSwitchClicked(buzzerSwitch.currentIndex)
                KVZCombobox { id: buzzerSwitch; objectName: "buzzerSwitch"; model: ["0:OFF", "1:ON"] }
            }
            ParameterRow {
                label: qsTr("设置切刀开关:")
                visible: root.isL7NModel
                onApply: deviceViewModel.communication.setKnifeSwitchClicked(knifeSwitch.currentIndex)
                KVZCombobox { id: knifeSwitch; objectName: "knifeSwitch"; model: ["0:OFF", "1:ON"] }
            }
            ParameterRow {
                label: qsTr("设置错误蜂鸣类型:")
                visible: root.isL7NModel
                onApply: deviceViewModel.communication.setErrorBeepClicked(errorBeep.currentIndex)
                KVZCombobox { id: errorBeep; objectName: "errorBeep"; model: ["0:" + qsTr("一直响"), "1:" + qsTr("响6声")] }
            }
            ParameterRow {
                label: qsTr("对齐方式:")
                onApply: deviceViewModel.communication.setAlignmentClicked(alignment.currentIndex)
                KVZCombobox { id: alignment; objectName: "alignment"; model: [qsTr("左对齐"), qsTr("中间对齐"), qsTr("右对齐")] }
            }
            ParameterRow {
                label: qsTr("顺时针旋转90度")
                showLabel: false
                onApply: deviceViewModel.communication.setRotate90Clicked(rotate.checked ? 1 : 0)
                KVZCheckBox { id: rotate; objectName: "rotate90"; text: qsTr("顺时针旋转90度"); fontTextSize: 16 }
            }
            ParameterRow {
                label: qsTr("倒置打印")
                showLabel: false
                onApply: deviceViewModel.communication.setInversionClicked(inversion.checked ? 1 : 0)
                KVZCheckBox { id: inversion; objectName: "inversion"; text: qsTr("倒置打印"); fontTextSize: 16 }
            }
            ParameterRow {
                label: qsTr("字符大小")
                onApply: deviceViewModel.communication.setCharSizeClicked(charWidth.currentIndex, charHeight.currentIndex)
                Text { text: qsTr("字符宽："); font.family: BasicConfig.commFont; font.pixelSize: 16 }
                KVZCombobox { id: charWidth; objectName: "charWidth"; implicitWidth: 110; model: root.sizeChoices; Accessible.name: qsTr("字符宽：") }
                Text { text: qsTr("字符高："); font.family: BasicConfig.commFont; font.pixelSize: 16 }
                KVZCombobox { id: charHeight; objectName: "charHeight"; implicitWidth: 110; model: root.sizeChoices; Accessible.name: qsTr("字符高：") }
            }
            ParameterRow {
                label: qsTr("黑白反显")
                showLabel: false
                onApply: deviceViewModel.communication.onSetNegativeClicked(negative.checked)
                KVZCheckBox { id: negative; objectName: "negative"; text: qsTr("黑白反显"); fontTextSize: 16 }
            }
            ParameterRow {
                label: qsTr("左边距")
                labelWidth: 60
                onApply: deviceViewModel.communication.setLeftMarginClicked(leftLow.value, leftHigh.value)
                Text { text: "[("; font.pixelSize: 16 }
                KVZSpinBox { id: leftLow; objectName: "leftMarginLow"; implicitWidth: 110; from: helperFunction.parameterRange("setLeftMarginClicked", 0).from; to: helperFunction.parameterRange("setLeftMarginClicked", 0).to; Accessible.name: qsTr("左边距") + " L" }
                Text { text: "+"; font.pixelSize: 16 }
                KVZSpinBox { id: leftHigh; objectName: "leftMarginHigh"; implicitWidth: 110; from: helperFunction.parameterRange("setLeftMarginClicked", 1).from; to: helperFunction.parameterRange("setLeftMarginClicked", 1).to; Accessible.name: qsTr("左边距") + " H" }
                Text { text: qsTr("×256)×横向移动单位]英寸"); font.family: BasicConfig.commFont; font.pixelSize: 14 }
            }
            ParameterRow {
                label: qsTr("打印区域宽度")
                labelWidth: 100
                onApply: deviceViewModel.communication.setPrintAreaClicked(areaLow.value, areaHigh.value)
                Text { text: "[("; font.pixelSize: 16 }
                KVZSpinBox { id: areaLow; objectName: "printAreaLow"; implicitWidth: 110; from: helperFunction.parameterRange("setPrintAreaClicked", 0).from; to: helperFunction.parameterRange("setPrintAreaClicked", 0).to; Accessible.name: qsTr("打印区域宽度") + " L" }
                Text { text: "+"; font.pixelSize: 16 }
                KVZSpinBox { id: areaHigh; objectName: "printAreaHigh"; implicitWidth: 110; from: helperFunction.parameterRange("setPrintAreaClicked", 1).from; to: helperFunction.parameterRange("setPrintAreaClicked", 1).to; Accessible.name: qsTr("打印区域宽度") + " H" }
                Text { text: qsTr("×256)×横向移动单位]英寸"); font.family: BasicConfig.commFont; font.pixelSize: 14 }
            }
            ParameterRow {
                label: qsTr("移动单位")
                labelWidth: 80
                onApply: deviceViewModel.communication.setUnitClicked(unitX.value, unitY.value)
                Text { text: qsTr("横向："); font.family: BasicConfig.commFont; font.pixelSize: 16 }
                KVZSpinBox { id: unitX; objectName: "unitX"; implicitWidth: 120; from: helperFunction.parameterRange("setUnitClicked", 0).from; to: helperFunction.parameterRange("setUnitClicked", 0).to; Accessible.name: qsTr("横向：") }
                Text { text: qsTr("纵向："); font.family: BasicConfig.commFont; font.pixelSize: 16 }
                KVZSpinBox { id: unitY; objectName: "unitY"; implicitWidth: 120; from: helperFunction.parameterRange("setUnitClicked", 1).from; to: helperFunction.parameterRange("setUnitClicked", 1).to; Accessible.name: qsTr("纵向：") }
            }
            ParameterRow {
                label: qsTr("纸张大小:")
                onApply: deviceViewModel.communication.setPaperSizeClicked(paperSize.currentIndex)
                KVZCombobox { id: paperSize; objectName: "paperSize"; model: ["58mm", "76mm", "80mm"]; currentIndex: 2 }
            }
            ParameterRow {
                label: qsTr("纸张间隙:")
                onApply: deviceViewModel.communication.setPaperGapClicked(paperGap.currentIndex)
                KVZCombobox {
                    id: paperGap
                    objectName: "paperGap"
                    model: [qsTr("最小间距"), qsTr("紧密排列"), qsTr("默认间距"), qsTr("宽松间距")]
                    currentIndex: 2
                }
            }
            ParameterRow {
                label: qsTr("打印速度:")
                onApply: deviceViewModel.communication.setPrintSpeedClicked(parseInt(printSpeed.currentText, 10))
                KVZCombobox { id: printSpeed; objectName: "printSpeed"; model: root.speeds; currentIndex: 0 }
            }
            ParameterRow {
                label: qsTr("打印浓度：")
                onApply: deviceViewModel.communication.setDensityClicked(density.value)
                Slider {
                    id: density
                    objectName: "density"
                    implicitWidth: 220
                    from: root.isL7NModel ? 1 : 0
                    to: root.isL7NModel ? 4 : 9
                    stepSize: 1
                    snapMode: Slider.SnapAlways
                    value: from
                    Accessible.role: Accessible.Slider
                    Accessible.name: qsTr("打印浓度：")
                }
                Text {
                    objectName: "densityValue"
                    text: String(density.value)
                    Accessible.role: Accessible.StaticText
                    Accessible.name: text
                    font.family: BasicConfig.commFont
                    font.pixelSize: 16
                }
            }
            ParameterRow {
                label: qsTr("外设")
                visible: !root.isL7NModel
                onApply: deviceViewModel.communication.setEnablePeripheralsClicked(enableKnife.checked, enableBuzzer.checked, enableCashBox.checked)
                KVZCheckBox { id: enableKnife; objectName: "enableKnife"; text: qsTr("启用切刀"); fontTextSize: 16 }
                KVZCheckBox { id: enableBuzzer; objectName: "enableBuzzer"; text: qsTr("启用蜂鸣"); fontTextSize: 16 }
                KVZCheckBox { id: enableCashBox; objectName: "enableCashBox"; text: qsTr("启用钱箱"); fontTextSize: 16 }
            }
            ParameterRow {
                label: qsTr("启用中文")
                showLabel: false
                onApply: deviceViewModel.communication.setHanziModeClicked(hanziMode.checked)
                KVZCheckBox { id: hanziMode; objectName: "hanziMode"; text: qsTr("启用中文"); fontTextSize: 16 }
            }
            ParameterRow {
                label: qsTr("汉字字符模式:")
                onApply: deviceViewModel.communication.setHanziCharClicked(hanziWidth.checked, hanziHeight.checked, hanziUnderline.checked)
                KVZCheckBox { id: hanziWidth; objectName: "hanziWidth"; text: qsTr("倍宽"); fontTextSize: 16 }
                KVZCheckBox { id: hanziHeight; objectName: "hanziHeight"; text: qsTr("倍高"); fontTextSize: 16 }
                KVZCheckBox { id: hanziUnderline; objectName: "hanziUnderline"; text: qsTr("下划线"); fontTextSize: 16 }
            }
            ParameterRow {
                label: qsTr("汉字字符间距")
                labelWidth: 110
                onApply: deviceViewModel.communication.setHanziMarginClicked(hanziLeft.value, hanziRight.value)
                Text { text: qsTr("汉字字符左间距:"); font.family: BasicConfig.commFont; font.pixelSize: 16 }
                KVZSpinBox { id: hanziLeft; objectName: "hanziLeft"; implicitWidth: 120; from: helperFunction.parameterRange("setHanziMarginClicked", 0).from; to: helperFunction.parameterRange("setHanziMarginClicked", 0).to; Accessible.name: qsTr("汉字字符左间距:") }
                Text { text: qsTr("汉字字符右间距:"); font.family: BasicConfig.commFont; font.pixelSize: 16 }
                KVZSpinBox { id: hanziRight; objectName: "hanziRight"; implicitWidth: 120; from: helperFunction.parameterRange("setHanziMarginClicked", 1).from; to: helperFunction.parameterRange("setHanziMarginClicked", 1).to; Accessible.name: qsTr("汉字字符右间距:") }
            }
            ParameterRow {
                label: qsTr("设置机器型号:")
                visible: root.isL7NModel
                onApply: deviceViewModel.communication.setPrintModelClicked(modelName.text)
                KVZTextField {
                    id: modelName
                    objectName: "modelName"
                    maximumLength: 16
                    placeholderText: qsTr("最多16个字符")
                    Accessible.name: qsTr("设置机器型号:")
                }
            }
            ParameterRow {
                label: ""
                visible: root.isL7NModel
                showApply: false
                KVZPushButton {
                    objectName: "factoryReset"
                    buttonWidth: 170
                    buttonText: qsTr("恢复出厂设置")
                    onClicked: deviceViewModel.communication.setRestoreFactorySettingsClicked()
                }
            }
            ParameterRow {
                // Present for completeness; never shown.
                label: qsTr("USB升级模式")
                visible: false
                onApply: deviceViewModel.communication.setUSBUpgradeModeClicked()
            }
        }
    }
}
