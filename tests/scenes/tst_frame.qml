import QtQuick 2.15
import QtTest 1.15
import QtQuick.Window 2.15
import "../../scenes/Src/basic"
import "../../scenes/Src/leftPage"
import "../../scenes/Src/rightPage"
import "../../scenes/Src/statusPage"

// The frame's regions wired as in the main window, on the real view model,
// logger and configuration store.
Item {
    id: root
    width: 1040
    height: 780

    LeftPage {
        id: leftPage
        anchors { left: parent.left; top: parent.top; bottom: statusPage.top }
        width: 210
    }
    RightPage {
        id: rightPage
        anchors { left: leftPage.right; right: parent.right; top: parent.top; bottom: statusPage.top }
    }
    StatusPage {
        id: statusPage
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
        height: 30
    }

    TestCase {
        id: testCase
        name: "Frame"
        when: windowShown

        function entry(name) { return findChild(leftPage, name) }
        function row(name) { return findChild(statusPage, name) }
        function shownRows() {
            return ["tcpStatusRow", "usbStatusRow", "serialStatusRow", "driverStatusRow"]
                .filter(function (n) { return row(n).shown })
        }

        function initTestCase() {
            // The start state, before anything was clicked or emitted.
            compare(leftPage.currentEntry, 0)
            verify(entry("usbEntry").selected)
            compare(rightPage.currentIndex, 0)
            compare(statusPage.displayMode, 1)
            compare(deviceViewModel.currentMode, 1)
            compare(shownRows(), ["usbStatusRow"])
            compare(row("usbStatusRow").connected, false)
            compare(findChild(statusPage, "versionText").text, "版本：V1.0.0.31")
        }

        // The main window is the active one again (the log window takes the
        // activation while it is open), as when a person clicks into it.
        function init() {
            root.Window.window.requestActivate()
            tryVerify(function () { return root.Window.window.active })
        }

        function test_navigation_data() {
            return [
                { tag: "TCP", entry: "tcpEntry", index: 1, mode: 0, row: "tcpStatusRow", log: "切换到tcp" },
                { tag: "serial", entry: "serialEntry", index: 2, mode: 2, row: "serialStatusRow", log: "切换到串口" },
                { tag: "driver", entry: "driverEntry", index: 3, mode: 3, row: "driverStatusRow", log: "切换到驱动" },
                { tag: "USB", entry: "usbEntry", index: 0, mode: 1, row: "usbStatusRow", log: "切换到usb" }
            ]
        }
        function test_navigation(data) {
            var before = sceneTest.logText().length
            mouseClick(entry(data.entry))
            compare(deviceViewModel.currentMode, data.mode)
            compare(rightPage.currentIndex, data.index)
            compare(statusPage.displayMode, data.mode)
            verify(entry(data.entry).selected)
            compare(["usbEntry", "tcpEntry", "serialEntry", "driverEntry"]
                    .filter(function (n) { return entry(n).selected }).length, 1)
            tryCompare(row(data.row), "opacity", 1)
            tryVerify(function () { return shownRows().length === 1 && shownRows()[0] === data.row })
            tryVerify(function () { return sceneTest.logText().indexOf("[INFO] " + data.log, before) >= 0 })
        }

        function test_keyboardReachesTheNavigation() {
            var tcp = entry("tcpEntry")
            for (var i = 0; i < 20 && !tcp.activeFocus; ++i)
                keyClick(Qt.Key_Tab)
            verify(tcp.activeFocus, "Tab reaches the TCP entry")
            keyClick(Qt.Key_Space)
            compare(deviceViewModel.currentMode, 0)
            compare(rightPage.currentIndex, 1)
            for (i = 0; i < 20 && !findChild(leftPage, "openLogButton").activeFocus; ++i)
                keyClick(Qt.Key_Tab)
            verify(findChild(leftPage, "openLogButton").activeFocus)
            mouseClick(entry("usbEntry"))
        }

        function test_tcpThenUsbLogsInOrder() {
            var before = sceneTest.logText().length
            mouseClick(entry("tcpEntry"))
            mouseClick(entry("usbEntry"))
            compare(deviceViewModel.currentMode, 1)
            tryVerify(function () { return sceneTest.logText().indexOf("切换到usb", before) >= 0 })
            var log = sceneTest.logText()
            verify(log.indexOf("切换到tcp", before) < log.indexOf("切换到usb", before))
        }

        function test_statusBarKeepsEachTransportsDevice() {
            sceneTest.showConnected(2, { name: "/dev/ttyVP0" })
            mouseClick(entry("serialEntry"))
            verify(row("serialStatusRow").connected)
            compare(row("serialStatusRow").fields, ["COM口: /dev/ttyVP0"])
            mouseClick(entry("tcpEntry"))
            tryVerify(function () { return shownRows().length === 1 && shownRows()[0] === "tcpStatusRow" })
            compare(row("tcpStatusRow").connected, false)
            mouseClick(entry("serialEntry"))
            tryVerify(function () { return shownRows().length === 1 && shownRows()[0] === "serialStatusRow" })
            compare(row("serialStatusRow").fields, ["COM口: /dev/ttyVP0"])
            sceneTest.showDisconnected(2)
            compare(row("serialStatusRow").connected, false)
        }

        function test_connectionsNameTheCurrentDevice_data() {
            return [
                { tag: "TCP", connect: function () { sceneTest.showConnected(0, { name: "KVZ-L7N", ip: "127.0.0.1", mac: "00:11:22:33:44:55" }) },
                  disconnect: function () { sceneTest.showDisconnected(0) }, name: "KVZ-L7N",
                  row: "tcpStatusRow", fields: ["设备名称: KVZ-L7N", "IP: 127.0.0.1", "MAC地址: 00:11:22:33:44:55"] },
                { tag: "USB", connect: function () { sceneTest.showConnected(1, { model: "KVZ-L7K", vpid: "0483_5720" }) },
                  disconnect: function () { sceneTest.showDisconnected(1) }, name: "KVZ-L7K",
                  row: "usbStatusRow", fields: ["型号: KVZ-L7K", "vpid: 0483_5720"] },
                { tag: "driver", connect: function () { sceneTest.showConnected(3, { name: "QM-Receipt" }) },
                  disconnect: function () { sceneTest.showDisconnected(3) }, name: "QM-Receipt",
                  row: "driverStatusRow", fields: ["打印机: QM-Receipt"] }
            ]
        }
        function test_connectionsNameTheCurrentDevice(data) {
            data.connect()
            compare(configManager.getCurrentDeviceName(), data.name)
            verify(row(data.row).connected)
            compare(row(data.row).fields, data.fields)
            data.disconnect()
            compare(configManager.getCurrentDeviceName(), "")
            verify(!row(data.row).connected)
        }

        function test_serialDoesNotTouchTheDeviceName() {
            sceneTest.showConnected(0, { name: "KVZ-L7N", ip: "127.0.0.1" })
            sceneTest.showConnected(2, { name: "/dev/ttyVP0" })
            compare(configManager.getCurrentDeviceName(), "KVZ-L7N")
            sceneTest.showDisconnected(2)
            compare(configManager.getCurrentDeviceName(), "KVZ-L7N")
            sceneTest.showDisconnected(0)
        }

        function test_restartDialogNoChangesNothing() {
            var dialog = leftPage.restartDialog
            var before = sceneTest.logText().length
            var language = qmlLanguage.getLanguage()
            mouseClick(findChild(leftPage, "languageButton"))
            tryCompare(dialog, "opened", true)
            compare(dialog.targetLanguage, language === "zh_CN" ? "en_US" : "zh_CN")
            mouseClick(findChild(dialog.contentItem, "restartNoButton"))
            tryCompare(dialog, "visible", false)
            compare(qmlLanguage.getLanguage(), language)
            compare(sceneTest.logText().indexOf("语言切换", before), -1)
            compare(sceneTest.logText().indexOf("设置语言到配置文件", before), -1)
        }

        function test_restartDialogClosesOnEscapeAndCloseButton() {
            var dialog = leftPage.restartDialog
            leftPage.askLanguageSwitch()
            tryCompare(dialog, "opened", true)
            keyClick(Qt.Key_Escape)
            tryCompare(dialog, "visible", false)
            leftPage.askLanguageSwitch()
            tryCompare(dialog, "opened", true)
            mouseClick(findChild(dialog.contentItem, "restartDialogClose"))
            tryCompare(dialog, "visible", false)
        }

        function test_restartDialogDragStopsAtTheEdge_data() {
            return [ { tag: "up-left", dx: -2000, dy: -2000, x: 0, y: 0 },
                     { tag: "down-right", dx: 2000, dy: 2000, x: 1040 - 380, y: 780 - 250 } ]
        }
        function test_restartDialogDragStopsAtTheEdge(data) {
            var dialog = leftPage.restartDialog
            leftPage.askLanguageSwitch()
            tryCompare(dialog, "opened", true)
            var header = findChild(dialog.contentItem, "restartDialogHeader")
            mousePress(header, 60, 25)
            mouseMove(header, 60 + data.dx / 2, 25 + data.dy / 2)
            mouseMove(header, 60 + data.dx, 25 + data.dy)
            mouseRelease(header, 60 + data.dx, 25 + data.dy)
            compare(dialog.x, data.x)
            compare(dialog.y, data.y)
            dialog.close()
            tryCompare(dialog, "visible", false)
        }

        function test_logButtonOpensOneWindow() {
            var button = findChild(leftPage, "openLogButton")
            mouseClick(button)
            var log = leftPage.logDialog
            verify(log !== null)
            tryCompare(log, "visible", true)
            mouseClick(button)
            compare(leftPage.logDialog, log, "a second click reuses the window")
            verify(log.visible)
            log.close()
            tryCompare(leftPage, "logDialogOpen", false)
            mouseClick(button)
            compare(leftPage.logDialog, log, "shown again after closing")
            tryCompare(log, "visible", true)
            log.close()
        }
    }
}
