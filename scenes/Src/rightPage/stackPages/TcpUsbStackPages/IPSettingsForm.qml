import QtQuick 2.15
import "../../../basic"
import "../../../commonUI"

// The tenth page of the command workspace: the printer's own network address
// and its serial line (TCP layout, mode 0) or, in the other modes, the
// address command, serial line, Bluetooth and print functions with the
// printer's answers shown (USB layout).
Item {
    id: ipForm
    objectName: "ipSettingsForm"

    property int displayMode: 0
    property string ipText: "192.168.1.149"
    property string subnetMaskText: "255.255.255.0"
    property string gatewayText: "192.168.1.1"
    property int labelWidthLeft: 90
    property int labelWidthRight: 90
    property var toast: null
    property bool isCurrentVisible: false

    readonly property Item layoutItem: layoutLoader.item

    function showToast(message, duration, icon) {
        if (!toast || !isCurrentVisible)
            return
        toast.bgColor = "#FDE7E9"
        toast.textColor = "black"
        toast.showMessage(message, duration > 0 ? duration : 2000,
                          icon ? icon : "qrc:/img/Resources/commonUI/errorTips.png")
    }

    // Refuses, with a notice, an address, mask or gateway that the back end
    // does not take for an IPv4 address; true when all three are.
    function checkAddresses(address, mask, gateway) {
        const named = [[qsTr("IP地址"), address], [qsTr("子网掩码"), mask], [qsTr("默认网关"), gateway]]
        for (let i = 0; i < named.length; ++i) {
            if (!helperFunction.isIpv4Address(named[i][1])) {
                showToast(qsTr("%1格式不正确，请输入四组0-255的数字，如 192.168.1.100").arg(named[i][0]), 3000)
                return false
            }
        }
        return true
    }

    // TCP: post the settings to the printer, then leave it: the connection
    // page announces the change and searches again.
    function sendTcpSettings(address, mask, gateway, dhcp, beep, cut, beepType, printMode, density) {
        if (!checkAddresses(address, mask, gateway))
            return false
        const communication = deviceViewModel.communication
        communication.setNetworkClicked(address, mask, gateway, dhcp, beep, cut, beepType, printMode, density)
        communication.disconnectDevice()
        BasicConfig.disConnectedTCPDevice()
        BasicConfig.resetIPSettings()
        return true
    }

    // USB: the address command; the connection stays open.
    function sendUsbAddress(address, mask, gateway) {
        if (!checkAddresses(address, mask, gateway))
            return false
        deviceViewModel.communication.setNetworkClicked(address, mask, gateway, 0, 0, 0, 0, 0, 0)
        return true
    }

    Loader {
        id: layoutLoader
        objectName: "ipSettingsLayoutLoader"
        anchors.fill: parent
        anchors.margins: 12
        // A change of mode builds the other layout afresh.
        sourceComponent: ipForm.displayMode === 0 ? tcpLayout : usbLayout
    }

    Component {
        id: tcpLayout
        IPSettingsTcpLayout { form: ipForm }
    }
    Component {
        id: usbLayout
        IPSettingsUsbLayout { form: ipForm }
    }

    Connections {
        target: deviceViewModel.usbDeviceManager
        function onSigUsbResponse(cmd, payload) {
            if (ipForm.displayMode !== 1 || !ipForm.isCurrentVisible || !ipForm.layoutItem)
                return
            if (payload === "") {
                ipForm.showToast(qsTr("响应超时"), 2000)
                return
            }
            ipForm.layoutItem.showReply(cmd, helperFunction.settingsReplyText(payload),
                                      helperFunction.settingsReplyIndex(payload))
        }
    }
}
