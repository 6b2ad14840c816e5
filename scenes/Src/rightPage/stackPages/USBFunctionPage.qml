import QtQuick 2.15

// USB printers: a search when the page is created, connect with one short
// beep as acknowledgement, or the workspace at once with the next printer
// plugged in connected by itself; removal and return of the printer noticed.
Item {
    id: page
    objectName: "usbFunctionPage"

    property int selectedIndex: 0
    property bool workspaceShown: false
    // Null only while the program shuts down.
    readonly property var manager: deviceViewModel ? deviceViewModel.usbDeviceManager : null

    clip: true

    function showWorkspace() {
        workspaceShown = true
        workspace.activated = true
    }

    function backToDeviceList() {
        workspaceShown = false
        manager.disconnectDevice()
    }

    Component.onCompleted: searchPanel.requestSearch()

    DeviceSearchPage {
        id: searchPanel
        objectName: "usbSearchPanel"
        width: parent.width
        height: parent.height
        y: page.workspaceShown ? -page.height : 0
        visible: y > -page.height
        Behavior on y { NumberAnimation { duration: 500; easing.type: Easing.InOutQuad } }
        titleTextName: qsTr("USB设备搜索")
        currentMode: 1
        deviceModel: deviceViewModel ? deviceViewModel.usbDevices : null

        onSearchRequested: page.manager.refreshDeviceList()
        onDeviceUsbConnected: {
            if (page.manager.connectDevice(vpid, modelName, manufacturer, devPath)) {
                page.showWorkspace()
                page.manager.setBuzzerClicked(1, 1)
                workspace.updateCodePageSelect()
            }
        }
        onEnterConfig: {
            page.showWorkspace()
            page.manager.enterConfigSetFlag()
            workspace.updateCodePageSelect()
        }
    }

    FunctionMainLayout {
        id: workspace
        objectName: "usbWorkspace"
        width: parent.width
        height: parent.height
        y: page.workspaceShown ? 0 : page.height
        visible: y < page.height
        Behavior on y { NumberAnimation { duration: 500; easing.type: Easing.InOutQuad } }
        mode: 1
        toast: toast
        selectedIndex: page.selectedIndex
        onButtonClicked: page.selectedIndex = index
        onBackClicked: page.backToDeviceList()
    }

    PageToast { id: toast; objectName: "pageToast" }

    Connections {
        target: deviceViewModel
        function onSigConnectionFailUsb(errorMessage) {
            toast.showError(qsTr("连接失败:") + errorMessage, 2000)
        }
        function onSigUsbDeviceRemoved() {
            toast.showError(qsTr("设备已断开"), 2000)
        }
        function onSigUsbDeviceReconnect(model, vpid) {
            toast.showConfirmation(qsTr("设备重连"), 1500)
        }
    }

    Connections {
        target: page.manager
        function onSigEnterConfigConnectStatus(connStatus, vpid, model) {
            if (connStatus) {
                toast.showConfirmation(qsTr("设备已连接:") + model, 1500)
            } else {
                toast.showError(qsTr("连接失败:") + model, 2000)
            }
        }
    }
}
