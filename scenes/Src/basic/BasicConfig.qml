pragma Singleton
import QtQuick 2.15

// The scenes' shared event bus: common font, version and the navigation and
// connection signals the pages exchange.
QtObject {
    readonly property string commFont: "微软雅黑 Light"
    readonly property string versionNum: "V1.0.0.31"
    readonly property string versionUpdateLog: "V1.0.0.31\n" +
        "- Device search on the local network, USB, serial port and print-queue connections\n" +
        "- Command pages for every printer setting, status queries and test prints\n"

    signal jumpToMainPage()
    signal jumpToSettingPage()
    signal jumpToTCPPage()
    signal jumpToUSBPage()
    signal jumpToSerialPage()
    signal jumpToDevicePage()
    signal sendConnectedTCPDevice(string deviceName, string deviceIp, string deviceMac)
    signal disConnectedTCPDevice()
    signal resetIPSettings()
    signal sendConnectedUSBDevice(string deviceModel, string deviceVpid)
    signal disConnectedUSBDevice()
    signal sendConnectedSerialDevice(string comPort)
    signal disConnectedSerialDevice()
    signal sendConnectedDevice(string deviceName)
    signal disConnectedDevice()
    signal displayModeSwitching(int displayMode)
}
