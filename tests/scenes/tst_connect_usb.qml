import QtQuick 2.15
import QtTest 1.15
import "../../scenes/Src/basic"
import "../../scenes/Src/rightPage/stackPages"

// The USB page against the virtual printer in the run's fake USB tree: the
// search of its own at creation, connect with the acknowledgement beep,
// unplugging and plugging back in, "进入配置界面>" waiting for a printer.
Item {
    id: root
    width: 830
    height: 680

    USBFunctionPage { id: page; anchors.fill: parent }

    SignalSpy { id: connectedSpy; target: deviceViewModel.usbConnection; signalName: "opened" }
    SignalSpy { id: disconnectedSpy; target: deviceViewModel.usbConnection; signalName: "closed" }

    ConnectTestCase {
        name: "ConnectUsb"

        property var printer: null
        readonly property var panel: findChild(page, "usbSearchPanel")

        function cleanupTestCase() {
            testPrinter.stopAll()
        }

        function test_1_pageSearchesByItself() {
            compare(deviceViewModel.currentMode, 1)
            tryVerify(function() { return logHas("USB设备搜索完成") }, 3000, "a search ran without a click")
            tryVerify(function() { return !panel.searching })
            compare(child(panel, "searchStatusHint").text, "未发现设备")
            verify(!child(panel, "searchProgressRing").visible, "no ring for USB")
            verify(!child(panel, "addDeviceButton").visible)
            verify(child(panel, "enterConfigButton").visible)
        }

        function test_2_connectBeepsOnce() {
            var searches = logCount("USB设备搜索完成")
            printer = testPrinter.start({ rawPort: -1, usb: true, model: "KVZ-L7N" })
            verify(printer !== null)
            // Plugged in: the list is searched again by itself.
            tryVerify(function() { return logCount("USB设备搜索完成") > searches }, 5000, "arrival noticed")
            tryCompare(panel.deviceModel, "count", 1, 5000)
            mouseClick(child(panel, "searchButton"))
            compare(panel.deviceModel.count, 1)
            var entry = panel.deviceModel.get(0)
            compare(entry.vpid, "6868&0500")
            verify(entry.devPath.indexOf(sceneTest.usbRoot) === 0, entry.devPath)
            verify(entry.modelName !== "" && entry.modelName !== "未知型号", entry.modelName)
            // The manufacturer the device reports (sysfs and MFG: of its IEEE 1284 id) is shown.
            compare(entry.manufacturer, "KVZ")
            var item = waitChild(panel, "deviceItem_0")
            verify(item.Accessible.name.indexOf("厂商: KVZ") >= 0, item.Accessible.name)

            printer.clearReceived()
            connectedSpy.clear()
            mouseClick(waitChild(panel, "deviceItem_0"))
            shot(root, "usb-list")
            mouseClick(child(panel, "connectDeviceButton"))
            compare(connectedSpy.count, 1)
            compare(deviceViewModel.usbConnection.modelName, entry.modelName)
            compare(deviceViewModel.usbConnection.vpid, "6868&0500")
            verify(page.workspaceShown)
            tryVerify(function() { return printer.receivedHex("usb") === "1B 42 01 01 00" }, 5000,
                      "one short beep; got " + printer.receivedHex("usb"))
        }

        function test_3_unplugAndReplugAreNoticed() {
            disconnectedSpy.clear()
            connectedSpy.clear()
            verify(printer.unplug())
            waitForNotice(page, "设备已断开", 5000)
            compare(disconnectedSpy.count, 1)

            verify(printer.replug())
            waitForNotice(page, "设备重连", 5000)
            compare(connectedSpy.count, 1)
            compare(deviceViewModel.usbConnection.vpid, "6868&0500")
            printer.clearReceived()
            deviceViewModel.communication.setBuzzerClicked(2, 1)
            tryVerify(function() { return printer.receivedHex("usb") === "1B 42 02 01 00" }, 5000,
                      "commands reach the printer again")
        }

        function test_4_unplugDuringACommandNeverHangs() {
            disconnectedSpy.clear()
            verify(printer.unplug())
            var started = Date.now()
            deviceViewModel.communication.setBuzzerClicked(1, 1)
            deviceViewModel.communication.setPrinterStatusClicked()
            verify(Date.now() - started < 1500, "the window never waits for a printer that is gone")
            tryCompare(disconnectedSpy, "count", 1, 5000)
            waitForNotice(page, "设备已断开")
            connectedSpy.clear()
            verify(printer.replug())
            tryCompare(connectedSpy, "count", 1, 5000)
            waitForNotice(page, "设备重连")
        }

        function test_5_backDisconnects() {
            disconnectedSpy.clear()
            mouseClick(child(page, "backToDeviceListButton"))
            verify(!page.workspaceShown)
            compare(disconnectedSpy.count, 1)
            tryVerify(function() { return logHas("断开USB设备: ") })
        }

        function test_6_enterConfigConnectsThePrinterPluggedInNext() {
            verify(printer.unplug())
            tryCompare(panel.deviceModel, "count", 0, 5000)
            tryCompare(panel, "y", 0)
            connectedSpy.clear()
            mouseClick(child(panel, "enterConfigButton"))
            verify(page.workspaceShown)
            compare(connectedSpy.count, 0, "no printer yet")
            verify(printer.replug())
            tryCompare(connectedSpy, "count", 1, 5000)
            compare(deviceViewModel.usbConnection.vpid, "6868&0500")
            waitForNotice(page, "设备已连接:" + deviceViewModel.usbConnection.modelName)
        }
    }
}
