import QtQuick 2.15
import QtTest 1.15

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
        var item = sceneTest.findAccessible(root || page, path, roles || [])
        verify(item !== null, "no control " + JSON.stringify(path) + " in " +
               sceneTest.accessibleNames(root || page).join(" | "))
        return item
    }
    function click(path, root) {
        var item = find(path, pressable, root)
        mouseClick(item)
        return item
    }
    // Types into a text field or spin box: select all, type, Return.
    function typeInto(path, text, root) {
        var item = find(path, editable, root)
        var field = item.contentItem && item.contentItem.selectAll ? item.contentItem : item
        mouseClick(field)
        field.forceActiveFocus()
        field.selectAll()
        for (var i = 0; i < text.length; ++i)
            keyClick(text.charAt(i))
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
}
