import QtQuick 2.15
import QtQuick.Controls 2.15
import "../../basic"
import "../../commonUI"

// The search-and-select panel of the TCP and USB pages: the found devices
// (the transport's device list model), the search button with its pulse, the
// progress ring of the LAN search, and in TCP mode the manual add after a
// connection test. The hosting page runs the search and the connect.
Item {
    id: panel

    // The transport's DeviceListModel (deviceViewModel.tcpDevices or .usbDevices).
    property var deviceModel: null
    property int selectedDeviceIndex: -1
    property bool showDeviceList: true
    property string titleTextName: qsTr("设备搜索")
    property int currentMode: 0 // 0 TCP, 1 USB
    property int searchProgress: 0
    readonly property bool searching: deviceModel !== null && deviceModel.searching
    readonly property int deviceCount: deviceModel !== null ? deviceModel.count : 0
    readonly property alias addDialog: addDeviceDialog

    signal searchRequested()
    signal deviceTcpConnected(string deviceName, string deviceIp, string deviceMac)
    signal deviceUsbConnected(string vpid, string modelName, string manufacturer, string devPath)
    signal addDeviceManually(string deviceName, string ipAddress, string deviceMac)
    signal enterConfig()
    signal tcpConfigRequested()

    onSearchingChanged: {
        searchAnimation.stop()
        searchButton.scale = 1.0
        if (searching)
            searchAnimation.start()
    }

    function showConnectionFeedback() {
        connectFeedback.restart()
    }

    function removeDevice(index) {
        if (index >= 0 && index < deviceCount)
            deviceModel.remove(index)
    }

    function requestSearch() {
        if (searching)
            return
        showDeviceList = true
        searchRequested()
    }

    function connectSelected() {
        if (!connectButton.enabled)
            return
        var d = deviceModel.get(selectedDeviceIndex)
        if (currentMode === 0)
            deviceTcpConnected(d.name, d.ip, d.mac)
        else
            deviceUsbConnected(d.vpid, d.modelName, d.manufacturer, d.devPath)
        showConnectionFeedback()
    }

    // The selection stays on its device while the rows change; a new list
    // selects nothing.
    Connections {
        target: panel.deviceModel
        function onModelReset() { panel.selectedDeviceIndex = -1 }
        function onRowsRemoved(parent, first, last) {
            if (panel.selectedDeviceIndex > last)
                panel.selectedDeviceIndex -= last - first + 1
            else if (panel.selectedDeviceIndex >= first)
                panel.selectedDeviceIndex = -1
        }
    }

    Text {
        id: title
        objectName: "searchTitle"
        anchors.top: parent.top
        anchors.topMargin: 20
        anchors.left: parent.left
        anchors.leftMargin: 30
        text: panel.titleTextName
        font.family: BasicConfig.commFont
        font.pixelSize: 24
        font.bold: true
        color: "#2c3e50"
        Accessible.role: Accessible.Heading
        Accessible.name: text
    }

    Rectangle {
        id: listArea
        anchors.top: title.bottom
        anchors.topMargin: 15
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.leftMargin: 30
        anchors.rightMargin: 30
        anchors.bottom: buttonRow.top
        anchors.bottomMargin: 20
        radius: 12
        color: "white"

        Text {
            id: listHeading
            objectName: "deviceListHeading"
            x: 20
            y: 15
            text: !panel.showDeviceList ? qsTr("设备列表")
                  : panel.searching ? qsTr("搜索设备中...")
                  : qsTr("发现设备 (%1)").arg(panel.deviceCount)
            font.family: BasicConfig.commFont
            font.pixelSize: 16
            font.bold: true
            color: "#34495e"
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }

        ListView {
            id: deviceList
            objectName: "deviceList"
            anchors.top: listHeading.bottom
            anchors.topMargin: 10
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            anchors.margins: 15
            anchors.rightMargin: panel.searching ? 130 : 15
            clip: true
            spacing: 8
            visible: panel.showDeviceList && count > 0
            model: panel.deviceModel
            ScrollBar.vertical: ScrollBar {}
            Accessible.role: Accessible.List
            Accessible.name: listHeading.text
            delegate: DeviceItemDelegate {
                objectName: "deviceItem_" + index
                width: deviceList.width - 10
                currentMode: panel.currentMode
                itemIndex: index
                selected: index === panel.selectedDeviceIndex
                deviceName: model.name
                deviceIp: model.ip
                deviceMac: model.mac
                vpid: model.vpid
                modelName: model.modelName
                manufacturer: model.manufacturer
                devPath: model.devPath
                onClicked: panel.selectedDeviceIndex = index
                onDeleteClicked: panel.removeDevice(index)
            }
        }

        Column {
            anchors.centerIn: deviceList.visible ? undefined : parent
            anchors.right: deviceList.visible ? parent.right : undefined
            anchors.top: deviceList.visible ? deviceList.top : undefined
            anchors.rightMargin: 15
            spacing: 15
            Text {
                id: statusHint
                objectName: "searchStatusHint"
                anchors.horizontalCenter: parent.horizontalCenter
                text: !panel.showDeviceList ? qsTr("点击搜索按钮发现设备")
                      : panel.searching ? qsTr("正在搜索设备...")
                      : panel.deviceCount === 0 ? qsTr("未发现设备") : ""
                visible: text !== "" && !(deviceList.visible && panel.searching)
                font.family: BasicConfig.commFont
                font.pixelSize: 16
                color: "#7f8c8d"
                Accessible.role: Accessible.StaticText
                Accessible.name: text
            }
            SearchProgressRing {
                objectName: "searchProgressRing"
                anchors.horizontalCenter: parent.horizontalCenter
                visible: panel.searching && panel.currentMode === 0
                progress: panel.searchProgress
            }
        }
    }

    Item {
        id: buttonRow
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.leftMargin: 30
        anchors.rightMargin: 30
        anchors.bottomMargin: 25
        height: 44

        KVZPushButton {
            id: configButton
            objectName: "tcpConfigButton"
            anchors.left: parent.left
            anchors.verticalCenter: parent.verticalCenter
            visible: panel.currentMode === 0
            buttonWidth: 120
            buttonText: qsTr("⚙️配置")
            textSize: 16
            buttonColor: "#7f8c8d"
            buttonHoverColor: "#6c7a7b"
            onClicked: panel.tcpConfigRequested()
        }

        Row {
            anchors.centerIn: parent
            spacing: 20
            KVZPushButton {
                id: searchButton
                objectName: "searchButton"
                buttonWidth: 170
                buttonText: panel.searching ? qsTr("⏳搜索中") : qsTr("🔍搜索设备")
                textSize: 16
                onClicked: panel.requestSearch()
            }
            KVZPushButton {
                id: connectButton
                objectName: "connectDeviceButton"
                property string normalText: qsTr("🔗连接设备")
                property bool showTick: false
                buttonWidth: 170
                buttonText: showTick ? "✓" : normalText
                textSize: 16
                buttonColor: "#27ae60"
                buttonHoverColor: "#219a52"
                enabled: panel.selectedDeviceIndex >= 0 && panel.selectedDeviceIndex < panel.deviceCount
                         && panel.showDeviceList && !panel.searching
                opacity: enabled ? 1 : 0.5
                onClicked: panel.connectSelected()
            }
        }

        KVZPushButton {
            objectName: "addDeviceButton"
            anchors.right: parent.right
            anchors.verticalCenter: parent.verticalCenter
            visible: panel.currentMode === 0
            buttonWidth: 130
            buttonText: qsTr("+添加设备")
            textSize: 16
            buttonColor: "#8e44ad"
            buttonHoverColor: "#7d3c98"
            onClicked: addDeviceDialog.show()
        }

        KVZPushButton {
            objectName: "enterConfigButton"
            anchors.right: parent.right
            anchors.verticalCenter: parent.verticalCenter
            visible: panel.currentMode === 1
            buttonWidth: 200
            buttonText: qsTr("进入配置界面>")
            textSize: 16
            buttonColor: "#8e44ad"
            buttonHoverColor: "#7d3c98"
            onClicked: panel.enterConfig()
        }
    }

    SequentialAnimation {
        id: searchAnimation
        loops: Animation.Infinite
        NumberAnimation { target: searchButton; property: "scale"; from: 1.0; to: 1.1; duration: 400; easing.type: Easing.OutQuad }
        NumberAnimation { target: searchButton; property: "scale"; from: 1.1; to: 1.0; duration: 400; easing.type: Easing.InQuad }
    }

    SequentialAnimation {
        id: connectFeedback
        NumberAnimation { target: connectButton; property: "scale"; from: 1.0; to: 1.2; duration: 200 }
        NumberAnimation { target: connectButton; property: "scale"; from: 1.2; to: 1.0; duration: 200 }
        PropertyAction { target: connectButton; property: "showTick"; value: true }
        PauseAnimation { duration: 500 }
        PropertyAction { target: connectButton; property: "showTick"; value: false }
    }

    AddDeviceDialog {
        id: addDeviceDialog
        onTestConnectionClicked: deviceViewModel.tcpDeviceManager.testDeviceConnection(ip)
        onAddToDeviceListClicked: panel.addDeviceManually(name, ip, mac)
    }

    Connections {
        target: deviceViewModel ? deviceViewModel.tcpDeviceManager : null
        function onSigTestConnectionResult(ip, mac, name, success, errorMsg) {
            addDeviceDialog.handleTestResult(ip, mac, name, success, errorMsg)
        }
    }
}
