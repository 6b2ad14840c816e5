import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Window 2.15
import Quillmark.Preview 1.0
import "../../basic"
import "../../commonUI"

// Receipt page of the settings dialog: the sample receipt of one paper size
// is put together from a title and products (left) with a live preview
// (right): the receipt as the printer draws it on 58 or 80 mm paper, or as a
// list; "设置为打印" stores it as that size's test receipt.
Item {
    id: page

    readonly property var sizes: [qsTr("58小票"), qsTr("76小票"), qsTr("80小票")]
    property string receiptTitle: qsTr("测试") + sizes[0]
    property bool showTotals: false
    property real total: 0
    property string message: ""
    property string now: ""
    readonly property alias sizeIndex: sizeBox.currentIndex
    readonly property alias products: productModel
    // The preview shown: 0 on 58 mm paper, 1 on 80 mm paper, 2 the list.
    property int previewMode: 0
    readonly property alias printPreview: receiptPreview

    function defaultTitle() { return qsTr("测试") + sizeBox.currentText }

    function resetInputs() {
        nameField.text = ""
        quantityField.text = "1"
        priceField.text = "0.00"
    }

    function addProduct() {
        const name = nameField.text.trim()
        const quantityText = quantityField.text.trim()
        const price = Number(priceField.text.trim())
        if (name === "") {
            message = qsTr("请输入商品名称")
            return
        }
        if (!/^\d+$/.test(quantityText) || parseInt(quantityText, 10) < 1) {
            message = qsTr("数量必须为正整数")
            return
        }
        if (priceField.text.trim() === "" || isNaN(price) || price < 0) {
            message = qsTr("价格必须为非负数")
            return
        }
        message = ""
        productModel.append({ name: name, quantity: parseInt(quantityText, 10), price: price.toFixed(2) })
        showTotals = false
        resetInputs()
    }

    function calculateTotal() {
        let sum = 0
        for (let i = 0; i < productModel.count; ++i)
            sum += productModel.get(i).quantity * Number(productModel.get(i).price)
        total = sum
        showTotals = true
    }

    function clearAll() {
        productModel.clear()
        showTotals = false
        total = 0
        receiptTitle = defaultTitle()
        titleField.text = receiptTitle
        resetInputs()
        message = ""
    }

    // The receipt as the back end builds it, labels in the current language.
    function receipt() {
        const items = []
        for (let i = 0; i < productModel.count; ++i) {
            const p = productModel.get(i)
            items.push({ name: p.name, quantity: p.quantity, price: p.price })
        }
        return {
            sizeText: sizeBox.currentText,
            title: receiptTitle,
            items: items,
            showTotals: showTotals,
            total: total.toFixed(2),
            printTime: Qt.formatDateTime(new Date(), "yyyy-MM-dd hh:mm:ss"),
            labels: {
                productName: qsTr("商品名称"), quantity: qsTr("数量"), price: qsTr("价格"), piece: qsTr("份"),
                totalAmount: qsTr("合计金额"), discount: qsTr("单价折扣金额"), subtotal: qsTr("金额小计"),
                time: qsTr("打印时间:")
            }
        }
    }

    function setAsPrint() {
        const text = helperFunction.receiptCommandText(receipt())
        deviceViewModel.communication.setTestPrintReceiptClicked(text, sizeBox.currentIndex)
    }

    // The picture follows every change: the same command text that
    // "设置为打印" stores, drawn by the printer's renderer.
    function refreshPreview() {
        receiptPreview.showHexText(helperFunction.receiptCommandText(receipt()))
    }

    onReceiptTitleChanged: refreshPreview()
    onShowTotalsChanged: refreshPreview()
    onTotalChanged: refreshPreview()
    Component.onCompleted: refreshPreview()

    ListModel {
        id: productModel
        onCountChanged: page.refreshPreview()
    }

    PrintPreview {
        id: receiptPreview
        paperMm: page.previewMode === 0 ? 58 : 80
    }

    // Keyboard users: the input that takes the focus scrolls into view.
    Connections {
        target: page.Window.window
        function onActiveFocusItemChanged() {
            const item = page.Window.window ? page.Window.window.activeFocusItem : null
            let ancestor = item
            while (ancestor && ancestor !== inputColumn)
                ancestor = ancestor.parent
            if (!ancestor)
                return
            const top = item.mapToItem(inputColumn, 0, 0).y
            if (top < inputs.contentY)
                inputs.contentY = top
            else if (top + item.height > inputs.contentY + inputs.height)
                inputs.contentY = top + item.height - inputs.height
        }
    }

    Timer {
        interval: 1000
        repeat: true
        triggeredOnStart: true
        running: page.visible && page.showTotals
        onTriggered: page.now = Qt.formatDateTime(new Date(), "yyyy-MM-dd hh:mm:ss")
    }

    // Left half: the inputs.
    Flickable {
        id: inputs
        anchors { left: parent.left; top: parent.top; bottom: parent.bottom }
        width: parent.width / 2 - 4
        clip: true
        contentHeight: inputColumn.height
        ScrollBar.vertical: ScrollBar { width: 8 }

        Column {
            id: inputColumn
            width: inputs.width - 10
            spacing: 6

            KVZGroupBox {
                width: parent.width
                title: qsTr("类型设置")
                titleFontPixel: 14
                KVZCombobox {
                    id: sizeBox
                    objectName: "receiptSizeBox"
                    width: 150
                    height: 32
                    textSize: 14
                    model: page.sizes
                    Accessible.name: qsTr("类型设置") + " " + displayText
                    onActivated: {
                        page.receiptTitle = page.defaultTitle()
                        titleField.text = page.receiptTitle
                        if (page.previewMode !== 2)
                            page.previewMode = currentIndex === 0 ? 0 : 1
                    }
                    onCurrentIndexChanged: page.refreshPreview()
                }
            }

            KVZGroupBox {
                width: parent.width
                title: qsTr("标题设置")
                titleFontPixel: 14
                Row {
                    spacing: 6
                    KVZTextField {
                        id: titleField
                        objectName: "receiptTitleField"
                        width: 150
                        height: 32
                        font.pixelSize: 14
                        text: page.receiptTitle
                        placeholderText: qsTr("请输入小票标题")
                    }
                    KVZPushButton {
                        objectName: "changeTitleButton"
                        buttonWidth: 90
                        buttonHeight: 32
                        textSize: 14
                        buttonText: qsTr("修改标题")
                        onClicked: page.receiptTitle = titleField.text
                    }
                }
            }

            KVZGroupBox {
                width: parent.width
                title: qsTr("商品录入")
                titleFontPixel: 14
                Column {
                    spacing: 6
                    KVZTextField {
                        id: nameField
                        objectName: "productNameField"
                        width: 250
                        height: 32
                        font.pixelSize: 14
                        placeholderText: qsTr("商品名称")
                    }
                    Row {
                        spacing: 6
                        KVZTextField {
                            id: quantityField
                            objectName: "productQuantityField"
                            width: 70
                            height: 32
                            font.pixelSize: 14
                            text: "1"
                            inputMethodHints: Qt.ImhDigitsOnly
                            placeholderText: qsTr("数量")
                            Accessible.name: placeholderText
                        }
                        KVZTextField {
                            id: priceField
                            objectName: "productPriceField"
                            width: 80
                            height: 32
                            font.pixelSize: 14
                            text: "0.00"
                            inputMethodHints: Qt.ImhFormattedNumbersOnly
                            placeholderText: qsTr("价格")
                            Accessible.name: placeholderText
                        }
                        KVZPushButton {
                            objectName: "addProductButton"
                            buttonWidth: 86
                            buttonHeight: 32
                            textSize: 14
                            buttonText: qsTr("添加商品")
                            onClicked: page.addProduct()
                        }
                    }
                    Text {
                        objectName: "productMessage"
                        visible: page.message !== ""
                        text: page.message
                        color: "#e74c3c"
                        font.family: BasicConfig.commFont
                        font.pixelSize: 13
                        Accessible.role: Accessible.AlertMessage
                        Accessible.name: text
                    }
                }
            }

            KVZGroupBox {
                width: parent.width
                title: qsTr("计算操作")
                titleFontPixel: 14
                Row {
                    spacing: 6
                    KVZPushButton {
                        objectName: "calculateTotalButton"
                        buttonWidth: 110
                        buttonHeight: 32
                        textSize: 14
                        buttonText: qsTr("计算合计")
                        onClicked: page.calculateTotal()
                    }
                    KVZPushButton {
                        objectName: "clearReceiptButton"
                        buttonWidth: 110
                        buttonHeight: 32
                        textSize: 14
                        buttonText: qsTr("清除")
                        onClicked: page.clearAll()
                    }
                }
            }

            KVZGroupBox {
                width: parent.width
                title: qsTr("设置")
                titleFontPixel: 14
                Row {
                    spacing: 6
                    KVZPushButton {
                        objectName: "setReceiptButton"
                        buttonWidth: 110
                        buttonHeight: 32
                        textSize: 14
                        buttonText: qsTr("设置为打印")
                        onClicked: page.setAsPrint()
                    }
                    KVZPushButton {
                        objectName: "defaultReceiptButton"
                        buttonWidth: 110
                        buttonHeight: 32
                        textSize: 14
                        buttonText: qsTr("设置为默认")
                        onClicked: deviceViewModel.communication.setTestDefaultPrintReceiptClicked(sizeBox.currentIndex)
                    }
                }
            }
        }
    }

    // Right half: the preview.
    Rectangle {
        anchors { right: parent.right; top: parent.top; bottom: parent.bottom }
        width: parent.width / 2 - 4
        color: "#FFFFFF"
        border.color: "#E0E3EA"
        radius: 4

        SegmentedChoice {
            id: previewChoice
            objectName: "receiptPreviewChoice"
            anchors { top: parent.top; horizontalCenter: parent.horizontalCenter; topMargin: 6 }
            options: ["58 mm", "80 mm", qsTr("列表")]
            segmentWidth: 72
            currentIndex: page.previewMode
            onActivated: page.previewMode = index
        }

        PrintPreviewPane {
            objectName: "receiptPrintPreview"
            anchors { left: parent.left; right: parent.right; top: previewChoice.bottom; bottom: parent.bottom; margins: 8 }
            visible: page.previewMode !== 2
            preview: receiptPreview
        }

        Flickable {
            id: previewFlick
            anchors { left: parent.left; right: parent.right; top: previewChoice.bottom; bottom: parent.bottom; margins: 8 }
            visible: page.previewMode === 2
            clip: true
            contentHeight: preview.height
            ScrollBar.vertical: ScrollBar { width: 8 }

            Column {
                id: preview
                objectName: "receiptPreview"
                width: previewFlick.width
                spacing: 4

                Text {
                    objectName: "receiptPreviewTitle"
                    width: parent.width
                    horizontalAlignment: Text.AlignHCenter
                    text: page.receiptTitle
                    font.family: BasicConfig.commFont
                    font.pixelSize: 18
                    font.bold: true
                    wrapMode: Text.Wrap
                }
                Rectangle { width: parent.width; height: 1; color: "#BABCC4" }
                ReceiptPreviewRow {
                    width: parent.width
                    bold: true
                    first: qsTr("商品名称")
                    second: qsTr("数量")
                    third: qsTr("价格")
                }
                Rectangle { width: parent.width; height: 1; color: "#BABCC4" }
                Repeater {
                    model: productModel
                    ReceiptPreviewRow {
                        objectName: "receiptPreviewItem_" + index
                        width: preview.width
                        first: model.name
                        second: model.quantity + qsTr("份")
                        third: model.price
                    }
                }
                Column {
                    width: parent.width
                    spacing: 4
                    visible: page.showTotals
                    Rectangle { width: parent.width; height: 1; color: "#BABCC4" }
                    ReceiptPreviewRow {
                        objectName: "receiptPreviewTotal"
                        width: parent.width
                        first: qsTr("合计金额")
                        third: page.total.toFixed(2)
                    }
                    ReceiptPreviewRow { width: parent.width; first: qsTr("单价折扣金额"); third: "0.00" }
                    ReceiptPreviewRow { width: parent.width; first: qsTr("金额小计"); third: page.total.toFixed(2) }
                    Rectangle { width: parent.width; height: 1; color: "#BABCC4" }
                    Text {
                        width: parent.width
                        text: qsTr("打印时间:") + page.now
                        font.family: BasicConfig.commFont
                        font.pixelSize: 12
                        color: "#4A4B4E"
                        Accessible.role: Accessible.StaticText
                        Accessible.name: text
                    }
                }
            }
        }
    }
}
