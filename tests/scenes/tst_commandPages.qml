import QtQuick 2.15
import QtQuick.Window 2.15
import QtTest 1.15
import Quillmark.Pictures 1.0

// The nine command pages against a virtual printer over TCP: controls are
// found by their visible text in the accessibility tree, clicked and typed
// into as a person would, and the bytes that reach the printer are checked.
TestCase {
    id: testCase
    name: "CommandPages"
    when: windowShown
    width: 1000
    height: 1500
    visible: true

    readonly property string pagesDir: "../../scenes/Src/rightPage/stackPages/TcpUsbStackPages/"
    property var printer: null
    property var page: null

    function initTestCase() {
        printer = testPrinter.start({ address: "127.0.3.120" })
        verify(printer !== null)
        deviceViewModel.switchToTCP()
        verify(deviceViewModel.communication.connectDevice("KVZ-80", "127.0.3.120", "", ""))
        configManager.setCurrentDeviceName("KVZ-80")
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

    // ---- helpers: a person with a mouse, a keyboard and a screen reader ----

    function openPage(name, properties) {
        var component = Qt.createComponent(pagesDir + name + ".qml")
        compare(component.status, Component.Ready, component.errorString())
        var props = properties || {}
        props.width = testCase.width
        props.height = testCase.height
        page = component.createObject(testCase, props)
        verify(page !== null, name)
        waitForRendering(page)
        return page
    }
    readonly property var pressable: [Accessible.Button, Accessible.CheckBox, Accessible.RadioButton,
                                      Accessible.PageTab, Accessible.ListItem]
    readonly property var editable: [Accessible.SpinBox, Accessible.EditableText]
    readonly property var choosable: [Accessible.ComboBox, Accessible.Slider]

    // The control reached by a path of visible texts ([group, ..., control])
    // whose last step has one of the roles.
    function find(path, roles, root) {
        var item = null
        // Lists lay their rows out before the next frame: give them that time.
        tryVerify(function() {
            item = sceneTest.findAccessible(root || page, path, roles || [])
            return item !== null
        }, 1000, "no control " + JSON.stringify(path) + " in " + sceneTest.accessibleNames(root || page).join(" | "))
        return item
    }
    function click(path, root) {
        var item = find(path, pressable, root)
        if (item.parent && isPolishScheduled(item.parent))
            waitForItemPolished(item.parent)
        mouseClick(item)
        return item
    }
    // Types into a text field or spin box: select all, type, Return.
    function typeInto(path, text, root) {
        var item = find(path, editable, root)
        var field = item.contentItem && item.contentItem.selectAll ? item.contentItem : item
        var window = field.Window.window
        if (window && !window.active) {
            window.requestActivate()
            tryVerify(function() { return window.active })
        }
        mouseClick(field)
        field.forceActiveFocus()
        tryVerify(function() { return field.activeFocus }, 2000, "the field takes the keyboard")
        field.selectAll()
        for (var i = 0; i < text.length; ++i) {
            var ch = text.charAt(i)
            if (ch.charCodeAt(0) < 128) {
                keyClick(ch)
            } else {
                // What an input method commits for a character no key carries.
                field.remove(field.selectionStart, field.selectionEnd)
                field.insert(field.cursorPosition, ch)
            }
        }
        // Return ends a line field's editing; in a text area it would add a line.
        if (typeof field.append !== "function")
            keyClick(Qt.Key_Return)
        return item
    }
    // Picks an entry of a choice box with the arrow keys.
    function choose(path, index, root) {
        var combo = find(path, choosable, root)
        combo.forceActiveFocus()
        while (combo.currentIndex < index)
            keyClick(Qt.Key_Down)
        while (combo.currentIndex > index)
            keyClick(Qt.Key_Up)
        compare(combo.currentIndex, index)
        return combo
    }
    function slide(path, value, root) {
        var slider = find(path, choosable, root)
        slider.forceActiveFocus()
        while (slider.value < value)
            keyClick(Qt.Key_Right)
        while (slider.value > value)
            keyClick(Qt.Key_Left)
        return slider
    }
    function run(step) {
        switch (step[0]) {
        case "click": return click(step[1])
        case "type": return typeInto(step[1], step[2])
        case "choose": return choose(step[1], step[2])
        case "slide": return slide(step[1], step[2])
        }
        fail("unknown step " + step[0])
    }
    // The bytes the steps sent, and nothing else: an initialise command sent
    // afterwards marks the end (the link keeps the order).
    function noticesOf(item) {
        for (var i = 0; i < item.children.length; ++i)
            if (item.children[i].toasts !== undefined)
                return item.children[i]
        return null
    }
    function expectBytes(hex, what) {
        deviceViewModel.communication.setInitMachineClicked()
        var all = (hex === "" ? "" : hex + " ") + "1B 40"
        tryVerify(function() { return printer.receivedCount("tcp") >= all.split(" ").length }, 5000,
                  what + ": " + printer.receivedHex("tcp"))
        compare(printer.receivedHex("tcp"), all, what)
    }
    function ff(n) {
        var a = []
        for (var i = 0; i < n; ++i)
            a.push("FF")
        return a.join(" ")
    }

    // ---- one table: page, steps, bytes that arrive ----

    function test_controlSendsItsBytes_data() {
        return [
            { tag: "buzzer", page: "BuzzerAlarmCuttingForm",
              steps: [["type", ["蜂鸣", "次数："], "3"], ["type", ["蜂鸣", "持续："], "5"], ["click", ["蜂鸣", "设置"]]],
              bytes: "1B 42 03 05 00" },
            { tag: "buzzer defaults", page: "BuzzerAlarmCuttingForm",
              steps: [["click", ["蜂鸣", "设置"]]], bytes: "1B 42 01 01 00" },
            { tag: "buzzer count above range", page: "BuzzerAlarmCuttingForm",
              steps: [["type", ["蜂鸣", "次数："], "12"], ["click", ["蜂鸣", "设置"]]], bytes: "1B 42 09 01 00" },
            { tag: "alarm", page: "BuzzerAlarmCuttingForm",
              steps: [["type", ["蜂鸣闪灯", "次数："], "2"], ["type", ["蜂鸣闪灯", "间隔："], "3"],
                      ["click", ["蜂鸣闪灯", "蜂鸣、闪灯"]], ["click", ["蜂鸣闪灯", "设置"]]],
              bytes: "1B 43 02 03 03" },
            { tag: "alarm defaults", page: "BuzzerAlarmCuttingForm",
              steps: [["click", ["蜂鸣闪灯", "设置"]]], bytes: "1B 43 01 01 00" },
            { tag: "feed and half cut, length above range", page: "BuzzerAlarmCuttingForm",
              steps: [["click", ["切刀", "进纸半切"]], ["type", ["切刀", "进纸长度:"], "300"], ["click", ["切刀", "设置"]]],
              bytes: "1D 56 42 FF" },
            { tag: "drawer control pulse", page: "CashBoxForm",
              steps: [["click", ["钱箱控制脉冲", "钱箱插座引脚5"]], ["type", ["钱箱控制脉冲", "高电平时间"], "255"],
                      ["click", ["钱箱控制脉冲", "设置"]]],
              bytes: "1B 70 01 FF 00" },
            { tag: "drawer opening pulse above range", page: "CashBoxForm",
              steps: [["type", ["钱箱打开脉冲", "高、低电平时间"], "25"], ["click", ["钱箱打开脉冲", "设置"]]],
              bytes: "10 14 01 00 14" },
            { tag: "initialise", page: "WorkingModeForm",
              steps: [["click", ["初始化打印机"]]], bytes: "1B 40" },
            { tag: "default line spacing", page: "WorkingModeForm",
              steps: [["click", ["Reset"]]], bytes: "1B 32" },
            { tag: "line spacing", page: "WorkingModeForm",
              steps: [["click", ["打印动作", "设置行间距"]], ["type", ["打印动作", "设置行间距"], "30"],
                      ["click", ["打印/设置"]]],
              bytes: "1B 33 1E" },
            { tag: "hex text and line feed", page: "WorkingModeForm",
              steps: [["click", ["Hex"]], ["type", ["在这里输入要打印的信息1"], "1B 40 0A"], ["click", ["打印/设置"]]],
              bytes: "1B 40 0A 0A" },
            { tag: "no action: code page only", page: "WorkingModeForm",
              steps: [["click", ["打印动作", "打印并换行"]], ["click", ["打印/设置"]]], bytes: "" },
            { tag: "self-test page", page: "WorkingModeForm",
              steps: [["click", ["打印测试", "打印自检页"]]], bytes: "1F 1B 0D" },
            { tag: "feed lines", page: "WorkingModeForm",
              steps: [["click", ["打印动作", "走纸行数"]], ["type", ["打印动作", "走纸行数"], "3"],
                      ["type", ["在这里输入要打印的信息1"], "AB"], ["click", ["打印/设置"]]],
              bytes: "41 42 1B 64 03" },
            { tag: "character print mode", page: "CharacterForm",
              steps: [["click", ["打印模式", "压缩ASCII码字体B(9x17)"]], ["click", ["打印模式", "加粗"]],
                      ["click", ["打印模式", "下划线"]], ["click", ["打印模式", "设置"]]],
              bytes: "1B 21 CF" },
            { tag: "right spacing", page: "CharacterForm",
              steps: [["type", ["右间距", "右间距"], "5"], ["click", ["右间距", "设置"]]], bytes: "1B 20 05" },
            { tag: "user-defined set on", page: "CharacterForm",
              steps: [["click", ["自定义字符", "自定义字符"]]], bytes: "1B 25 01" },
            { tag: "print logo 3 double height", page: "BitmapForm",
              steps: [["click", ["打印logo", "倍高"]], ["choose", ["logo1"], 2], ["click", ["打印logo", "打印logo"]]],
              bytes: "1B 40 1B 61 01 1D 54 1C 70 03 02 1B 40 00 0A 0A 0A 0A 00 1D 56 01 00" },
            { tag: "hri position", page: "BarCodeForm",
              steps: [["click", ["HRI位置:", "条码上、下方"]], ["click", ["HRI位置:", "设置"]]], bytes: "1D 48 03" },
            { tag: "hri font", page: "BarCodeForm",
              steps: [["click", ["HRI字体:", "压缩ASCII码字符(9x17)"]], ["click", ["HRI字体:", "设置"]]], bytes: "1D 66 01" },
            { tag: "barcode size", page: "BarCodeForm",
              steps: [["type", ["HRI条码大小:", "宽度"], "3"], ["type", ["HRI条码大小:", "高度"], "9"],
                      ["click", ["HRI条码大小:", "设置"]]],
              bytes: "1D 77 03 1D 68 06" },
            { tag: "qr code", page: "BarCodeForm",
              steps: [["choose", ["一维码模式"], 1], ["type", ["二维码内容"], "ABC"], ["click", ["打印"]]],
              bytes: "1D 28 6B 03 00 31 43 08 1D 28 6B 03 00 31 45 01 1D 28 6B 06 00 31 50 30 41 42 43 " +
                     "1B 61 31 1D 28 6B 03 00 31 51 30 1B 61 30 0A 0A 00 1D 56 01 00" },
            { tag: "standby lamp on", page: "LampForm",
              steps: [["click", ["设置待机灯光开关", "ON"]], ["click", ["设置待机灯光开关", "设置"]]], bytes: "1F 1B 06 01" },
            { tag: "work lamp colour", page: "LampForm",
              steps: [["type", ["工作灯", "工作灯 R:"], "300"], ["type", ["工作灯", "工作灯 G:"], "128"],
                      ["click", ["工作灯", "应用"]]],
              bytes: "1F 1B 07 FF 80 00" },
            { tag: "standby lamp pattern", page: "LampForm",
              steps: [["click", ["待机灯种类模式设置", "律动2"]], ["click", ["待机灯种类模式设置", "设置"]]],
              bytes: "1F 1B 0B 02" },
            { tag: "charset China", page: "OtherForm",
              steps: [["click", ["国际字符集：", "设置"]]], bytes: "1B 52 0F" },
            { tag: "alignment", page: "OtherForm",
              steps: [["choose", ["对齐方式:", "左对齐"], 1], ["click", ["对齐方式:", "设置"]]], bytes: "1B 61 01" },
            { tag: "rotate", page: "OtherForm",
              steps: [["click", ["顺时针旋转90度", "顺时针旋转90度"]], ["click", ["顺时针旋转90度", "设置"]]], bytes: "1B 56 01" },
            { tag: "reverse", page: "OtherForm",
              steps: [["click", ["黑白反显", "黑白反显"]], ["click", ["黑白反显", "设置"]]], bytes: "1D 42 01" },
            { tag: "left margin", page: "OtherForm",
              steps: [["type", ["左边距", "左边距 L"], "10"], ["type", ["左边距", "左边距 H"], "1"], ["click", ["左边距", "设置"]]],
              bytes: "1D 4C 0A 01" },
            { tag: "motion units", page: "OtherForm",
              steps: [["type", ["移动单位", "横向："], "180"], ["type", ["移动单位", "纵向："], "90"], ["click", ["移动单位", "设置"]]],
              bytes: "1D 50 B4 5A" },
            { tag: "paper size", page: "OtherForm",
              steps: [["click", ["纸张大小:", "设置"]]], bytes: "1D 57 4C 02" },
            { tag: "print speed", page: "OtherForm",
              steps: [["choose", ["打印速度:", "1"], 10], ["click", ["打印速度:", "设置"]]], bytes: "1B 4E 04 64 0A" },
            { tag: "density", page: "OtherForm",
              steps: [["slide", ["打印浓度：", "打印浓度："], 4], ["click", ["打印浓度：", "设置"]]],
              bytes: "1F 1C 1F 41 04 06 07 04 0A" },
            { tag: "chinese on", page: "OtherForm",
              steps: [["click", ["启用中文", "启用中文"]], ["click", ["启用中文", "设置"]]], bytes: "1C 26" },
            { tag: "chinese format", page: "OtherForm",
              steps: [["click", ["汉字字符模式:", "倍宽"]], ["click", ["汉字字符模式:", "倍高"]],
                      ["click", ["汉字字符模式:", "下划线"]], ["click", ["汉字字符模式:", "设置"]]],
              bytes: "1C 21 8C" },
            { tag: "chinese spacing", page: "OtherForm",
              steps: [["type", ["汉字字符间距", "汉字字符左间距:"], "2"], ["type", ["汉字字符间距", "汉字字符右间距:"], "3"],
                      ["click", ["汉字字符间距", "设置"]]],
              bytes: "1C 53 02 03" }
        ]
    }

    function test_controlSendsItsBytes(data) {
        openPage(data.page)
        printer.clearReceived()
        for (var i = 0; i < data.steps.length; ++i)
            run(data.steps[i])
        expectBytes(data.bytes, data.tag)
    }

    // ---- pages with behaviour beyond one command ----

    function test_statusPageShowsDecodedReplies() {
        openPage("RealTimeStatusForm", { isMode: 0 })
        var text = find(["状态信息"], editable)
        printer.setFlag("paper_out", true)
        click(["传送纸状态"])
        tryVerify(function() { return text.text.indexOf("纸尽") >= 0 }, 5000, text.text)
        verify(text.text.indexOf("传送纸状态:") === 0, text.text)
        click(["脱机状态"])
        tryVerify(function() { return text.text.indexOf("打印机缺纸") >= 0 }, 5000, text.text)
        printer.setFlag("paper_out", false)
        click(["传送纸状态"])
        tryVerify(function() { return text.text.indexOf("有纸") >= 0 }, 5000, text.text)
        // Every decoded answer is also in the log.
        tryVerify(function() { return sceneTest.logText().indexOf("纸尽") >= 0 }, 5000)
        click(["清空"])
        compare(text.text, "")
    }

    function test_statusPageListensToItsOwnTransportOnlyWhileShown() {
        openPage("RealTimeStatusForm", { isMode: 1 })
        var text = find(["状态信息"], editable)
        var usb = deviceViewModel.usbDeviceManager
        usb.sigUsbResponse("PrinterStatus", "")         // the USB time-out
        var notices = noticesOf(page)
        compare(notices.count, 1)
        compare(notices.toasts[0].message, "响应超时")
        usb.sigUsbResponse("PrinterStatus", "12 ff")    // only the first byte counts
        compare(text.text, "打印机状态:\n\t一个或两个钱箱打开\n\t联机\n")
        deviceViewModel.tcpDeviceManager.sigTcpResponse("PaperStatus", "60")
        page.visible = false
        usb.sigUsbResponse("PaperStatus", "60")
        page.visible = true
        compare(text.text, "打印机状态:\n\t一个或两个钱箱打开\n\t联机\n")
    }

    function test_pictureArrivesAsLogo() {
        openPage("BitmapForm")
        printer.clearReceived()
        click(["设置图像"]) // empty list: nothing
        var path = sceneTest.writePicture("black16x8.png", 16, 8)
        // What the desktop's file dialog hands over on acceptance.
        page.addPictures(["file://" + path])
        verify(find(["图片 1 (双击删除)"]) !== null)
        compare(page.processedPaths, [path])
        click(["设置图像"])
        expectBytes("1C 71 01 02 00 01 00 " + ff(16), "logo from the picture")
    }

    function test_pictureListKeepsSevenAndForgetsOnDoubleClick() {
        openPage("BitmapForm")
        var path = sceneTest.writePicture("black8x8.png", 8, 8)
        var urls = []
        for (var i = 0; i < 9; ++i)
            urls.push("file://" + path)
        page.addPictures(urls)
        compare(page.pictureCount, 7)
        compare(page.processedPaths.length, 7)
        verify(find(["已选择: 7/7 张图片"]) !== null)
        mouseDoubleClickSequence(find(["图片 3 (双击删除)"], pressable))
        compare(page.pictureCount, 6)
        compare(page.processedPaths.length, 6)
        click(["清空图像"])
        compare(page.pictureCount, 0)
        compare(page.processedPaths, [])
    }

    function test_unreadableAndHugePicturesGiveNoticeAndEmptyLogo() {
        openPage("BitmapForm")
        var garbage = sceneTest.writePicture("garbage.png", 0, 0, "garbage")
        var huge = sceneTest.writePicture("huge.png", 8000, 6000)
        printer.clearReceived()
        page.addPictures(["file://" + garbage, "file://" + huge])
        var notices = noticesOf(page)
        compare(notices.count, 2)
        verify(notices.toasts[0].message.indexOf(garbage) >= 0, notices.toasts[0].message)
        verify(notices.toasts[1].message.indexOf(huge) >= 0, notices.toasts[1].message)
        click(["设置图像"])
        expectBytes("1C 71 01 00 00 00 00 1C 71 02 00 00 00 00", "two empty logos")
    }

    function test_digitKeypadFillsFieldAndPrints() {
        openPage("BarCodeForm")
        printer.clearReceived()
        click(["UPC-A", "打印"]) // nothing edited yet: refused
        click(["UPC-A", "编辑"])
        var dialog = page.digitDialog
        tryVerify(function() { return dialog.visible })
        var keys = "1234567890"
        for (var i = 0; i < keys.length; ++i)
            click([keys.charAt(i)], dialog)
        click(["确定"], dialog)
        verify(dialog.visible, "ten digits are refused")
        compare(dialog.errorText, "请输入11或者12位数字")
        click(["1"], dialog)
        click(["2"], dialog)
        click(["1"], dialog) // beyond 12: ignored
        click(["确定"], dialog)
        tryVerify(function() { return !dialog.visible })
        compare(find(["UPC-A", "UPC-A"], editable).text, "123456789012")
        click(["UPC-A", "打印"])
        expectBytes("1D 6B 41 0C 31 32 33 34 35 36 37 38 39 30 31 32", "UPC-A")
    }

    function test_code128ManualValuesReachPrinter() {
        openPage("BarCodeForm")
        click(["CODE128", "编辑"])
        var dialog = page.code128Dialog
        tryVerify(function() { return dialog.visible })
        typeInto(["CODE128"], "AB12", dialog)
        tryVerify(function() { return !dialog.visible })
        compare(dialog.decimalValuesString, "123, 66, 65, 66, 49, 50")
        printer.clearReceived()
        click(["CODE128", "打印"])
        expectBytes("1D 6B 49 06 7B 42 41 42 31 32", "CODE128")
    }

    function test_contentsTheSymbologyCannotCarryAreRefused() {
        openPage("BarCodeForm")
        // The keypad refuses them ...
        click(["CODE39", "编辑"])
        var dialog = page.code39Dialog
        tryVerify(function() { return dialog.visible })
        typeInto(["CODE39"], "ab", dialog)
        verify(dialog.visible)
        compare(dialog.errorText, "包含无效字符")
        click(["×"], dialog)
        tryVerify(function() { return !dialog.visible })
        // ... and so does the page before sending.
        var field = find(["CODE39", "CODE39"], editable)
        field.text = "ab"
        printer.clearReceived()
        click(["CODE39", "打印"])
        click(["ITF", "打印"])
        var notices = noticesOf(page)
        compare(notices.count, 2)
        verify(notices.toasts[0].message.indexOf("CODE39") >= 0, notices.toasts[0].message)
        expectBytes("", "nothing sent")
    }

    function test_qrPreviewReadsBackAsTyped() {
        openPage("BarCodeForm")
        choose(["一维码模式"], 1)
        click(["生成预览"]) // empty content: no preview
        compare(page.previewId, "")
        var content = "Quillmark 二维码 12345"
        typeInto(["二维码内容"], content)
        verify(find(["字符数量: " + content.length]) !== null)
        click(["生成预览"])
        var image = find(["预览"])
        tryCompare(image, "status", Image.Ready)
        verify(image.source.toString().indexOf("image://barcode/") === 0)
        verify(image.paintedWidth >= 200, "shown at a readable size: " + image.paintedWidth)
        compare(sceneTest.readBarcodeSource(image.source), content)
        // A new preview is a new picture.
        var first = image.source
        click(["生成预览"])
        verify(image.source !== first)
    }

    function test_customCharacterDrawnAndSent() {
        openPage("CharacterForm")
        printer.clearReceived()
        typeInto(["自定义字符", "数量"], "1")
        click(["添加"])
        typeInto(["横向字符 0x20"], "2")
        click(["0x20", "打印"]) // nothing drawn yet: nothing sent
        click(["0x20", "编辑"])
        var editor = page.editDialogs[32]
        verify(editor !== undefined)
        tryVerify(function() { return editor.visible })
        compare(editor.dialogTitle, "字符编辑 - 0x20 (3×2)")
        click(["1,1"], editor)
        click(["2,24"], editor)
        click(["确定"], editor)
        tryVerify(function() { return page.charData[32] !== undefined })
        click(["自定义字符", "设置"])
        click(["0x20", "打印"])
        click(["0x20", "删除"])
        expectBytes("1B 26 03 20 20 02 80 00 00 00 00 01 20 0A 1B 3F 20", "define, print, delete")
    }

    function test_textTabsHexAndCodePage() {
        openPage("WorkingModeForm")
        choose(["打印内容", "ASMO-708"], 28)
        compare(page.codePageName, "GBK")
        typeInto(["在这里输入要打印的信息1"], "A中")
        click(["Hex"])
        compare(find(["在这里输入要打印的信息1"], editable).text, "41 D6 D0")
        click(["2"])
        compare(page.hexCheckBoxChecked, false)
        click(["1"])
        compare(page.hexCheckBoxChecked, true)
        click(["Hex"])
        compare(page.printMsg, "A中")
        printer.clearReceived()
        click(["打印/设置"])
        expectBytes("41 D6 D0 0A", "GBK text and line feed")
        click(["确定"])
        compare(qmlLanguage.getCodePageSelect(), 28)
    }

    function test_settingsDialogOpensWithoutBreakingThePage() {
        openPage("WorkingModeForm")
        var asked = 0
        page.settingsRequested.connect(function() { ++asked })
        click(["设置打印内容"])
        compare(asked, 1)
        if (page.settingsDialog)
            page.settingsDialog.visible = false
        printer.clearReceived()
        click(["初始化打印机"])
        expectBytes("1B 40", "the page still works")
    }

    function test_automaticSending() {
        openPage("WorkingModeForm")
        var period = find(["发送周期"], editable)
        period.text = "abc"
        compare(page.autoSendPeriod(), 500)
        period.text = "0"
        compare(page.autoSendPeriod(), 500)
        period.text = "100"
        compare(page.autoSendPeriod(), 100)
        click(["打印动作", "设置行间距"])
        printer.clearReceived()
        click(["自动发送"])
        // Once at once, then again and again.
        tryVerify(function() { return printer.receivedCount("tcp") >= 9 }, 5000, printer.receivedHex("tcp"))
        click(["自动发送"])
        verify(!page.autoSendTimer.running)
        verify(printer.receivedHex("tcp").indexOf("1B 33 00 1B 33 00 1B 33 00") === 0)
    }

    function test_parameterRowsFollowTheModel_data() {
        return [
            { tag: "L7N print mode", name: "KVZ-L7N-80", steps: [["choose", ["设置打印模式:", "0:Ascii"], 1], ["click", ["设置打印模式:", "设置"]]],
              bytes: "1F 1B 01 01" },
            { tag: "L7N charset by number", name: "kvz-l7n", steps: [["choose", ["国际字符集：", "0:PC437 [U.S.A., Standard Europe]"], 11],
              ["click", ["国际字符集：", "设置"]]], bytes: "1F 1B 0E 10" },
            { tag: "L7N density 1-4", name: "KVZ-L7N", steps: [["slide", ["打印浓度：", "打印浓度："], 4], ["click", ["打印浓度：", "设置"]]],
              bytes: "1F 1B 04 04" },
            { tag: "L7N model name", name: "KVZ-L7N", steps: [["type", ["设置机器型号:", "设置机器型号:"], "AB"], ["click", ["设置机器型号:", "设置"]]],
              bytes: "1F 1B 0F 02 41 42 00" },
            { tag: "L7N factory reset", name: "KVZ-L7N", steps: [["click", ["恢复出厂设置"]]], bytes: "1F 1B 19" },
            { tag: "L7S charset by number", name: "KVZ-L7S", steps: [["choose", ["国际字符集：", "0:PC437 [U.S.A., Standard Europe]"], 11],
              ["click", ["国际字符集：", "设置"]]], bytes: "1F 1B 1F FF 0F" }
        ]
    }

    function test_parameterRowsFollowTheModel(data) {
        configManager.setCurrentDeviceName(data.name)
        openPage("OtherForm")
        printer.clearReceived()
        for (var i = 0; i < data.steps.length; ++i)
            run(data.steps[i])
        expectBytes(data.bytes, data.tag)
        configManager.setCurrentDeviceName("KVZ-80")
    }

    function test_l7nOnlyRows() {
        configManager.setCurrentDeviceName("KVZ-80")
        openPage("OtherForm")
        compare(sceneTest.findAccessible(page, ["设置打印模式:"], []), null)
        verify(sceneTest.findAccessible(page, ["外设"], []) !== null)
        configManager.setCurrentDeviceName("KVZ-L7N")
        verify(sceneTest.findAccessible(page, ["设置打印模式:"], []) !== null)
        compare(sceneTest.findAccessible(page, ["外设"], []), null)
        compare(find(["打印浓度：", "打印浓度："], choosable).from, 1)
        compare(find(["打印浓度：", "打印浓度："], choosable).to, 4)
        compare(sceneTest.findAccessible(page, ["USB升级模式"], []), null)
        configManager.setCurrentDeviceName("KVZ-80")
    }

    function test_keyboardOnly() {
        openPage("BuzzerAlarmCuttingForm")
        printer.clearReceived()
        var button = find(["蜂鸣", "设置"], pressable)
        page.forceActiveFocus()
        for (var i = 0; i < 20 && !button.activeFocus; ++i)
            keyClick(Qt.Key_Tab)
        verify(button.activeFocus, "the buzzer button is reached with Tab")
        keyClick(Qt.Key_Space)
        expectBytes("1B 42 01 01 00", "Space presses it")
    }

    function test_everyControlHasItsName_data() {
        return ["WorkingModeForm", "BuzzerAlarmCuttingForm", "RealTimeStatusForm", "CashBoxForm", "CharacterForm",
                "BitmapForm", "BarCodeForm", "LampForm", "OtherForm"].map(function(n) { return { tag: n, page: n } })
    }

    function test_everyControlHasItsName(data) {
        openPage(data.page)
        var names = sceneTest.accessibleNames(page)
        verify(names.length > 3, names.join(" | "))
        var controls = [Accessible.Button, Accessible.CheckBox, Accessible.RadioButton, Accessible.ComboBox,
                        Accessible.SpinBox, Accessible.Slider, Accessible.PageTab, Accessible.Grouping]
        for (var i = 0; i < names.length; ++i) {
            var role = parseInt(names[i].split(":")[0], 10)
            if (controls.indexOf(role) >= 0)
                verify(names[i].length > names[i].indexOf(":") + 1, "unnamed control " + names[i])
        }
    }

    function test_commandWithoutPrinterIsLogged() {
        deviceViewModel.switchToSerial() // never connected in this run
        openPage("BuzzerAlarmCuttingForm")
        printer.clearReceived()
        click(["蜂鸣", "设置"])
        tryVerify(function() { return sceneTest.logText().indexOf("Serial 未连接打印机，命令未执行") >= 0 }, 5000)
        deviceViewModel.switchToTCP()
        expectBytes("", "nothing reached the printer")
    }

    // ---- pictures: the preview is what prints ----

    function waitForPreview() {
        tryVerify(function() { return page.preview.status === PicturePreview.Ready }, 10000,
                  "the preview shows the newest choice")
    }
    // Sends the loaded pictures, prints logo 1 at normal size and waits for
    // the page its closing cut ends.
    function printLogoOne() {
        printer.flushPage() // what earlier tests left on the paper
        var seq = printer.lastEventSeq()
        click(["设置图像"])
        click(["打印logo", "正常"])
        choose(["logo1"], 0)
        click(["打印logo", "打印logo"])
        tryVerify(function() {
            return printer.eventsSince(seq).some(function(e) { return e.name === "page" })
        }, 10000, "the logo is printed")
    }

    function test_pictureConversionPrintsThePreview_data() {
        return [
            { tag: "threshold, brighter", method: 0, brightness: 20, contrast: 0, invert: false, name: "threshold" },
            { tag: "floyd-steinberg, more contrast", method: 1, brightness: 0, contrast: 30, invert: false,
              name: "floyd-steinberg" },
            { tag: "atkinson, inverted", method: 2, brightness: 0, contrast: 0, invert: true, name: "atkinson" },
            { tag: "bayer, darker, less contrast", method: 3, brightness: -15, contrast: -20, invert: false,
              name: "bayer" }
        ]
    }

    function test_pictureConversionPrintsThePreview(data) {
        openPage("BitmapForm")
        var path = sceneTest.writePicture("photo.png", 300, 200, "photo")
        page.addPictures(["file://" + path])
        compare(page.preview.path, path)
        waitForPreview()
        // As a person: the method with the arrow keys, the sliders with the
        // keys, the switch with a click.
        var method = findChild(page, "ditherMethod")
        method.forceActiveFocus()
        while (method.currentIndex < data.method)
            keyClick(Qt.Key_Down)
        while (method.currentIndex > data.method)
            keyClick(Qt.Key_Up)
        compare(page.preview.method, data.name)
        slide(["亮度:"], data.brightness)
        slide(["对比度:"], data.contrast)
        if (page.preview.invert !== data.invert)
            click(["反相"])
        compare(page.preview.brightness, data.brightness)
        compare(page.preview.contrast, data.contrast)
        compare(page.preview.invert, data.invert)
        waitForPreview()
        verify(find([page.preview.dotsWidth + " × " + page.preview.dotsHeight + " 点"]) !== null)
        // Stored at once, for the logo bytes and the next start.
        var ini = sceneTest.readTextFile(sceneTest.appDir + "/configFile/printtest.ini")
        verify(ini.indexOf("LogoDither=" + data.name) >= 0, ini)
        verify(ini.indexOf("LogoBrightness=" + data.brightness) >= 0, ini)
        printLogoOne()
        compare(printer.lastPageDifference(page.preview.image, 1), "")
    }

    function test_pictureConversionZPreviewFollowsThePictureChosen() {
        openPage("BitmapForm")
        var wide = sceneTest.writePicture("wide.png", 400, 100, "photo")
        var garbage = sceneTest.writePicture("broken.png", 0, 0, "garbage")
        page.addPictures(["file://" + wide, "file://" + garbage])
        compare(page.preview.path, wide) // the first new picture
        waitForPreview()
        verify(find(["400 × 100 点"]) !== null)
        click(["图片 2 (双击删除)"])
        compare(page.preview.path, garbage)
        tryVerify(function() { return page.preview.status === PicturePreview.Unreadable })
        verify(find(["打印预览", "无法读取"]) !== null)
        mouseDoubleClickSequence(find(["图片 2 (双击删除)"], pressable))
        compare(page.preview.path, wide)
        waitForPreview()
        click(["清空图像"])
        compare(page.preview.path, "")
        verify(find(["加载图像后在此预览"]) !== null)
        // Back to the plain choices, for the tests that follow.
        page.preview.method = "floyd-steinberg"
        click(["重置"])
        compare(page.preview.brightness, 0)
        compare(page.preview.contrast, 0)
        compare(page.preview.invert, false)
    }
}
