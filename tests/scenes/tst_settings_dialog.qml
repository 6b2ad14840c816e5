import QtQuick 2.15
import QtTest 1.15
import Quillmark.Pictures 1.0
import "../../scenes/Src/rightPage/stackPages"

// The test-print settings dialog against the real back end and a virtual
// printer: what it stores is what the next test print sends.
TestCase {
    id: testCase
    name: "SettingsDialog"
    when: windowShown

    property var printer: null
    property var dialog: null

    Component { id: dialogComponent; SettingsDialog {} }

    function initTestCase() {
        printer = testPrinter.start({ address: "127.0.3.160" })
        verify(printer !== null)
        deviceViewModel.switchToTCP()
        verify(deviceViewModel.communication.connectDevice("KVZ-L7N", "127.0.3.160", "", ""))
        dialog = dialogComponent.createObject(testCase)
        verify(dialog !== null)
        dialog.open()
        tryCompare(dialog, "visible", true)
        waitForRendering(dialog.contentItem)
    }

    function cleanupTestCase() {
        dialog.destroy()
        deviceViewModel.communication.disconnectDevice()
    }

    function find(objectName) {
        const item = findChild(dialog.contentItem, objectName)
        verify(item !== null, "no item " + objectName)
        return item
    }

    // A control as a screen reader finds it: by its visible text.
    function control(text) {
        const item = sceneTest.findAccessible(dialog, text)
        verify(item !== null, "no control named " + text + " in " + sceneTest.accessibleNames(dialog).join(", "))
        return item
    }

    // As a person would: bring the control into view (it takes the focus,
    // as by Tab), then click it.
    function click(text) {
        const item = control(text)
        item.forceActiveFocus()
        waitForRendering(dialog.contentItem)
        mouseClick(item)
        return item
    }

    function typeInto(field, text) {
        field.forceActiveFocus()
        keySequence(StandardKey.SelectAll)
        keyClick(Qt.Key_Delete)
        for (let i = 0; i < text.length; ++i)
            keyClick(text[i])
    }

    function showPage(tabText) {
        click(tabText)
        waitForRendering(dialog.contentItem)
    }

    function printed(before) {
        return printer.receivedHex("tcp")
    }

    function printAndWait(call) {
        printer.clearReceived()
        call()
        tryVerify(function() { return printer.receivedCount("tcp") > 0 }, 5000, "the test print arrives")
        // The whole job: wait until it stops growing.
        let last = -1
        tryVerify(function() {
            const n = printer.receivedCount("tcp")
            const settled = n === last
            last = n
            return settled
        }, 5000)
        return printer.receivedHex("tcp")
    }

    function gbkHex(text) { return helperFunction.stringToGbkHex(text) }

    function test_1_tabsNameTheirPages() {
        const headers = [["图片", "设置打印图片"], ["条码", "设置打印条码"], ["测试页", "设置打印测试页"], ["小票", "设置打印小票"]]
        for (let i = 0; i < headers.length; ++i) {
            showPage(headers[i][0])
            compare(find("settingsPageHeader").text, headers[i][1])
        }
        // An assistive tool presses the tabs too.
        verify(sceneTest.pressAccessible(control("条码")))
        compare(find("settingsPageHeader").text, "设置打印条码")
        compare(dialog.title, "设置打印内容")
        compare(dialog.width, 680)
        compare(dialog.height, 420)
    }

    function test_2_receiptEditedInTheDialogPrints() {
        showPage("小票")
        const page = find("settingsReceiptPage")
        // Keyboard: the paper size choice moves to 80 mm.
        const sizeBox = find("receiptSizeBox")
        sizeBox.forceActiveFocus()
        keyClick(Qt.Key_Down)
        keyClick(Qt.Key_Down)
        compare(sizeBox.currentText, "80小票")
        compare(find("receiptPreviewTitle").text, "测试80小票")

        typeInto(find("productNameField"), "Green tea")
        typeInto(find("productQuantityField"), "2")
        typeInto(find("productPriceField"), "3.5")
        click("添加商品")
        typeInto(find("productNameField"), "Noodles")
        typeInto(find("productPriceField"), "12")
        click("添加商品")
        compare(page.products.count, 2)
        compare(find("productQuantityField").text, "1")
        compare(find("productPriceField").text, "0.00")
        click("计算合计")
        compare(find("receiptPreviewTotal").third, "19.00")
        click("设置为打印")

        const ini = sceneTest.readTextFile(sceneTest.appDir + "/configFile/printtest.ini")
        verify(ini.indexOf("Receipt80Text=1B 40 2D 2D") >= 0, ini)
        const hex = printAndWait(function() { deviceViewModel.communication.setTestPrint80ReceiptsClicked() })
        // 48-byte rules, the title, both products in their columns (quantity
        // after 24 + 1 bytes), the totals.
        verify(hex.indexOf("1B 40 " + Array(49).join("2D ") + "0A") === 0, hex)
        verify(hex.indexOf(gbkHex("测试80小票")) > 0, hex)
        verify(hex.indexOf(gbkHex("Green tea") + " " + Array(24 + 1 - 9 + 1).join("20 ") + gbkHex("2份") + " 20 20 20 "
                           + gbkHex("3.50") + " 0A") > 0, hex)
        verify(hex.indexOf(gbkHex("Noodles") + " ") > 0, hex)
        verify(hex.indexOf(gbkHex("合计金额") + " " + Array(17).join("20 ") + gbkHex("19.00") + " 0A") > 0, hex)
        verify(hex.indexOf(gbkHex("打印时间:")) > 0, hex)
        verify(hex.lastIndexOf("0A 1B 4A FA 1D 56 01") === hex.length - "0A 1B 4A FA 1D 56 01".length, hex)

        // "设置为默认" brings the stored 80 mm default back.
        click("设置为默认")
        const again = printAndWait(function() { deviceViewModel.communication.setTestPrint80ReceiptsClicked() })
        verify(again.indexOf(gbkHex("超级大拼盘")) > 0, again)
        verify(again.indexOf(gbkHex("Green tea")) < 0, again)

        click("清除")
        compare(page.products.count, 0)
        compare(find("receiptPreviewTitle").text, "测试80小票")
    }

    function test_3_badProductInput_data() {
        return [
            { tag: "empty name", name: "   ", quantity: "1", price: "1.00", message: "请输入商品名称" },
            { tag: "quantity 0", name: "Tea", quantity: "0", price: "1.00", message: "数量必须为正整数" },
            { tag: "quantity 1.5", name: "Tea", quantity: "1.5", price: "1.00", message: "数量必须为正整数" },
            { tag: "negative price", name: "Tea", quantity: "1", price: "-1", message: "价格必须为非负数" },
            { tag: "price not a number", name: "Tea", quantity: "1", price: "abc", message: "价格必须为非负数" }
        ]
    }

    function test_3_badProductInput(data) {
        showPage("小票")
        const page = find("settingsReceiptPage")
        const before = page.products.count
        typeInto(find("productNameField"), data.name)
        typeInto(find("productQuantityField"), data.quantity)
        typeInto(find("productPriceField"), data.price)
        click("添加商品")
        compare(find("productMessage").text, data.message)
        verify(find("productMessage").visible)
        compare(page.products.count, before)
    }

    function test_4_barcodeTypeAndRule() {
        showPage("条码")
        const box = find("barcodeTypeBox")
        const field = find("barcodeContentField")
        compare(box.currentText, "UPC-A")
        compare(field.text, "12345678901")
        // ITF: example 12; three digits are marked red.
        box.forceActiveFocus()
        for (let i = 0; i < 5; ++i)
            keyClick(Qt.Key_Down)
        compare(box.currentText, "ITF")
        compare(field.text, "12")
        compare(find("barcodeHint").text, "输入1-255个数字, 个数为偶数个")
        typeInto(field, "123")
        compare(field.text, "123")
        compare(String(field.normalBorderColor), "#e74c3c")
        typeInto(field, "1234")
        verify(String(field.normalBorderColor) !== "#e74c3c")

        // JAN13 is stored under its own name and prints with that system.
        box.forceActiveFocus()
        for (let j = 0; j < 3; ++j)
            keyClick(Qt.Key_Up)
        compare(box.currentText, "JAN13(EAN13)")
        typeInto(field, "490123456789")
        click("设置为测试打印条码")
        const hex = printAndWait(function() { deviceViewModel.communication.setTestPrintBarcodeClicked() })
        compare(hex, "1D 48 02 1D 6B 43 0C " + gbkHex("490123456789"))

        click("重置为默认条码")
        compare(box.currentText, "UPC-A")
        compare(field.text, "12345678901")
        const reset = printAndWait(function() { deviceViewModel.communication.setTestPrintBarcodeClicked() })
        compare(reset, "1D 48 02 1D 6B 41 0C " + gbkHex("123456789012"))
    }

    function test_5_defaultTestPageShownAndStoredUnchanged() {
        showPage("测试页")
        const editor = find("testPageEditor")
        compare(editor.text, "")
        verify(!find("setTestPageButton").enabled)
        click("显示默认内容")
        compare(editor.text, configManager.defaultTestPageText())
        click("设置为测试页")
        const hex = printAndWait(function() { deviceViewModel.communication.setTestPrintTestPageClicked() })
        compare(hex, configManager.defaultTestPageText())
        compare(hex.split(" ").length, 315)

        editor.text = "1B 40 0A"
        click("设置为测试页")
        compare(printAndWait(function() { deviceViewModel.communication.setTestPrintTestPageClicked() }), "1B 40 0A")
        click("重置为默认内容")
        compare(editor.text, "")
        compare(printAndWait(function() { deviceViewModel.communication.setTestPrintTestPageClicked() }),
                configManager.defaultTestPageText())
    }

    function test_6_pictureButtonsNeedAPath() {
        showPage("图片")
        const field = find("imagePathField")
        compare(field.text, "")
        verify(!find("setImageButton").enabled)
        verify(!find("resetImageButton").enabled)
        typeInto(field, "/nonexistent.png")
        verify(find("setImageButton").enabled)
        verify(find("resetImageButton").enabled)
        // A missing file leaves the stored picture alone.
        click("设置为测试打印图片")
        const ini = sceneTest.readTextFile(sceneTest.appDir + "/configFile/printtest.ini")
        verify(ini.indexOf("BitMapPath=configFile/img/bitmap.png") >= 0, ini)
    }

    // The chosen picture shows as the test print prints it: bounded to
    // 160 x 160 dots, with the conversion choices the logos share.
    function test_6b_pictureShownAsItPrints() {
        showPage("图片")
        const path = sceneTest.writePicture("settings-photo.png", 400, 200, "photo")
        typeInto(find("imagePathField"), path)
        const preview = find("settingsImagePage").picturePreview
        compare(preview.path, path)
        tryCompare(preview, "status", PicturePreview.Ready, 10000)
        compare(preview.dotsWidth, 160)
        compare(preview.dotsHeight, 80)
        control("160 × 80 点")
        click("反相")
        compare(preview.invert, true)
        tryCompare(preview, "status", PicturePreview.Ready, 10000)
        const ini = sceneTest.readTextFile(sceneTest.appDir + "/configFile/printtest.ini")
        verify(ini.indexOf("LogoInvert=true") >= 0, ini)
        click("重置")
        compare(preview.invert, false)
        typeInto(find("imagePathField"), "/nonexistent.png")
        tryCompare(preview, "status", PicturePreview.Unreadable, 10000)
        control("无法读取")
    }

    function test_7_escapeClosesAndContentsStay() {
        showPage("小票")
        typeInto(find("productNameField"), "Kept")
        find("settingsReceiptPage").forceActiveFocus()
        keyClick(Qt.Key_Escape)
        tryCompare(dialog, "visible", false)
        dialog.open()
        tryCompare(dialog, "visible", true)
        compare(find("productNameField").text, "Kept")
        compare(find("receiptSizeBox").currentText, "80小票")
    }
}
