import QtQuick 2.15
import QtQuick.Window 2.15
import QtTest 1.15
import "../../scenes/Src/rightPage/stackPages"
import "../../scenes/Src/rightPage/stackPages/TcpUsbStackPages"

// What the previews show is what the printer prints: the text page's "预览"
// and the settings dialog's receipt and test-page pictures, compared with
// the pages of a virtual printer (58 mm paper) that the real back end prints on.
TestCase {
    id: testCase
    name: "PrintPreview"
    when: windowShown
    width: 1000
    height: 900
    visible: true

    property var printer: null

    Component { id: formComponent; WorkingModeForm { width: 1000; height: 900 } }
    Component { id: dialogComponent; SettingsDialog {} }

    function initTestCase() {
        printer = testPrinter.start({ address: "127.0.3.240", paper: 58 })
        verify(printer !== null)
        deviceViewModel.switchToTCP()
        verify(deviceViewModel.communication.connectDevice("KVZ-L7N", "127.0.3.240", "", ""))
    }

    function cleanupTestCase() {
        deviceViewModel.communication.disconnectDevice()
    }

    function control(root, text) {
        let item = null
        tryVerify(function() {
            item = sceneTest.findAccessible(root, text)
            return item !== null
        }, 2000, "no control named " + text + " in " + sceneTest.accessibleNames(root).join(", "))
        return item
    }

    function click(root, text) {
        const item = control(root, text)
        item.forceActiveFocus()
        mouseClick(item)
        return item
    }

    // Until the preview has drawn what it was last given.
    function waitForPreview(preview, after) {
        tryVerify(function() { return preview.revision > after && !preview.busy }, 10000, "the preview is drawn")
    }

    // Prints with call(), waits for the whole job, ends the page if no cut
    // did, and compares each page of the preview with the printer's.
    function expectPrintedAsPreviewed(preview, call) {
        printer.clearReceived()
        const pagesBefore = printer.events("page").length
        call()
        tryVerify(function() { return printer.receivedCount("tcp") > 0 }, 5000, "the print arrives")
        // The job has all arrived once nothing more comes for half a second
        // (the printer decodes at its own pace, slower under a checker).
        let last = -1
        for (let rounds = 0; rounds < 40; ++rounds) {
            const n = printer.receivedCount("tcp")
            if (n === last)
                break
            last = n
            wait(500)
        }
        const count = preview.pages.length
        verify(count > 0)
        if (printer.events("page").length - pagesBefore < count)
            printer.flushPage()
        compare(printer.events("page").length - pagesBefore, count, "a page per cut")
        for (let i = 0; i < count; ++i)
            compare(printer.comparePage(i - count, preview, i), "", "page " + (i + 1))
    }

    function test_textPagePreviewIsWhatPrints() {
        const form = formComponent.createObject(testCase)
        verify(form !== null)
        waitForRendering(form)
        // GBK carries the Chinese; the page refuses text its code page cannot encode.
        qmlLanguage.setCodePageSelect(28)
        form.updateCodePageSelect()
        compare(form.codePageName, "GBK")
        form.currentEditor().text = "Preview 预览 12345"

        click(form, "预览")
        const loader = findChild(form, "printPreviewLoader")
        const dialog = loader.item
        tryCompare(dialog, "visible", true)
        const preview = dialog.printPreview
        waitForPreview(preview, 0)
        compare(preview.paperMm, 80)
        compare(preview.pages.length, 1)
        compare(preview.undecodedCount, 0)
        // The picture is shown, and the controls carry their texts.
        const picture = findChild(dialog.contentItem, "previewPicture_0")
        verify(picture !== null)
        tryCompare(picture, "status", Image.Ready)
        compare(picture.sourceSize.width, 576)
        for (const text of ["58 mm", "80 mm", "关闭", "预览第 1 张"])
            control(dialog, text)

        // On the printer's paper, 58 mm: the picture is drawn again.
        const revision = preview.revision
        click(dialog, "58 mm")
        waitForPreview(preview, revision)
        compare(preview.paperMm, 58)
        const narrow = findChild(dialog.contentItem, "previewPicture_0")
        tryCompare(narrow, "status", Image.Ready)
        compare(narrow.sourceSize.width, 384)

        click(dialog, "关闭")
        tryCompare(dialog, "visible", false)
        expectPrintedAsPreviewed(preview, function() { form.printOrSet() })

        // Another action: print and feed 3 lines, in hexadecimal.
        form.chooseAction(2)
        findChild(form, "feedLines").value = 3
        form.setHex(true)
        const again = preview.revision
        click(form, "预览")
        waitForPreview(preview, again)
        compare(preview.paperMm, 58)
        expectPrintedAsPreviewed(preview, function() { form.printOrSet() })
        form.destroy()
    }

    function test_settingsDialogPreviewsAreWhatPrints() {
        const dialog = dialogComponent.createObject(testCase)
        verify(dialog !== null)
        dialog.open()
        tryCompare(dialog, "visible", true)

        // The receipt, on the 58 mm paper of its size, follows the products.
        click(dialog, "小票")
        const page = findChild(dialog.contentItem, "settingsReceiptPage")
        const preview = page.printPreview
        waitForPreview(preview, 0)
        compare(preview.paperMm, 58)
        const before = preview.revision
        page.products.append({ name: "超级大拼盘", quantity: 1, price: "330.00" })
        page.products.append({ name: "Green tea", quantity: 2, price: "3.50" })
        waitForPreview(preview, before)
        compare(preview.pages.length, 1)
        verify(findChild(page, "previewPicture_0") !== null)
        control(dialog, "预览第 1 张")
        click(dialog, "设置为打印")
        expectPrintedAsPreviewed(preview, function() { deviceViewModel.communication.setTestPrint58ReceiptsClicked() })

        // The list is still there, one choice away.
        click(dialog, "列表")
        compare(page.previewMode, 2)
        verify(findChild(dialog.contentItem, "receiptPreviewItem_0").visible)
        click(dialog, "80 mm")
        tryCompare(preview, "paperMm", 80)

        // The test page, as typed.
        click(dialog, "测试页")
        const testPage = findChild(dialog.contentItem, "settingsTestPagePage")
        const pagePreview = testPage.printPreview
        click(dialog, "58 mm")
        const drawn = pagePreview.revision
        click(dialog, "显示默认内容")
        waitForPreview(pagePreview, drawn)
        compare(pagePreview.paperMm, 58)
        compare(pagePreview.undecodedCount, 0)
        click(dialog, "设置为测试页")
        expectPrintedAsPreviewed(pagePreview, function() { deviceViewModel.communication.setTestPrintTestPageClicked() })

        // Bytes the printer cannot read are counted under the picture.
        const typed = pagePreview.revision
        findChild(dialog.contentItem, "testPageEditor").text = "41 0A 1B 8F 1D 28 45 01 00 00"
        waitForPreview(pagePreview, typed)
        compare(pagePreview.undecodedCount, 2)
        const note = findChild(testPage, "previewUndecoded")
        verify(note.visible)
        compare(note.text, "2 处打印机无法识别")
        dialog.destroy()
    }
}
