import QtQuick 2.15
import QtTest 1.15
import "../../scenes/Src/basic"
import "../../scenes/Src/rightPage/stackPages"
import "../../scenes/Src/statusPage"

// The TCP page against virtual printers on 127.0.0.x: segment set in the
// dialog, search with live results, connect, a command arriving, manual add,
// and the failures a user meets.
Item {
    id: root
    width: 830
    height: 710

    TCPFunctionPage { id: page; width: parent.width; height: 680 }
    StatusPage { id: statusBar; y: 680; width: parent.width; height: 30 }

    SignalSpy { id: connectedSpy; target: deviceViewModel.tcpConnection; signalName: "opened" }
    SignalSpy { id: disconnectedSpy; target: deviceViewModel.tcpConnection; signalName: "closed" }

    ConnectTestCase {
        id: test
        name: "ConnectTcp"

        property var printer: null
        readonly property var panel: findChild(page, "tcpSearchPanel")

        function initTestCase() {
            deviceViewModel.switchToTCP()
            // No neighbour table names a printer on loopback: its NetBIOS answer gives the MAC address.
            printer = testPrinter.start({ address: "127.0.0.21", model: "KVZ-L7N", httpPort: 80, netbiosPort: 137,
                                          mac: "00:11:22:33:44:55" })
            verify(printer !== null, "virtual printer on 127.0.0.21 (ports 9100, 80 and 137)")
            // Its web page never comes: the search must not wait for it to show the printer.
            verify(testPrinter.startSilentHost("127.0.0.23"))
        }

        function cleanupTestCase() {
            testPrinter.stopAll()
        }

        function openSegmentDialog() {
            mouseClick(child(page, "tcpConfigButton"))
            var dialog = child(page, "tcpSegmentDialog")
            tryCompare(dialog, "opened", true)
            return dialog
        }

        function chooseMode(dialog, index) {
            var choice = child(dialog.contentItem, "segmentModeChoice")
            mouseClick(choice)
            tryCompare(choice.popup, "opened", true)
            keyClick(index === 1 ? Qt.Key_Down : Qt.Key_Up)
            keyClick(Qt.Key_Return)
            tryCompare(choice, "currentIndex", index)
        }

        function test_1_segmentDialogRefusesBadSegments_data() {
            return [
                { tag: "no trailing point", text: "10.0.0", shown: "10.0.0", valid: false },
                { tag: "number above 255", text: "300.1.1.", shown: "300.1.1.", valid: false },
                { tag: "letters and a fourth group are not taken", text: "10.a0.0.1.", shown: "10.0.0.", valid: true },
                { tag: "good", text: "10.0.0.", shown: "10.0.0.", valid: true }
            ]
        }

        function test_1_segmentDialogRefusesBadSegments(data) {
            var storedMode = configManager.getTcpNetworkMode()
            var dialog = openSegmentDialog()
            chooseMode(dialog, 1)
            var field = child(dialog.contentItem, "segmentField")
            verify(field.enabled)
            replaceText(field, data.text)
            compare(field.text, data.shown)
            compare(child(dialog.contentItem, "segmentSaveButton").enabled, data.valid)
            // The local segment needs no valid text.
            chooseMode(dialog, 0)
            verify(!field.enabled)
            verify(child(dialog.contentItem, "segmentSaveButton").enabled)
            keyClick(Qt.Key_Escape)
            tryCompare(dialog, "opened", false)
            compare(configManager.getTcpNetworkMode(), storedMode, "Escape stores nothing")
        }

        function test_2_searchShowsPrintersWhileItRuns() {
            var dialog = openSegmentDialog()
            chooseMode(dialog, 1)
            replaceText(child(dialog.contentItem, "segmentField"), "127.0.0.")
            shot(dialog.contentItem.parent, "tcp-segment-dialog")
            mouseClick(child(dialog.contentItem, "segmentSaveButton"))
            tryCompare(dialog, "opened", false)
            waitForNotice(page, "网段配置已保存: 127.0.0.")
            compare(configManager.getTcpNetworkMode(), 1)
            compare(configManager.getTcpNetworkSegment(), "127.0.0.")

            mouseClick(child(panel, "searchButton"))
            verify(panel.searching)
            compare(child(panel, "searchButton").buttonText, "⏳搜索中")
            // The printer shows while the silent host still holds the search.
            tryVerify(function() { return panel.deviceModel.count === 1 }, 6000, "printer listed during the search")
            verify(panel.searching, "the search still runs")
            compare(panel.deviceModel.get(0).name, "KVZ-L7N")
            compare(panel.deviceModel.get(0).ip, "127.0.0.21")
            verify(child(panel, "searchProgressRing").visible)
            shot(root, "tcp-search-running")
            // Clicks on the search button while it runs are ignored.
            mouseClick(child(panel, "searchButton"))
            compare(panel.deviceModel.count, 1)

            tryVerify(function() { return !panel.searching }, 20000, "search over")
            compare(child(panel, "deviceListHeading").text, "发现设备 (1)")
            compare(panel.deviceModel.get(0).name, "KVZ-L7N")
            compare(panel.deviceModel.get(0).mac, "00:11:22:33:44:55")
            verify(!child(panel, "searchProgressRing").visible)
            shot(root, "tcp-search-done")
        }

        function test_3_connectAndSendACommand() {
            compare(panel.deviceModel.count, 1)
            var connectButton = child(panel, "connectDeviceButton")
            verify(!connectButton.enabled, "nothing selected yet")
            mouseClick(waitChild(panel, "deviceItem_0"))
            compare(panel.selectedDeviceIndex, 0)
            verify(connectButton.enabled)
            connectedSpy.clear()
            mouseClick(connectButton)
            compare(connectedSpy.count, 1)
            compare(deviceViewModel.tcpConnection.name, "KVZ-L7N")
            compare(deviceViewModel.tcpConnection.ip, "127.0.0.21")
            verify(page.workspaceShown)
            compare(page.ipStr, "127.0.0.21")
            verify(statusBar.tcpConnected, "the status bar shows the printer")
            compare(statusBar.tcpName, "KVZ-L7N")
            compare(statusBar.tcpIp, "127.0.0.21")
            compare(statusBar.tcpMac, "00:11:22:33:44:55")
            var workspace = child(page, "tcpWorkspace")
            tryCompare(workspace, "y", 0)
            verify(!panel.visible)
            shot(root, "tcp-workspace")

            // A command from the workspace's buzzer page reaches the printer.
            printer.clearReceived()
            mouseClick(child(workspace, "pageButton_1"))
            var buzzerSet = waitChild(workspace, "buzzerSet")
            tryVerify(function() { return buzzerSet.visible })
            mouseClick(buzzerSet)
            tryVerify(function() { return printer.receivedHex("tcp") === "1B 42 01 01 00" }, 5000,
                      "the beep reaches the printer; got " + printer.receivedHex("tcp"))
            mouseClick(child(workspace, "pageButton_0"))
        }

        function test_4_workspaceButtonsAndBack() {
            var workspace = child(page, "tcpWorkspace")
            var status = child(workspace, "pageButton_2")
            mouseClick(status)
            compare(workspace.selectedIndex, 2)
            compare(page.selectedIndex, 2)
            verify(status.checked)
            tryVerify(function() { return logHas("切换窗口: 实时状态") })
            // A form page whose file is missing leaves an empty area.
            var loader = child(workspace, "formLoader_RealTimeStatusForm")
            verify(loader.status === Loader.Ready || loader.status === Loader.Error)

            disconnectedSpy.clear()
            mouseClick(child(workspace, "backToDeviceListButton"))
            compare(disconnectedSpy.count, 1)
            verify(!statusBar.tcpConnected)
            verify(!page.workspaceShown)
            tryCompare(panel, "y", 0)
            tryVerify(function() { return logHas("断开主机ip: 127.0.0.21") })
        }

        // After the network settings went out the printer takes its new
        // address: the page drops the connection and searches again.
        function test_4b_networkSettingsSentSearchesAgain() {
            mouseClick(waitChild(panel, "deviceItem_0"))
            mouseClick(child(panel, "connectDeviceButton"))
            verify(page.workspaceShown)
            tryCompare(child(page, "tcpWorkspace"), "y", 0)
            disconnectedSpy.clear()
            BasicConfig.resetIPSettings()
            waitForNotice(page, "设置已经发出,请检查打印机是否执行")
            verify(!page.workspaceShown)
            compare(disconnectedSpy.count, 1)
            verify(!statusBar.tcpConnected)
            verify(panel.searching)
            tryVerify(function() { return panel.deviceModel.count === 1 }, 6000, "found again")
            tryVerify(function() { return !panel.searching }, 20000, "search over")
            compare(panel.deviceModel.get(0).ip, "127.0.0.21")
            tryCompare(panel, "y", 0)
        }

        function test_5_addByAddressAfterATest() {
            mouseClick(child(panel, "addDeviceButton"))
            var dialog = panel.addDialog
            tryCompare(dialog, "visible", true)
            var ipField = child(dialog.contentItem, "addDialogIpField")
            var testButton = child(dialog.contentItem, "testConnectionButton")
            var addButton = child(dialog.contentItem, "addToListButton")

            // No address: refused at the field, nothing is tested.
            var problem = child(dialog.contentItem, "addDialogIpProblem")
            replaceText(ipField, "300.1.1.1")
            mouseClick(testButton)
            verify(problem.visible)
            compare(problem.text, helperFunction.ipv4AddressProblem("300.1.1.1"))
            verify(problem.text !== "")
            verify(!dialog.testing, "nothing is tested")
            verify(!child(dialog.contentItem, "addDialogStatus").visible)

            // Nothing listens there: the test fails, says why, and nothing can be added.
            replaceText(ipField, "127.0.0.29")
            compare(dialog.typedAddress, "127.0.0.29")
            verify(testButton.enabled)
            mouseClick(testButton)
            verify(!problem.visible)
            compare(child(dialog.contentItem, "addDialogStatus").text, "正在测试连接...")
            verify(!testButton.enabled, "one test at a time")
            tryCompare(child(dialog.contentItem, "addDialogStatus"), "text", "连接失败! Connection refused", 5000)
            verify(!addButton.enabled)

            replaceText(ipField, "127.0.0.21")
            mouseClick(testButton)
            tryCompare(child(dialog.contentItem, "addDialogStatus"), "text", "连接成功!", 12000)
            compare(child(dialog.contentItem, "addDialogNameField").text, "KVZ-L7N")
            compare(child(dialog.contentItem, "addDialogMacField").text, "00:11:22:33:44:55")
            verify(addButton.enabled)
            shot(dialog.contentItem.parent, "tcp-add-dialog")
            var before = panel.deviceModel.count
            mouseClick(addButton)
            tryCompare(dialog, "visible", false)
            compare(panel.deviceModel.count, before + 1)
            compare(panel.deviceModel.get(before).ip, "127.0.0.21")
            waitForNotice(page, "添加成功: 127.0.0.21")
        }

        function test_6_unreachablePrinterGivesTheNotice() {
            // The listed printer goes away; connecting fails quickly with the notice.
            printer.stop()
            mouseClick(waitChild(panel, "deviceItem_0"))
            connectedSpy.clear()
            var started = Date.now()
            mouseClick(child(panel, "connectDeviceButton"))
            verify(Date.now() - started < 1000, "the window never waits long")
            compare(connectedSpy.count, 0)
            verify(!page.workspaceShown)
            waitForNotice(page, "连接失败:127.0.0.21")
        }
    }
}
