import QtQuick 2.15
import QtTest 1.15
import QtQuick.Window 2.15
import "../../scenes/Src/basic"
import "../../scenes/Src/commonUI"
import "../../scenes/Src/rightPage/stackPages/TcpUsbStackPages"

// The network settings page in both layouts against virtual printers: the
// TCP layout posts the form to the printer's web server and hands over to the
// connection page; the USB layout shows the printer's answers.
TestCase {
    id: testCase
    name: "IPSettingsForm"
    when: windowShown
    width: 1000
    height: 760

    Component { id: formComponent; IPSettingsForm { width: 960; height: 640 } }
    Component { id: toastComponent; Toast { width: 960; height: 200 } }

    SignalSpy { id: disconnectedSpy; target: BasicConfig; signalName: "disConnectedTCPDevice" }
    SignalSpy { id: resetSpy; target: BasicConfig; signalName: "resetIPSettings" }
    SignalSpy { id: usbReplies; target: deviceViewModel.usbDeviceManager; signalName: "sigUsbResponse" }

    // The page goes on the window itself: the test case item is not shown.
    function makeForm(properties) {
        const stage = testCase.Window.contentItem
        const toast = createTemporaryObject(toastComponent, stage)
        const props = Object.assign({ toast: toast, isCurrentVisible: true }, properties)
        const form = createTemporaryObject(formComponent, stage, props)
        verify(form !== null)
        waitForRendering(form)
        return form
    }

    function control(root, text) {
        const item = sceneTest.findAccessible(root, text)
        verify(item !== null, "no control named " + text + " in " + sceneTest.accessibleNames(root).join(", "))
        return item
    }

    function find(root, objectName) {
        const item = findChild(root, objectName)
        verify(item !== null, "no item " + objectName)
        return item
    }

    function typeInto(field, text) {
        field.forceActiveFocus()
        keySequence(StandardKey.SelectAll)
        keyClick(Qt.Key_Delete)
        field.cursorPosition = 0
        for (let i = 0; i < text.length; ++i)
            keyClick(text[i])
    }

    function lastToastText(form) {
        const toasts = form.toast.toasts
        return toasts.length > 0 ? toasts[toasts.length - 1].message : ""
    }

    function cleanup() {
        testPrinter.stopAll()
        disconnectedSpy.clear()
        resetSpy.clear()
        usbReplies.clear()
    }

    // The printer's web server on port 80 of its own address, as a real one.
    function startNetworkPrinter(address) {
        // NetBIOS answers with the MAC address that the search needs on loopback.
        const printer = testPrinter.start({ address: address, httpPort: 80, netbiosPort: 137, model: "KVZ-L7N" })
        verify(printer !== null, "a virtual printer on " + address + ":9100 and :80")
        deviceViewModel.switchToTCP()
        verify(deviceViewModel.communication.connectDevice("KVZ-L7N", address, "00-11-22-33-44-55", ""))
        return printer
    }

    function test_1_tcpSettingsPostedThenSearchFindsThePrinterAtItsNewAddress() {
        const printer = startNetworkPrinter("127.0.3.170")
        const form = makeForm({ displayMode: 0, ipText: "127.0.3.170" })
        const card = find(form, "ipSettingsCard")
        compare(find(form, "ipRow").address, "127.0.3.170")
        compare(find(form, "maskRow").address, "255.255.255.0")

        typeInto(control(card, "IP:"), "127.0.3.171")
        typeInto(control(card, "默认网关:"), "127.0.0.1")
        // Cut OFF, "6 times", "Ascii", density 3, by their visible texts.
        mouseClick(find(form, "cutRow_second"))
        mouseClick(find(form, "beepTypeRow_first"))
        mouseClick(find(form, "printModeRow_second"))
        const density = find(form, "densityBox")
        density.forceActiveFocus()
        keyClick(Qt.Key_Down)
        compare(density.currentText, "3")
        mouseClick(control(card, "设置"))

        tryVerify(function() { return printer.recordedForms().length === 1 }, 10000, "the form reaches /config.cgi")
        compare(printer.recordedForms()[0],
                "ip=127.0.3.171&sub=255.255.255.0&gw=127.0.0.1&dhcp=0&beep=1&cut=0&beepType=1&printMode=0&density=3")
        compare(disconnectedSpy.count, 1)
        compare(resetSpy.count, 1)
        // The printer takes its new address, as a real one would.
        tryCompare(printer, "address", "127.0.3.171", 5000)

        // What the TCP page does on resetIPSettings: search again; the
        // printer turns up under its new address.
        const tcp = deviceViewModel.tcpDeviceManager
        tcp.setTcpNetworkSegment("127.0.3.")
        configManager.setTcpNetworkMode(1)
        const scanSpy = createTemporaryObject(signalSpyComponent, testCase,
                                              { target: deviceViewModel, signalName: "sigScanOverTcp" })
        deviceViewModel.communication.refreshDeviceList()
        scanSpy.wait(120000)
        const found = tcp.getDeviceList().map(function(d) { return d.ip })
        verify(found.indexOf("127.0.3.171") >= 0, JSON.stringify(found))
        verify(found.indexOf("127.0.3.170") < 0, JSON.stringify(found))
        printer.stop()
    }

    Component { id: signalSpyComponent; SignalSpy {} }

    function test_2_addressesThatAreNoDottedQuadAreRefused_data() {
        return [
            { tag: "empty group in the address", row: "ipRow", text: "127.0..1", name: "IP地址" },
            { tag: "group over 255 in the mask", row: "maskRow", text: "255.256.0.0", name: "子网掩码" },
            { tag: "empty gateway", row: "gatewayRow", text: "", name: "默认网关" }
        ]
    }

    function test_2_addressesThatAreNoDottedQuadAreRefused(data) {
        const printer = startNetworkPrinter("127.0.3.172")
        const form = makeForm({ displayMode: 0, ipText: "127.0.3.172", gatewayText: "127.0.0.1" })
        find(form, data.row).text = data.text
        mouseClick(control(find(form, "ipSettingsCard"), "设置"))
        tryVerify(function() { return lastToastText(form).indexOf(data.name) === 0 }, 2000, lastToastText(form))
        wait(300) // a post would have reached the printer by now
        compare(printer.recordedForms().length, 0)
        compare(resetSpy.count, 0)
        compare(disconnectedSpy.count, 0)
        deviceViewModel.communication.disconnectDevice()
        printer.stop()
    }

    function test_3_usbAddressCommandKeepsTheConnection() {
        const printer = connectUsbPrinter()
        const form = makeForm({ displayMode: 1 })
        const card = find(form, "usbIpSettingsCard")
        typeInto(control(card, "IP:"), "192.168.1.200")
        printer.clearReceived()
        mouseClick(control(card, "设置"))
        tryVerify(function() { return printer.receivedCount("usb") >= 20 }, 5000, "the address command arrives")
        compare(printer.receivedHex("usb"), "1F 69 C0 A8 01 C8 1F 25 00 FF FF FF 00 1F 25 01 C0 A8 01 01")
        compare(resetSpy.count, 0)
        // A bad mask sends nothing.
        find(form, "usbMaskRow").text = "256.0.0.0"
        printer.clearReceived()
        mouseClick(control(card, "设置"))
        tryVerify(function() { return lastToastText(form).indexOf("子网掩码") === 0 }, 2000)
        wait(300)
        compare(printer.receivedCount("usb"), 0)
        disconnectUsb(printer)
    }

    function connectUsbPrinter() {
        const printer = testPrinter.start({ address: "127.0.3.175", rawPort: -1, usb: true, model: "KVZ-L7N" })
        verify(printer !== null)
        deviceViewModel.switchToUSB()
        const usb = deviceViewModel.usbDeviceManager
        usb.refreshDeviceList()
        const list = usb.getDeviceList().filter(function(d) { return d.devPath === printer.usbNodePath })
        compare(list.length, 1, JSON.stringify(usb.getDeviceList()))
        verify(deviceViewModel.communication.connectDevice(list[0].vpid, list[0].model, list[0].manufacturer,
                                                           list[0].devPath))
        return printer
    }

    function disconnectUsb(printer) {
        deviceViewModel.communication.disconnectDevice()
        printer.stop()
    }

    function test_4_usbQueriesShowThePrintersAnswers() {
        const printer = connectUsbPrinter()
        printer.control("setting A3 01")
        printer.control("setting A6 05")
        const form = makeForm({ displayMode: 1 })
        const bluetooth = find(form, "bluetoothCard")
        const functions = find(form, "printFunctionCard")

        mouseClick(find(form, "bluetoothNameRow_query"))
        tryCompare(find(form, "bluetoothNameRow_field"), "text", "KVZ-L7N_BT", 5000)
        mouseClick(find(form, "bluetoothCodeRow_query"))
        tryCompare(find(form, "bluetoothCodeRow_field"), "text", "1234", 5000)
        mouseClick(find(form, "bluetoothAddressRow_query"))
        tryCompare(find(form, "bluetoothAddressRow_field"), "text", "DC:0D:30:5A:00:01", 5000)
        mouseClick(find(form, "paperTypeRow_query"))
        tryCompare(find(form, "paperTypeRow_choice"), "currentIndex", 1, 5000)
        compare(find(form, "paperTypeRow_choice").currentText, "1:间隙纸")
        mouseClick(find(form, "characterSetRow_query"))
        tryCompare(find(form, "characterSetRow_choice"), "currentText", "5:Shift_JIS", 5000)

        // A new name and speed mode are written and read back.
        typeInto(control(bluetooth, "蓝牙名称:"), "QM-7")
        mouseClick(find(form, "bluetoothNameRow_set"))
        const speed = find(form, "speedModeRow_choice")
        speed.forceActiveFocus()
        keyClick(Qt.Key_Down)
        keyClick(Qt.Key_Down)
        mouseClick(find(form, "speedModeRow_set"))
        tryVerify(function() { return printer.control("setting A4").indexOf("02") >= 0 }, 5000)
        find(form, "bluetoothNameRow_field").text = ""
        speed.currentIndex = 0
        mouseClick(find(form, "bluetoothNameRow_query"))
        tryCompare(find(form, "bluetoothNameRow_field"), "text", "QM-7", 5000)
        mouseClick(find(form, "speedModeRow_query"))
        tryCompare(speed, "currentIndex", 2, 5000)
        verify(functions !== null)
        disconnectUsb(printer)
    }

    function test_5_usbBadInput() {
        const printer = connectUsbPrinter()
        const form = makeForm({ displayMode: 1 })
        // The pairing code takes four digits and no more, and no letters.
        const code = find(form, "bluetoothCodeRow_field")
        typeInto(code, "12a3456")
        compare(code.text, "1234")
        // An empty name or code sends nothing.
        find(form, "bluetoothNameRow_field").text = ""
        code.text = ""
        printer.clearReceived()
        mouseClick(find(form, "bluetoothNameRow_set"))
        mouseClick(find(form, "bluetoothCodeRow_set"))
        wait(300)
        compare(printer.receivedCount("usb"), 0)

        // A printer that does not answer: the field stays, a notice says so,
        // and the page goes on working.
        find(form, "bluetoothNameRow_field").text = "Unchanged"
        printer.setFlag("no_reply", true)
        mouseClick(find(form, "bluetoothNameRow_query"))
        usbReplies.wait(3000)
        compare(usbReplies.signalArguments[0][1], "")
        compare(find(form, "bluetoothNameRow_field").text, "Unchanged")
        tryVerify(function() { return lastToastText(form) === "响应超时" }, 2000)
        printer.setFlag("no_reply", false)
        mouseClick(find(form, "bluetoothNameRow_query"))
        tryCompare(find(form, "bluetoothNameRow_field"), "text", "KVZ-L7N_BT", 5000)
        disconnectUsb(printer)
    }

    function test_6_layoutFollowsTheMode() {
        const form = makeForm({ displayMode: 0 })
        verify(findChild(form, "ipSettingsCard") !== null)
        verify(findChild(form, "bluetoothCard") === null)
        form.displayMode = 2
        waitForRendering(form)
        verify(findChild(form, "bluetoothCard") !== null)
        verify(findChild(form, "ipSettingsCard") === null)
        compare(find(form, "usbSerialSettingsCard").baudRow.choice.currentText, "7:115200")
    }
}
