import QtQuick 2.15
import QtTest 1.15
import "../../scenes/Src/rightPage"

// Refusals and failed saves from the back end reach the person as notices.
Item {
    id: root
    width: 800
    height: 600

    BackEndNotices { id: notices; anchors.fill: parent }

    TestCase {
        name: "BackEndNotices"
        when: windowShown

        function test_refusedTextIsAnnounced() {
            var printer = testPrinter.start({ address: "127.0.3.201" })
            verify(printer !== null)
            deviceViewModel.switchToTCP()
            verify(deviceViewModel.communication.connectDevice("KVZ-L7N", "127.0.3.201", "", ""))
            printer.clearReceived()
            deviceViewModel.communication.setBluetoothNameClicked(new Array(300).join("x"))
            tryCompare(notices, "count", 1, 3000)
            verify(notices.toasts[0].message.indexOf("蓝牙名称过长") >= 0, notices.toasts[0].message)
            wait(200)
            compare(printer.receivedCount("tcp"), 0, "nothing was sent")
            deviceViewModel.communication.disconnectDevice()
            printer.stop()
        }
    }
}
