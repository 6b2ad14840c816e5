import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../../basic"
import "../../../commonUI"

// Barcodes: the nine one-dimensional symbologies with their keypads and the
// HRI and size settings, and two-dimensional codes with a preview.
Item {
    id: root
    objectName: "barCodeForm"

    property var toast: null
    // The last preview's image id ("" before the first one).
    property string previewId: ""
    readonly property alias digitDialog: digitDialog
    readonly property alias code39Dialog: code39Dialog
    readonly property alias codabarDialog: codabarDialog
    readonly property alias code93Dialog: code93Dialog
    readonly property alias code128Dialog: code128Dialog

    implicitWidth: 780
    implicitHeight: 640

    // One row per symbology: its name, character set, limits and print
    // operation, as the back end knows them.
    readonly property var symbologies: helperFunction.barcodeSymbologies()
    readonly property var moreSymbologies: ["Code-11", "Code 39 Mod 43", "Code 39_Extended",
        "UPC SUPPLEMENTAL 2DIGIT", "UPC SUPPLEMENTAL 5DIGIT", "POSTNET", "BOOKLAND", "LOGMARS", "MSI",
        "Standard 2 of 5", "FIM", "Pharmacode One Track", "GS1 128"]

    ButtonGroup { id: hriPositionGroup }
    ButtonGroup { id: hriFontGroup }

    function notifyError(message) {
        var t = toast ? toast : localToast
        t.bgColor = "#FDE7E9"
        t.textColor = "black"
        t.showMessage(message, 2000, "qrc:/img/Resources/commonUI/errorTips.png")
    }
    function choiceOf(group) {
        // The checked button's own number (see `choice` on each radio button).
        return group.checkedButton ? group.checkedButton.parent.choice : 1
    }
    function openKeypad(s, field) {
        var dialog
        switch (s.charset) {
        case "DIGITS":
            dialog = digitDialog
            dialog.evenFlag = s.evenCount
            dialog.checkDigit = s.checkDigit
            break
        case "CODE39": dialog = code39Dialog; break
        case "CODEBAR": dialog = codabarDialog; break
        case "CODE93": dialog = code93Dialog; break
        default: dialog = code128Dialog; break
        }
        dialog.maxLength = s.maxLength
        dialog.dialogTitle = s.name
        dialog.openFor(field)
        return dialog
    }
    // Sends only contents the symbology can carry; the back end says why not.
    function printRow(s, text) {
        var problem = helperFunction.barcodePrintProblem(s.name, text)
        if (problem !== "") {
            notifyError(problem)
            return false
        }
        var c = deviceViewModel.communication
        c[s.operation](s.charset === "CODE128" ? code128Dialog.decimalValuesString : text)
        return true
    }
    function generatePreview() {
        if (qrContent.text.trim() === "")
            return
        var id = helperFunction.generateBarcode(qrType.currentText, qrContent.text, qrLevel.currentText)
        if (id !== "")
            previewId = id
    }
    function print2d() {
        if (qrContent.text === "") {
            notifyError(qsTr("请先编辑条码数据，再打印"))
            return
        }
        var c = deviceViewModel.communication
        c.set2dBarCodeTypeClicked(qrType.currentText)
        c.setQRCodeClicked(qrMagnification.value, qrLevel.currentIndex, qrContent.text)
    }

    KVZNumberInputDialog { id: digitDialog }
    KVZCode39Dialog { id: code39Dialog }
    KVZCODEBARDialog { id: codabarDialog }
    KVZCode93Dialog { id: code93Dialog }
    KVZCODE128Dialog { id: code128Dialog }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 10
        spacing: 8

        KVZCombobox {
            id: modeChoice
            objectName: "barcodeMode"
            implicitWidth: 200
            model: [qsTr("一维码模式"), qsTr("二维码模式")]
            currentIndex: 0
        }

        StackLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            currentIndex: modeChoice.currentIndex

            // One-dimensional codes.
            Flickable {
                objectName: "barcode1d"
                clip: true
                contentHeight: oneD.implicitHeight
                ScrollBar.vertical: ScrollBar {}
                ColumnLayout {
                    id: oneD
                    width: parent.width - 12
                    spacing: 8
                    KVZGroupBox {
                        title: qsTr("一维码")
                        Layout.fillWidth: true
                        GridLayout {
                            columns: 2
                            columnSpacing: 16
                            rowSpacing: 4
                            Repeater {
                                model: root.symbologies
                                Item {
                                    // A row: name, content, edit, print.
                                    objectName: "row_" + modelData.name
                                    implicitWidth: rowLayout.implicitWidth
                                    implicitHeight: rowLayout.implicitHeight
                                    Accessible.role: Accessible.Grouping
                                    Accessible.name: modelData.name
                                    RowLayout {
                                        id: rowLayout
                                        spacing: 4
                                        Text {
                                            Layout.preferredWidth: 100
                                            text: modelData.name
                                            font.family: BasicConfig.commFont
                                            font.pixelSize: 13
                                            Accessible.ignored: true
                                        }
                                        KVZTextField {
                                            id: content
                                            objectName: "content_" + modelData.name
                                            implicitWidth: 110
                                            implicitHeight: 32
                                            font.pixelSize: 13
                                            readOnly: true
                                            Accessible.name: modelData.name
                                        }
                                        KVZPushButton {
                                            buttonWidth: 52; buttonHeight: 32; textSize: 14
                                            buttonText: qsTr("编辑")
                                            onClicked: root.openKeypad(modelData, content)
                                        }
                                        KVZPushButton {
                                            buttonWidth: 52; buttonHeight: 32; textSize: 14
                                            buttonText: qsTr("打印")
                                            onClicked: root.printRow(modelData, content.text)
                                        }
                                    }
                                }
                            }
                        }
                    }
                    KVZGroupBox {
                        objectName: "hriPositionGroup"
                        title: qsTr("HRI位置:")
                        Layout.fillWidth: true
                        RowLayout {
                            spacing: 6
                            Repeater {
                                model: [qsTr("不打印"), qsTr("条码上方"), qsTr("条码下方"), qsTr("条码上、下方")]
                                KVZRadioButton {
                                    objectName: "hriPosition" + (index + 1)
                                    property int choice: index + 1
                                    radioWidth: 130
                                    contentText: modelData
                                    exclusiveGroup: hriPositionGroup
                                    checked: index === 0
                                }
                            }
                            KVZPushButton {
                                objectName: "hriPositionSet"
                                buttonWidth: 80
                                buttonText: qsTr("设置")
                                onClicked: deviceViewModel.communication.setHriPositionClicked(root.choiceOf(hriPositionGroup))
                            }
                        }
                    }
                    KVZGroupBox {
                        objectName: "hriFontGroup"
                        title: qsTr("HRI字体:")
                        Layout.fillWidth: true
                        RowLayout {
                            spacing: 6
                            KVZRadioButton {
                                objectName: "hriFont1"
                                property int choice: 1
                                radioWidth: 250
                                contentText: qsTr("标准ASCII码字符(12x24)")
                                exclusiveGroup: hriFontGroup
                                checked: true
                            }
                            KVZRadioButton {
                                objectName: "hriFont2"
                                property int choice: 2
                                radioWidth: 250
                                contentText: qsTr("压缩ASCII码字符(9x17)")
                                exclusiveGroup: hriFontGroup
                            }
                            KVZPushButton {
                                objectName: "hriFontSet"
                                buttonWidth: 80
                                buttonText: qsTr("设置")
                                onClicked: deviceViewModel.communication.setHriFontClicked(root.choiceOf(hriFontGroup))
                            }
                        }
                    }
                    KVZGroupBox {
                        objectName: "barcodeSizeGroup"
                        title: qsTr("HRI条码大小:")
                        Layout.fillWidth: true
                        RowLayout {
                            spacing: 8
                            Text { text: qsTr("宽度"); font.family: BasicConfig.commFont; font.pixelSize: 16 }
                            KVZSpinBox { id: barWidth; objectName: "barWidth"; from: helperFunction.parameterRange("setBarcodeSizeClicked", 0).from; to: helperFunction.parameterRange("setBarcodeSizeClicked", 0).to; value: 2; Accessible.name: qsTr("宽度") }
                            Text { text: qsTr("高度"); font.family: BasicConfig.commFont; font.pixelSize: 16 }
                            KVZSpinBox { id: barHeight; objectName: "barHeight"; from: helperFunction.parameterRange("setBarcodeSizeClicked", 1).from; to: helperFunction.parameterRange("setBarcodeSizeClicked", 1).to; value: 2; Accessible.name: qsTr("高度") }
                            KVZPushButton {
                                objectName: "barcodeSizeSet"
                                buttonWidth: 80
                                buttonText: qsTr("设置")
                                onClicked: deviceViewModel.communication.setBarcodeSizeClicked(barWidth.value, barHeight.value)
                            }
                        }
                    }
                    KVZGroupBox {
                        objectName: "moreGroup"
                        title: qsTr("更多")
                        Layout.fillWidth: true
                        RowLayout {
                            spacing: 8
                            KVZCombobox {
                                id: moreType
                                objectName: "moreType"
                                implicitWidth: 240
                                model: root.moreSymbologies
                            }
                            KVZTextField {
                                id: moreContent
                                objectName: "moreContent"
                                placeholderText: qsTr("内容")
                            }
                            KVZPushButton {
                                objectName: "morePrint"
                                buttonWidth: 80
                                buttonText: qsTr("打印")
                                onClicked: deviceViewModel.communication.setPrintMoreBarCodeClicked(moreType.currentText, moreContent.text)
                            }
                        }
                    }
                }
            }

            // Two-dimensional codes.
            Item {
                objectName: "barcode2d"
                RowLayout {
                    anchors.fill: parent
                    spacing: 10
                    ColumnLayout {
                        Layout.fillHeight: true
                        Layout.preferredWidth: 380
                        Layout.maximumWidth: 380
                        spacing: 8
                        GridLayout {
                            columns: 2
                            columnSpacing: 8
                            Text { text: qsTr("类型"); font.family: BasicConfig.commFont; font.pixelSize: 16 }
                            KVZCombobox {
                                id: qrType
                                objectName: "qrType"
                                implicitWidth: 200
                                model: ["QR_CODE", "AZTEC", "DATA_MATRIX", "PDF417"]
                                currentIndex: 0
                            }
                            Text { text: qsTr("放大倍数"); font.family: BasicConfig.commFont; font.pixelSize: 16 }
                            KVZSpinBox {
                                id: qrMagnification
                                objectName: "qrMagnification"
                                from: helperFunction.parameterRange("setQRCodeClicked", 0).from; to: helperFunction.parameterRange("setQRCodeClicked", 0).to; value: 8
                                Accessible.name: qsTr("放大倍数")
                            }
                            Text { text: qsTr("纠错级别"); font.family: BasicConfig.commFont; font.pixelSize: 16 }
                            KVZCombobox {
                                id: qrLevel
                                objectName: "qrLevel"
                                implicitWidth: 200
                                model: ["L", "M", "Q", "H"]
                                currentIndex: 1
                            }
                        }
                        ScrollView {
                            Layout.fillWidth: true
                            Layout.fillHeight: true
                            background: Rectangle { color: "#FFFFFF"; border.color: "#BABCC4"; radius: 5 }
                            TextArea {
                                id: qrContent
                                objectName: "qrContent"
                                wrapMode: TextArea.Wrap
                                selectByMouse: true
                                placeholderText: qsTr("二维码内容")
                                font.family: BasicConfig.commFont
                                font.pixelSize: 15
                                Accessible.name: qsTr("二维码内容")
                            }
                        }
                        Text {
                            objectName: "qrLength"
                            text: qsTr("字符数量: ") + qrContent.length
                            font.family: BasicConfig.commFont
                            font.pixelSize: 14
                            Accessible.role: Accessible.StaticText
                            Accessible.name: text
                        }
                        RowLayout {
                            spacing: 10
                            KVZPushButton {
                                objectName: "qrPreview"
                                buttonText: qsTr("生成预览")
                                onClicked: root.generatePreview()
                            }
                            KVZPushButton {
                                objectName: "qrPrint"
                                buttonText: qsTr("打印")
                                onClicked: root.print2d()
                            }
                        }
                    }
                    Rectangle {
                        Layout.fillWidth: true
                        Layout.fillHeight: true
                        Layout.minimumWidth: 280
                        color: "#FFFFFF"
                        border.color: "#BABCC4"
                        radius: 5
                        Image {
                            id: preview
                            objectName: "qrPreviewImage"
                            anchors.centerIn: parent
                            width: Math.min(parent.width, parent.height) - 20
                            height: width
                            fillMode: Image.PreserveAspectFit
                            smooth: false
                            cache: false
                            source: root.previewId !== "" ? "image://barcode/" + root.previewId : ""
                            Accessible.role: Accessible.Graphic
                            Accessible.name: qsTr("预览")
                        }
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
