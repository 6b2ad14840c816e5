import QtQuick 2.15
import QtTest 1.15
import "../../scenes/Src/basic"
import "../../scenes/Src/rightPage/stackPages"

// The driver page against a private CUPS scheduler with raw queues leading to
// a virtual printer: listed, selected, connected, a command arriving, and a
// queue that vanished.
Item {
    id: root
    width: 830
    height: 680

    DriverFunctionPage { id: page; anchors.fill: parent }

    SignalSpy { id: connectedSpy; target: deviceViewModel.driverConnection; signalName: "opened" }
    SignalSpy { id: disconnectedSpy; target: deviceViewModel.driverConnection; signalName: "closed" }

    ConnectTestCase {
        name: "ConnectDriver"

        property var printer: null
        readonly property var list: findChild(page, "printerList")

        function initTestCase() {
            if (!testSpooler.available)
                skip("no private CUPS scheduler here: " + testSpooler.unavailableReason)
            deviceViewModel.switchToDevice()
            printer = testPrinter.start({ address: "127.0.9.41" })
            verify(printer !== null)
            verify(testSpooler.start())
            verify(testSpooler.addRawQueue("QuillmarkRaw", "socket://127.0.9.41:9100"))
            verify(testSpooler.addRawQueue("QuillmarkSpare", "socket://127.0.9.41:9100"))
        }

        function cleanupTestCase() {
            testSpooler.stop()
            testPrinter.stopAll()
        }

        function names() {
            var result = []
            for (var i = 0; i < list.count; ++i)
                result.push(list.model.get(i).name)
            return result
        }

        function test_1_queuesAreListed() {
            verify(child(page, "emptyListHint").visible, "nothing listed before the refresh")
            mouseClick(child(page, "refreshPrintersButton"))
            tryCompare(list, "count", 2)
            verify(names().indexOf("QuillmarkRaw") >= 0, JSON.stringify(names()))
            verify(names().indexOf("QuillmarkSpare") >= 0)
            verify(!child(page, "emptyListHint").visible)
        }

        function test_2_nothingSelectedIsRefused() {
            mouseClick(child(page, "enterConfigButton"))
            waitForNotice(page, "请先选择一个打印机")
            verify(!page.workspaceShown)
        }

        function test_3_selectedQueueConnects() {
            var index = names().indexOf("QuillmarkRaw")
            var item = waitChild(page, "printerItem_" + index)
            mouseClick(item, 100, 30)
            verify(item.expanded)
            compare(page.selectedDeviceName, "QuillmarkRaw")
            verify(child(item, "openQueueButton").visible)
            shot(root, "driver-expanded")
            // Collapsing keeps the selection.
            mouseClick(item, 100, 30)
            verify(!item.expanded)
            compare(page.selectedDeviceName, "QuillmarkRaw")

            connectedSpy.clear()
            mouseClick(child(page, "enterConfigButton"))
            compare(connectedSpy.count, 1)
            compare(deviceViewModel.driverConnection.name, "QuillmarkRaw")
            verify(page.workspaceShown)
            compare(deviceViewModel.printDriverManager.currentPrinter, "QuillmarkRaw")

            printer.clearReceived()
            deviceViewModel.communication.setBuzzerClicked(1, 1)
            tryVerify(function() { return printer.receivedHex("tcp") === "1B 42 01 01 00" }, 15000,
                      "the raw job reaches the printer; got " + printer.receivedHex("tcp"))

            disconnectedSpy.clear()
            tryCompare(child(page, "driverWorkspace"), "y", 0)
            mouseClick(child(page, "backToDeviceListButton"))
            verify(!page.workspaceShown)
            compare(disconnectedSpy.count, 1)
            tryVerify(function() { return !child(page, "driverWorkspace").visible }, 3000, "back on the list")
        }

        function test_4_vanishedQueueIsUnavailable() {
            verify(testSpooler.removeQueue("QuillmarkRaw"))
            connectedSpy.clear()
            mouseClick(child(page, "enterConfigButton"))
            waitForNotice(page, "打印机不可用")
            compare(connectedSpy.count, 0)
            verify(!page.workspaceShown)
        }

        function test_5_deleteRemovesFromThePageOnly() {
            var index = names().indexOf("QuillmarkSpare")
            var item = waitChild(page, "printerItem_" + index)
            mouseClick(item, 100, 30)
            verify(item.expanded)
            mouseClick(child(item, "deletePrinterButton"))
            tryVerify(function() { return names().indexOf("QuillmarkSpare") < 0 })
            verify(deviceViewModel.printDriverManager.availablePrinters.indexOf("QuillmarkSpare") >= 0)
        }
    }
}
