import QtQuick 2.15
import QtTest 1.15
import "../../scenes/Src/basic"
import "../../scenes/Src/rightPage/stackPages"

// The serial page against the virtual printer's pty: the path typed into the
// port choice, hexadecimal and text sending byte-exact, a reply in the
// receive area, and a port that cannot be opened.
Item {
    id: root
    width: 830
    height: 680

    SerialFunctionPage { id: page; anchors.fill: parent }

    SignalSpy { id: connectedSpy; target: deviceViewModel.serialConnection; signalName: "opened" }
    SignalSpy { id: disconnectedSpy; target: deviceViewModel.serialConnection; signalName: "closed" }

    ConnectTestCase {
        name: "ConnectSerial"

        property var printer: null

        function initTestCase() {
            deviceViewModel.switchToSerial()
            printer = testPrinter.start({ rawPort: -1, serial: true })
            verify(printer !== null)
            verify(printer.serialPath !== "")
        }

        function cleanupTestCase() {
            testPrinter.stopAll()
        }

        function receiveText() {
            return child(page, "receiveArea").text
        }

        function send(text) {
            var area = child(page, "sendArea")
            mouseClick(area)
            keyClick(Qt.Key_A, Qt.ControlModifier)
            keyClick(Qt.Key_Delete)
            typeText(text)
            mouseClick(child(page, "sendButton"))
        }

        function test_1_missingPortStaysUnconnected() {
            var tab = child(page, "drawerTab")
            mouseClick(tab)
            verify(!page.drawerOpen, "the drawer tab does nothing without an open port")

            replaceText(child(page, "portField"), "/dev/quillmark-no-such-port")
            compare(page.portText, "/dev/quillmark-no-such-port")
            mouseClick(child(page, "openPortButton"))
            verify(!page.connected)
            compare(connectedSpy.count, 0)
            compare(child(page, "serialStatusCircle").Accessible.name, "未连接")
            tryVerify(function() { return logHas("串口错误: 串口连接失败: ") }, 3000, "the failure is logged")
            tryVerify(function() { return notices(page).some(function(t) { return t.indexOf("串口连接失败: ") === 0 }) },
                      3000, "the failure is shown; shown: " + JSON.stringify(notices(page)))
        }

        function test_1_fileIsNoPort() {
            var file = sceneTest.writePicture("not-a-port", 0, 0, "garbage")
            var before = sceneTest.readTextFile(file)
            replaceText(child(page, "portField"), file)
            mouseClick(child(page, "openPortButton"))
            verify(!page.connected)
            compare(connectedSpy.count, 0)
            waitForNotice(page, "串口连接失败: " + file + " 不是设备节点（应为字符设备，如 /dev/usb/lp0 或 /dev/ttyUSB0）")
            compare(sceneTest.readTextFile(file), before, "the file is left alone")
        }

        function test_2_typedRelativePtyPathOpens() {
            // As the README has it typed: a path from the current folder, not under /dev.
            var typed = sceneTest.linkBelowCurrentFolder(printer.serialPath)
            verify(typed !== "" && typed.charAt(0) !== "/" && typed.indexOf("./") !== 0, typed)
            replaceText(child(page, "portField"), typed)
            compare(child(page, "baudChoice").currentText, "19200")
            mouseClick(child(page, "openPortButton"))
            verify(page.connected)
            compare(connectedSpy.count, 1)
            compare(deviceViewModel.serialConnection.name, typed)
            compare(child(page, "serialStatusCircle").Accessible.name, "已连接")
            verify(!child(page, "openPortButton").enabled)
            verify(child(page, "closePortButton").enabled)
            tryVerify(function() { return logHas("串口连接成功:" + typed + " 波特率:19200") })
        }

        function test_3_hexadecimalGoesOutByteExact() {
            mouseClick(child(page, "drawerTab"))
            verify(page.drawerOpen)
            var drawer = child(page, "serialTerminalDrawer")
            tryCompare(drawer, "x", page.width - drawer.width)
            mouseClick(child(page, "hexSendCheckBox"))
            compare(child(page, "sendArea").placeholderText, "在此输入十六进制数据（如：48 65 6C 6C 6F）...")

            printer.clearReceived()
            send("1B 40 B2 E2")
            tryVerify(function() { return printer.receivedHex("serial") === "1B 40 B2 E2" }, 3000,
                      "four bytes arrive; got " + printer.receivedHex("serial"))
            compare(child(page, "sendArea").text, "", "a sent text is cleared")
            verify(/^\[发送 \d\d:\d\d:\d\d\.\d\d\d\] 1B 40 B2 E2$/m.test(receiveText()), receiveText())
        }

        function test_4_badHexadecimalIsRefused_data() {
            return [ { tag: "odd length", text: "1B 4" }, { tag: "not a digit", text: "1G" } ]
        }

        function test_4_badHexadecimalIsRefused(data) {
            printer.clearReceived()
            send(data.text)
            waitForNotice(page, "无效的十六进制数据！请输入有效的十六进制字符串（偶数位数字符）。")
            compare(child(page, "sendArea").text, data.text, "the text stays for correction")
            wait(200)
            compare(printer.receivedCount("serial"), 0)
        }

        function test_5_replyShowsInHexadecimal() {
            mouseClick(child(page, "hexDisplayCheckBox"))
            send("10 04 01") // DLE EOT 1: the printer answers with its status byte
            tryVerify(function() { return /^\[\d\d:\d\d:\d\d\.\d\d\d\] [0-9A-F]{2}$/m.test(receiveText()) }, 3000,
                      "the reply is shown; shown: " + receiveText())
            shot(root, "serial-drawer")
            mouseClick(child(page, "clearReceiveButton"))
            compare(receiveText(), "")
        }

        function test_6_textGoesOutAsTyped() {
            mouseClick(child(page, "hexSendCheckBox")) // back to text
            mouseClick(child(page, "hexDisplayCheckBox"))
            printer.clearReceived()
            send("ABC")
            tryVerify(function() { return printer.receivedHex("serial") === "41 42 43" }, 3000)
            verify(/\[发送 [0-9:.]+\] ABC\n$/.test(receiveText()), receiveText())
        }

        function test_7_disconnectClosesTheDrawer() {
            disconnectedSpy.clear()
            mouseClick(child(page, "drawerTab")) // close the drawer to reach the panel
            verify(!page.drawerOpen)
            tryCompare(child(page, "serialTerminalDrawer"), "x", page.width)
            mouseClick(child(page, "closePortButton"))
            verify(!page.connected)
            compare(disconnectedSpy.count, 1)
            verify(!deviceViewModel.serialportmanager.isConnected)
            tryVerify(function() { return logHas("串口已断开连接") })
        }
    }
}
