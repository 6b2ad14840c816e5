import QtQuick 2.15
import QtTest 1.15

// The runner publishes the real back end and starts virtual printers on demand.
TestCase {
    name: "Harness"

    function test_backEndPublished() {
        verify(deviceViewModel.communication !== null)
        compare(deviceViewModel.currentMode, 1)
        verify(typeof logger.info === "function")
        verify(typeof configManager.setCurrentDeviceName === "function")
        verify(typeof helperFunction.decodeStatusReply === "function")
        verify(sceneTest.appDir.length > 0)
    }

    function test_commandReachesPrinterOverTcp() {
        var printer = testPrinter.start({ address: "127.0.3.31" })
        verify(printer !== null)
        deviceViewModel.switchToTCP()
        verify(deviceViewModel.communication.connectDevice("KVZ-L7N", "127.0.3.31", "", ""))
        deviceViewModel.communication.setBuzzerClicked(2, 3)
        tryVerify(function() { return printer.receivedCount("tcp") >= 5 }, 5000, "the buzzer command arrives")
        compare(printer.receivedHex("tcp"), "1B 42 02 03 00")
        deviceViewModel.communication.disconnectDevice()
        printer.stop()
    }

    function test_serialAndUsbPrintersLiveInTheRun() {
        var printer = testPrinter.start({ rawPort: -1, serial: true, usb: true })
        verify(printer !== null)
        verify(sceneTest.fileExists(printer.serialPath), printer.serialPath)
        verify(printer.usbNodePath.indexOf(sceneTest.usbRoot) === 0, printer.usbNodePath)
        verify(sceneTest.fileExists(printer.usbNodePath))
        printer.stop()
    }
}
