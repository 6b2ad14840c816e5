import QtQuick 2.15
import QtQuick.Window 2.15
import QtTest 1.15
import "../../scenes/Src/rightPage/stackPages/TcpUsbStackPages/CodePageNames.js" as CodePages

// Text in every code page and the two-dimensional codes on a new
// installation, against a virtual printer over TCP: Chinese reaches the
// printer as GBK, text the code page lacks is announced before anything is
// sent and may go as a picture, the code page table prints its 224 cells, and
// Aztec, Data Matrix and PDF417 codes read back from the printed page.
TestCase {
    id: testCase
    name: "CodePages"
    when: windowShown
    width: 1000
    height: 1500
    visible: true

    readonly property string pagesDir: "../../scenes/Src/rightPage/stackPages/TcpUsbStackPages/"
    readonly property string configFile: sceneTest.appDir + "/configFile/initial.ini"
    property var printer: null
    property var page: null

    function initTestCase() {
        // This run's folder is new: the program's start creates initial.ini.
        verify(!sceneTest.fileExists(configFile))
        sceneTest.readStartupConfiguration()
        verify(sceneTest.readTextFile(configFile).indexOf("CodePageSelect=28\n") >= 0)
        printer = testPrinter.start({ address: "127.0.3.121" })
        verify(printer !== null)
        deviceViewModel.switchToTCP()
        verify(deviceViewModel.communication.connectDevice("KVZ-80", "127.0.3.121", "", ""))
    }
    function cleanupTestCase() {
        deviceViewModel.communication.disconnectDevice()
        printer.stop()
    }
    function cleanup() {
        if (page)
            page.destroy()
        page = null
    }

    function openPage(name) {
        var component = Qt.createComponent(pagesDir + name + ".qml")
        compare(component.status, Component.Ready, component.errorString())
        page = component.createObject(testCase, { width: testCase.width, height: testCase.height })
        verify(page !== null, name)
        waitForRendering(page)
        return page
    }
    // The control reached by a path of accessible names, as a screen reader finds it.
    function find(path, roles) {
        var item = null
        tryVerify(function() {
            item = sceneTest.findAccessible(page, path, roles || [])
            return item !== null
        }, 1000, "no control " + JSON.stringify(path) + " in " + sceneTest.accessibleNames(page).join(" | "))
        return item
    }
    function click(path) {
        mouseClick(find(path, [Accessible.Button, Accessible.CheckBox]))
    }
    // Types as a keyboard does; characters no key carries as an input method commits them.
    function typeInto(path, text) {
        var item = find(path, [Accessible.EditableText, Accessible.SpinBox])
        var field = item.contentItem && item.contentItem.selectAll ? item.contentItem : item
        mouseClick(field)
        field.forceActiveFocus()
        tryVerify(function() { return field.activeFocus })
        field.selectAll()
        for (var i = 0; i < text.length; ++i) {
            if (text.charCodeAt(i) < 128) {
                keyClick(text.charAt(i))
            } else {
                field.remove(field.selectionStart, field.selectionEnd)
                field.insert(field.cursorPosition, text.charAt(i))
            }
        }
        if (typeof field.append !== "function")
            keyClick(Qt.Key_Return)
    }
    function choose(path, index) {
        var combo = find(path, [Accessible.ComboBox])
        combo.forceActiveFocus()
        while (combo.currentIndex < index)
            keyClick(Qt.Key_Down)
        while (combo.currentIndex > index)
            keyClick(Qt.Key_Up)
        compare(combo.currentIndex, index)
    }
    // What arrived since clearReceived(), up to an initialise command sent
    // afterwards as the end mark.
    function received(what) {
        deviceViewModel.communication.setInitMachineClicked()
        tryVerify(function() { return / 1B 40$|^1B 40$/.test(printer.receivedHex("tcp")) }, 5000,
                  what + ": " + printer.receivedHex("tcp"))
        var hex = printer.receivedHex("tcp")
        return hex.substring(0, hex.length - 5).trim()
    }

    function test_chineseOnANewInstallationArrivesAsGbk() {
        compare(qmlLanguage.getCodePageSelect(), 28)
        openPage("WorkingModeForm")
        compare(page.codePageName, "GBK")
        verify(find(["打印内容", "GBK"], [Accessible.ComboBox]) !== null)
        printer.clearReceived()
        typeInto(["在这里输入要打印的信息1"], "中文A")
        click(["打印/设置"])
        compare(received("Chinese in GBK"), "D6 D0 CE C4 41 0A")
        // The printer logs the line once it has decoded it, which may come
        // after the bytes are counted as received.
        tryVerify(function() {
            var texts = printer.events("text")
            return texts.length > 0 && texts[texts.length - 1].params.text === "中文A"
        }, 5000, "the printer's last text event: " + JSON.stringify(printer.events("text").slice(-1)))
    }

    function test_textTheCodePageLacksIsAnnouncedAndMayGoAsPicture() {
        openPage("WorkingModeForm")
        choose(["打印内容", "GBK"], CodePages.names.indexOf("ISO-8859-1"))
        compare(page.codePageName, "ISO-8859-1")
        typeInto(["在这里输入要打印的信息1"], "Café 中文")
        printer.clearReceived()
        click(["打印/设置"])
        // The notice and its choice; nothing went to the printer.
        var notice = "以下字符无法用 ISO-8859-1 编码: 中 文"
        verify(find([notice]) !== null)
        compare(received("refused text"), "")
        click(["取消"])
        compare(sceneTest.findAccessible(page, [notice], []), null)

        click(["打印/设置"])
        verify(find([notice]) !== null)
        var seq = printer.lastEventSeq()
        printer.clearReceived()
        click(["作为图片打印"])
        compare(sceneTest.findAccessible(page, [notice], []), null)
        // One raster picture, then the chosen action's line feed without text.
        var hex = received("text as a picture")
        verify(hex.indexOf("1D 76 30 00 ") === 0, hex.substring(0, 40))
        verify(/ 0A$/.test(hex), hex.substring(hex.length - 20))
        var pictures = printer.eventsSince(seq).filter(function(e) { return e.name === "raster_image" })
        compare(pictures.length, 1)
        verify(pictures[0].params.height >= 16 && pictures[0].params.width_bytes <= 48, JSON.stringify(pictures[0].params))
        compare(printer.eventsSince(seq).filter(function(e) { return e.kind === "text" }).length, 0)

        // What the code page carries goes as text, as before.
        typeInto(["在这里输入要打印的信息1"], "Café")
        printer.clearReceived()
        click(["打印/设置"])
        compare(received("Latin-1 text"), "43 61 66 E9 0A")
    }

    function test_codePageTablePrintsEveryCell() {
        openPage("WorkingModeForm")
        typeInto(["ESC t"], "16")
        var seq = printer.lastEventSeq()
        printer.clearReceived()
        click(["打印代码页表"])
        var hex = received("code page table")
        verify(hex.indexOf("1B 40 1C 2E 1B 74 10 ") === 0, hex.substring(0, 40))
        // The printer's table 16 (WPC1252) decodes the grid: every cell is its
        // hexadecimal code, a colon and the character of that byte. The
        // printer decodes what arrived on its own time: wait for the cut that ends the table.
        var events = []
        tryVerify(function() {
            events = printer.eventsSince(seq)
            return events.some(function(e) { return e.name === "cut" })
        }, 5000, "the table ends with its cut")
        var table = events.filter(function(e) { return e.name === "code_table" })
        compare(table.length, 1)
        compare(table[0].params.table, "WPC1252")
        var grid = ""
        events.forEach(function(e) {
            if (e.kind === "text" && e.params.code_table === "WPC1252")
                grid += e.params.text
        })
        var title = "ESC t 16 (0x10)"
        compare(grid.substring(0, title.length), title)
        var at = title.length
        var cells = 0
        var characters = {}
        for (var b = 0x20; b <= 0xFF; ++b) {
            var label = b.toString(16).toUpperCase() + ":"
            compare(grid.substring(at, at + 3), label, "cell " + cells)
            characters[b] = grid.charAt(at + 3)
            at += 4
            if ((b - 0x20) % 8 !== 7)
                at += 1 // the blank between cells; the line feed is a command
            ++cells
        }
        compare(cells, 224)
        compare(at, grid.length)
        compare(characters[0x41], "A")
        compare(characters[0x80], "€")
        compare(characters[0xE9], "é")
        // Then Chinese characters in GBK and GB18030.
        var chinese = events.filter(function(e) { return e.kind === "text" && e.params.code_table === "GBK" })
        verify(chinese.length >= 1)
        verify(chinese[0].params.text.indexOf("中文汉字打印测试") >= 0, chinese[0].params.text)
    }

    function test_twoDimensionalCodesReadBack_data() {
        return [
            { tag: "AZTEC", index: 1, content: "Aztec 测试 12345" },
            { tag: "DATA_MATRIX", index: 2, content: "DM-2025-ABC" },
            { tag: "PDF417", index: 3, content: "PDF417 Quillmark 42" }
        ]
    }
    function test_twoDimensionalCodesReadBack(data) {
        openPage("BarCodeForm")
        choose(["一维码模式"], 1)
        choose(["QR_CODE"], data.index)
        typeInto(["二维码内容"], data.content)
        var pages = printer.events("page").length
        click(["打印"])
        tryVerify(function() { return printer.events("page").length > pages }, 5000, "a page is cut off")
        compare(printer.events("print_error").length, 0)
        compare(sceneTest.readBarcodeImage(printer.lastPage()), data.content)
    }
}
