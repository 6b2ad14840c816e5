import QtQuick 2.15
import QtQuick.Controls 2.15
import QtTest 1.15
import "../../scenes/Src/commonUI"

// The common controls as a person uses them: clicks, typing, keys. (A
// TestCase is invisible itself: controls are made in the visible root.)
Item {
    id: root
    width: 800
    height: 600

TestCase {
    id: testCase
    name: "Controls"
    when: windowShown

    Component { id: pushButton; KVZPushButton { } }
    Component { id: checkBox; KVZCheckBox { text: "蜂鸣" } }
    Component { id: combo; KVZCombobox { width: 200; height: 40 } }
    Component { id: spinBox; KVZSpinBox { from: 0; to: 100; value: 10 } }
    Component { id: customSpin; CustomSpinBox { } }
    Component { id: groupBox; KVZGroupBox { width: 400; height: 200; title: "切刀" } }
    Component { id: iconText; IconTextButton { textName: "蜂鸣器" } }
    Component { id: closeButton; CloseButton { } }
    Component { id: toastManager; Toast { width: 800; height: 600 } }
    Component { id: radioSet
        Item {
            property alias first: first
            property alias second: second
            property alias group: group
            width: 400; height: 100
            ButtonGroup { id: group }
            Column {
                KVZRadioButton { id: first; contentText: "58mm"; exclusiveGroup: group; checked: true }
                KVZRadioButton { id: second; contentText: "80mm"; exclusiveGroup: group }
            }
        }
    }
    Component { id: spy; SignalSpy { } }

    function makeSpy(target, signalName) {
        return createTemporaryObject(spy, testCase, { target: target, signalName: signalName })
    }

    function test_pushButton() {
        var b = createTemporaryObject(pushButton, root, { buttonText: "发送" })
        var clicks = makeSpy(b, "clicked")
        compare(b.width, 130)
        compare(b.height, 40)
        compare(b.Accessible.name, "发送")
        compare(b.Accessible.role, Accessible.Button)
        mousePress(b)
        tryCompare(b, "scale", 0.95)
        tryCompare(b, "color", b.buttonPressedColor)
        mouseRelease(b)
        tryCompare(b, "scale", 1.0)
        compare(clicks.count, 1)
        b.forceActiveFocus()
        keyClick(Qt.Key_Space)
        compare(clicks.count, 2)
        b.enableFeedback = false
        mousePress(b)
        tryCompare(b, "color", b.buttonColor)
        compare(b.scale, 1.0)
        mouseRelease(b)
        compare(clicks.count, 3)
    }

    function test_checkBox_data() {
        return [ { tag: "enabled", enabledState: true, opacity: 1.0 },
                 { tag: "disabled still toggles", enabledState: false, opacity: 0.5 } ]
    }
    function test_checkBox(data) {
        var c = createTemporaryObject(checkBox, root, { enabledState: data.enabledState })
        var seen = []
        c.clicked.connect(function () { seen.push(c.checked) })
        compare(c.opacity, data.opacity)
        compare(c.Accessible.name, "蜂鸣")
        mouseClick(c)
        compare(c.checked, true)
        mouseClick(c)
        compare(c.checked, false)
        compare(seen, [true, false], "clicked() comes after the toggle")
    }

    function test_radioButtonsAreExclusive() {
        var set = createTemporaryObject(radioSet, root)
        compare(set.group.checkedButton, set.first.button, "checked at creation makes it the current one")
        mouseClick(set.second)
        compare(set.second.checked, true)
        compare(set.first.checked, false)
        set.first.checked = true
        compare(set.second.checked, false)
        compare(set.group.checkedButton, set.first.button)
        compare(set.first.button.Accessible.name, "58mm")
    }

    function test_comboPopupHeight_data() {
        return [ { tag: "3 items", items: 3, height: 120 },
                 { tag: "7 items", items: 7, height: 280 },
                 { tag: "12 items", items: 12, height: 280 } ]
    }
    function test_comboPopupHeight(data) {
        var model = []
        for (var i = 0; i < data.items; ++i)
            model.push("项" + i)
        var c = createTemporaryObject(combo, root, { model: model })
        compare(c.avaHeight, data.height)
        mouseClick(c)
        tryCompare(c.popup, "opened", true)
        compare(c.popup.height, data.height)
        compare(c.popup.y, c.height + 5)
    }

    function test_comboRowSetsTextAndIndex() {
        var c = createTemporaryObject(combo, root, { model: ["GB18030", "BIG5", "UTF-8"] })
        compare(c.text, "GB18030")
        mouseClick(c)
        tryCompare(c.popup, "opened", true)
        // Rows are 40 px high; the third one's centre.
        mouseClick(c.popup.contentItem, c.width / 2, 2 * 40 + 20)
        tryCompare(c.popup, "visible", false)
        compare(c.currentIndex, 2)
        compare(c.text, "UTF-8")
        compare(c.Accessible.name, "UTF-8")
    }

    function test_spinBoxTyping() {
        var s = createTemporaryObject(spinBox, root)
        var field = findChild(s, "spinField")
        var edited = makeSpy(s, "valueEdited")
        mouseClick(field)
        verify(field.activeFocus)
        field.selectAll()
        keyClick(Qt.Key_2); keyClick(Qt.Key_5); keyClick(Qt.Key_0)
        compare(s.value, 100, "above the range becomes the top")
        compare(field.text, "100")
        verify(edited.count > 0)
        compare(edited.signalArguments[edited.count - 1][0], 100)
        field.selectAll()
        keyClick(Qt.Key_A)
        compare(field.text, "100", "a letter puts the value back")
        compare(s.value, 100)
    }

    function test_spinBoxBelowRangeSettlesWhenEditingEnds() {
        var s = createTemporaryObject(spinBox, root, { from: 10, to: 50, value: 20 })
        var field = findChild(s, "spinField")
        var finished = makeSpy(s, "editingFinished")
        mouseClick(field)
        field.selectAll()
        keyClick(Qt.Key_5)
        keyClick(Qt.Key_Return)
        compare(s.value, 10)
        compare(field.text, "10")
        compare(finished.count, 1)
        compare(finished.signalArguments[0][0], 10)
    }

    function test_spinBoxStepsByAreasAndKeys() {
        var s = createTemporaryObject(spinBox, root)
        var ups = makeSpy(s, "upClicked")
        var downs = makeSpy(s, "downClicked")
        mouseClick(findChild(s, "spinUp"))
        compare(s.value, 11)
        mouseClick(findChild(s, "spinDown"))
        mouseClick(findChild(s, "spinDown"))
        compare(s.value, 9)
        mouseClick(findChild(s, "spinField"))
        keyClick(Qt.Key_Up)
        compare(s.value, 10)
        compare(ups.count, 2)
        compare(downs.count, 2)
    }

    function test_customSpinSteps_data() {
        return [
            { tag: "up past the top is ignored", value: 99, step: 5, button: "customSpinUp", expect: 99, signals: 0 },
            { tag: "down inside the range", value: 99, step: 5, button: "customSpinDown", expect: 94, signals: 1 },
            { tag: "down past the bottom is ignored", value: 3, step: 5, button: "customSpinDown", expect: 3, signals: 0 },
            { tag: "up to the top exactly", value: 95, step: 5, button: "customSpinUp", expect: 100, signals: 1 }
        ]
    }
    function test_customSpinSteps(data) {
        var s = createTemporaryObject(customSpin, root, { value: data.value, stepSize: data.step, to: 100 })
        var modified = makeSpy(s, "valueModified")
        mouseClick(findChild(s, data.button))
        compare(s.value, data.expect)
        compare(modified.count, data.signals)
    }

    function test_customSpinTyping() {
        var s = createTemporaryObject(customSpin, root, { from: 0, to: 10, decimals: 1, value: 2 })
        var field = findChild(s, "customSpinField")
        compare(field.text, "2.0")
        mouseClick(field)
        field.selectAll()
        keyClick(Qt.Key_7); keyClick(Qt.Key_Period); keyClick(Qt.Key_2)
        compare(s.value, 7.2)
        keyClick(Qt.Key_Return)
        compare(field.text, "7.2")
        field.selectAll()
        keyClick(Qt.Key_9); keyClick(Qt.Key_9)   // above the range becomes the top
        compare(s.value, 10)
        keyClick(Qt.Key_A)                       // not a number: refused
        keyClick(Qt.Key_Tab)
        compare(s.value, 10)
        compare(field.text, "10.0")
    }

    function test_groupBoxDropdown() {
        var g = createTemporaryObject(groupBox, root, { showDropdown: true, dropdownModel: ["正常", "反白", "倒置"] })
        var changed = makeSpy(g, "dropdownChanged")
        compare(g.Accessible.name, "切刀")
        compare(g.dropdownCurrentText, "正常")
        g.dropdownCurrentIndex = 2
        compare(changed.count, 1)
        compare(changed.signalArguments[0][0], 2)
        compare(changed.signalArguments[0][1], "倒置")
    }

    function test_iconTextButtonLeavesCheckedToItsOwner() {
        var b = createTemporaryObject(iconText, root)
        var clicks = makeSpy(b, "clicked")
        mouseClick(b)
        compare(clicks.count, 1)
        compare(b.checked, false)
        compare(b.Accessible.name, "蜂鸣器")
    }

    function test_closeButton() {
        var b = createTemporaryObject(closeButton, root)
        var clicks = makeSpy(b, "btnClick")
        compare(b.Accessible.name, "关闭")
        mouseMove(b)
        tryCompare(b, "color", "#ff0000")
        compare(b.ToolTip.text, "关闭")
        mouseClick(b)
        compare(clicks.count, 1)
    }

    function test_toastDefaultsToThreeSeconds() {
        var t = createTemporaryObject(toastManager, root)
        var item = t.showMessage("已保存", 0)
        compare(item.duration, 3000)
        item = t.showMessage("已保存", -5)
        compare(item.duration, 3000)
        compare(item.Accessible.name, "已保存")
    }

    function test_toastsStackAndCloseUp() {
        var t = createTemporaryObject(toastManager, root)
        var first = t.showMessage("一", 300)
        var second = t.showMessage("二", 10000, "qrc:/img/Resources/commonUI/CorrectPrompt.png", "#B7F5BB", "black")
        var third = t.showMessage("三", 10000)
        verify(first.height >= 40)
        compare([first.y, second.y, third.y],
                [20, 20 + first.height + 10, 20 + first.height + 10 + second.height + 10])
        compare(second.color, "#b7f5bb")
        tryCompare(t, "count", 2, 3000)
        compare(t.toasts[0], second)
        compare([second.y, third.y], [20, 20 + second.height + 10])
    }

    function test_toastPositions_data() {
        return [ { tag: "top centre", position: Toast.Position.TopCenter, x: function (t, w) { return (800 - w) / 2 }, y: 20 },
                 { tag: "top right", position: Toast.Position.TopRight, x: function (t, w) { return 800 - w - 20 }, y: 20 },
                 { tag: "centre", position: Toast.Position.Center, x: function (t, w) { return (800 - w) / 2 }, y: -1 } ]
    }
    function test_toastPositions(data) {
        var t = createTemporaryObject(toastManager, root, { position: data.position })
        var item = t.showMessage("连接成功", 5000)
        compare(item.x, data.x(t, item.width))
        compare(item.y, data.y >= 0 ? data.y : (600 - item.height) / 2)
    }
}
}
