import QtQuick 2.15
import "../../basic"

// Network printers: search of the local or a custom segment (printers show as
// soon as they are identified), manual add, connect; then the workspace.
Item {
    id: page
    objectName: "tcpFunctionPage"

    property int selectedIndex: 0
    property string ipStr: ""
    property bool workspaceShown: false
    // Null only while the program shuts down.
    readonly property var manager: deviceViewModel ? deviceViewModel.tcpDeviceManager : null

    clip: true

    function startSearch() {
        searchPanel.showDeviceList = true
        manager.refreshDeviceList()
    }

    function showWorkspace() {
        workspaceShown = true
        workspace.activated = true
    }

    function backToDeviceList() {
        workspaceShown = false
        manager.disconnectDevice()
    }

    DeviceSearchPage {
        id: searchPanel
        objectName: "tcpSearchPanel"
        width: parent.width
        height: parent.height
        y: page.workspaceShown ? -page.height : 0
        visible: y > -page.height
        Behavior on y { NumberAnimation { duration: 500; easing.type: Easing.InOutQuad } }
        titleTextName: qsTr("TCP设备搜索")
        currentMode: 0
        deviceModel: deviceViewModel ? deviceViewModel.tcpDevices : null

        onSearchRequested: page.manager.refreshDeviceList()
        onTcpConfigRequested: segmentDialog.open()
        onDeviceTcpConnected: {
            if (page.manager.connectDevice(deviceName, deviceIp, deviceMac, "")) {
                page.ipStr = deviceIp
                page.showWorkspace()
                workspace.updateCodePageSelect()
            }
        }
        onAddDeviceManually: {
            deviceModel.append({ name: deviceName, ip: ipAddress, mac: deviceMac })
            toast.showConfirmation(qsTr("添加成功: ") + ipAddress, 1500)
        }
    }

    FunctionMainLayout {
        id: workspace
        objectName: "tcpWorkspace"
        width: parent.width
        height: parent.height
        y: page.workspaceShown ? 0 : page.height
        visible: y < page.height
        Behavior on y { NumberAnimation { duration: 500; easing.type: Easing.InOutQuad } }
        mode: 0
        ipText: page.ipStr
        toast: toast
        selectedIndex: page.selectedIndex
        onButtonClicked: page.selectedIndex = index
        onBackClicked: page.backToDeviceList()
    }

    TcpSegmentDialog {
        id: segmentDialog
        toast: toast
    }

    PageToast { id: toast; objectName: "pageToast" }

    Connections {
        target: deviceViewModel
        function onSigSearchProgress(progress) { searchPanel.searchProgress = progress }
        function onSigConnectionFailTcp(errorMessage) {
            toast.showError(qsTr("连接失败:") + errorMessage, 2000)
        }
    }

    // The network settings page sent new settings to the printer.
    Connections {
        target: BasicConfig
        function onResetIPSettings() {
            toast.showConfirmation(qsTr("设置已经发出,请检查打印机是否执行"), 3000)
            // The printer takes its new address: the old connection is of no use.
            if (page.workspaceShown)
                page.backToDeviceList()
            page.startSearch()
        }
    }
}
