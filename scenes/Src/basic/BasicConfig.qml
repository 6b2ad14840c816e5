pragma Singleton
import QtQuick 2.15

// The scenes' shared event bus: common font, version, change log and the
// navigation and connection signals the pages exchange. No behaviour here:
// pages emit these signals and other pages react.
QtObject {
    readonly property string commFont: "微软雅黑 Light"
    readonly property string versionNum: "V1.0.0.31"
    readonly property string versionUpdateLog: "\n" +
        "v1.0.0.27\n" +
        "    :修复版本号显示异常\n" +
        "\n" +
        "v1.0.0.28\n" +
        "    :调整tcp内部搜索策略\n" +
        "    :新增tcp搜索ui显示进度条\n" +
        "\n" +
        "v1.0.0.29\n" +
        "    :修改位图logo中的图片处理\n" +
        "\n" +
        "v1.0.0.30\n" +
        "    :TCP模式log添加发出数据内容\n" +
        "    :条码code128新增手动输入功能\n" +
        "    :新增日志自动清理功能,清理超过30天的日志\n"

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
