pragma Singleton
import QtQuick 2.15

// The scenes' shared event bus: common font, version text, change log and the
// navigation signals the pages exchange, plus the notice of the network
// settings page. No behaviour here: pages emit these signals and other pages
// react. Connection state and the device lists are the view model's.
QtObject {
    readonly property string commFont: "微软雅黑 Light"
    // The number is the build's (CMake's project version).
    readonly property string versionNum: deviceViewModel ? "V" + deviceViewModel.version : ""
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
    // The network settings went to the printer, which drops the connection
    // (the TCP manager is disconnected already) and takes its new address.
    signal disConnectedTCPDevice()
    signal resetIPSettings()
}
