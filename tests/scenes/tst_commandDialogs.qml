import QtQuick 2.15
import QtQuick.Window 2.15
import QtTest 1.15
import "../../scenes/Src/commonUI"

// The input dialogs of the command pages on their own: keypad rules, the
// CODE128 value list, the colour fields and the dot editor, used by mouse and
// keyboard through their accessible names.
TestCase {
    id: testCase
    name: "CommandDialogs"
    when: windowShown
    width: 400
    height: 300
    visible: true

    readonly property var pressable: [Accessible.Button, Accessible.CheckBox, Accessible.PageTab]
    readonly property var editable: [Accessible.EditableText]

    TextInput { id: target }

    Component { id: digitKeypad; KVZNumberInputDialog {} }
    Component { id: code93Keypad; KVZCode93Dialog {} }
    Component { id: codabarKeypad; KVZCODEBARDialog {} }
    Component { id: code128; KVZCODE128Dialog {} }
    Component { id: picker; KVZRGBColorPicker {} }
    Component { id: editor; CharEditDialog {} }

    function find(root, path, roles) {
        var item = null
        tryVerify(function() {
            item = sceneTest.findAccessible(root, path, roles || [])
            return item !== null
        }, 1000, "no control " + JSON.stringify(path) + " in " + sceneTest.accessibleNames(root).join(" | "))
        return item
    }
    function press(dialog, keys) {
        for (var i = 0; i < keys.length; ++i) {
            var key = find(dialog, [keys[i]], pressable)
            // Keys of a set just shown are placed by their row on the next layout pass.
            if (key.parent && isPolishScheduled(key.parent))
                waitForItemPolished(key.parent)
            mouseClick(key)
        }
    }
    function openDialog(component, properties) {
        var dialog = createTemporaryObject(component, testCase, properties || {})
        target.text = ""
        dialog.openFor(target)
        tryVerify(function() { return dialog.visible && dialog.active })
        return dialog
    }

    function test_digitKeypadRules_data() {
        return [
            { tag: "UPC-A 11 digits", max: 12, even: false, keys: "12345678901", error: "" },
            { tag: "UPC-A 12 digits", max: 12, even: false, keys: "123456789012", error: "" },
            { tag: "UPC-A 10 digits", max: 12, even: false, keys: "1234567890", error: "请输入11或者12位数字" },
            { tag: "UPC-E 13 keys stop at 7", max: 7, even: false, keys: "1234567890123", error: "", value: "1234567" },
            { tag: "empty", max: 13, even: false, keys: "", error: "输入不能为空" },
            { tag: "ITF 4 digits", max: 255, even: true, keys: "1234", error: "" },
            { tag: "ITF 5 digits", max: 255, even: true, keys: "12345", error: "请输入偶数个" }
        ]
    }

    function test_digitKeypadRules(data) {
        var dialog = openDialog(digitKeypad, { maxLength: data.max, evenFlag: data.even })
        press(dialog, data.keys.split(""))
        verify(find(dialog, ["剩余字数: " + (data.max - dialog.currentValue.length)]) !== null)
        mouseClick(find(dialog, ["确定"], pressable))
        compare(dialog.errorText, data.error)
        compare(dialog.visible, data.error !== "")
        if (data.error === "")
            compare(target.text, data.value || data.keys)
    }

    function test_keypadEditKeysAndEscape() {
        var dialog = openDialog(digitKeypad, { maxLength: 8 })
        press(dialog, ["1", "2", "3", "⌫"])
        compare(dialog.currentValue, "12")
        press(dialog, ["清除"])
        compare(dialog.currentValue, "")
        keyClick(Qt.Key_Escape)
        tryVerify(function() { return !dialog.visible }, 2000, "Escape closes the keypad")
        compare(target.text, "")
    }

    function test_code93SwitchesCase() {
        var dialog = openDialog(code93Keypad, { maxLength: 255 })
        press(dialog, ["A", "切换小写", "b", "SP", "1"])
        compare(dialog.currentValue, "Ab 1")
        mouseClick(find(dialog, ["确定"], pressable))
        tryVerify(function() { return !dialog.visible })
        compare(target.text, "Ab 1")
        // Opening again starts in upper case.
        dialog.openFor(target)
        tryVerify(function() { return dialog.visible })
        verify(find(dialog, ["切换小写"], pressable) !== null)
    }

    function test_codabarRefusesWhatItCannotCarry() {
        var dialog = openDialog(codabarKeypad, { maxLength: 255 })
        var field = find(dialog, ["字符输入"], editable)
        field.text = "A12,3B"
        dialog.currentValue = field.text
        mouseClick(find(dialog, ["确定"], pressable))
        compare(dialog.errorText, "包含无效字符")
        verify(dialog.visible)
        press(dialog, ["清除", "A", "1", "2", "$", "B"])
        mouseClick(find(dialog, ["确定"], pressable))
        tryVerify(function() { return !dialog.visible })
        compare(target.text, "A12$B")
    }

    function test_code128SetsBuildTheValueList() {
        var dialog = openDialog(code128)
        mouseClick(find(dialog, ["手动输入模式"], pressable)) // to the code-set keys
        mouseClick(find(dialog, ["CODE128 A"], pressable))
        press(dialog, ["A", "上传"])
        mouseClick(find(dialog, ["CODE128 C"], pressable))
        press(dialog, ["01", "上传"])
        mouseClick(find(dialog, ["确定"], pressable))
        tryVerify(function() { return !dialog.visible })
        compare(dialog.decimalValuesString, "123, 65, 65, 123, 67, 1")
        compare(target.text, "A01")
    }

    function test_code128EmptyIsRefusedAndCrossEmptiesTheField() {
        var dialog = openDialog(code128)
        mouseClick(find(dialog, ["确定"], pressable))
        verify(dialog.visible, "an empty value keeps the dialog open")
        target.text = "old"
        var confirmed = []
        dialog.valueConfirmed.connect(function(v) { confirmed.push(v) })
        mouseClick(find(dialog, ["×"], pressable))
        tryVerify(function() { return !dialog.visible })
        compare(confirmed, [""])
        compare(target.text, "")
    }

    function test_colourFieldsStayInRange() {
        var p = createTemporaryObject(picker, testCase, { accessiblePrefix: "L" })
        var red = find(p, ["L R:"], editable)
        mouseClick(red)
        red.selectAll()
        keyClick("3"); keyClick("0"); keyClick("0")
        compare(red.text, "255")
        compare(p.redValue, 255)
        var blue = find(p, ["L B:"], editable)
        mouseClick(blue)
        blue.selectAll()
        keyClick("-"); keyClick("5")
        keyClick(Qt.Key_Return)
        compare(p.blueValue, 0)
        compare(blue.text, "0")
        compare(p.selectedColor.toString(), "#ff0000")
    }

    function test_dotEditorKeepsColumnsTopDown() {
        var e = createTemporaryObject(editor, testCase, { hexValue: 0x41, verticalCount: 1, horizontalCount: 2 })
        e.open()
        tryVerify(function() { return e.visible })
        compare(e.dialogTitle, "字符编辑 - 0x41 (1×2)")
        compare(e.pixelData.length, 16)
        mouseClick(find(e, ["2,1"], [Accessible.CheckBox]))
        mouseClick(find(e, ["1,8"], [Accessible.CheckBox]))
        var pixels = e.getPixelData()
        verify(pixels[7] && pixels[8])
        compare(pixels.filter(function(p) { return p }).length, 2)
        // Saved dots come back for the same size.
        var again = createTemporaryObject(editor, testCase, { hexValue: 0x41, verticalCount: 1, horizontalCount: 2,
                                                             savedPixelData: pixels })
        compare(again.getPixelData(), pixels)
    }
}
