import QtQuick 2.15
import QtQuick.Controls 2.15
import "../basic"
import "stackPages"

// The content region: one page per transport in a swipe view the user cannot
// swipe. Each jump signal switches the view model's mode (the status bar
// follows it), shows the page and writes a log line.
Rectangle {
    id: root

    readonly property alias currentIndex: swipe.currentIndex

    color: "#E5E6ED"

    function show(index, logText) {
        swipe.currentIndex = index
        logger.info(logText)
    }

    Connections {
        target: BasicConfig
        function onJumpToUSBPage() {
            deviceViewModel.switchToUSB()
            root.show(0, qsTr("切换到usb"))
        }
        function onJumpToTCPPage() {
            deviceViewModel.switchToTCP()
            root.show(1, qsTr("切换到tcp"))
        }
        function onJumpToSerialPage() {
            deviceViewModel.switchToSerial()
            root.show(2, qsTr("切换到串口"))
        }
        function onJumpToDevicePage() {
            deviceViewModel.switchToDevice()
            root.show(3, qsTr("切换到驱动"))
        }
    }

    SwipeView {
        id: swipe
        objectName: "contentSwipe"
        anchors.fill: parent
        clip: true
        interactive: false
        currentIndex: 0

        USBFunctionPage { }
        TCPFunctionPage { }
        SerialFunctionPage { }
        DriverFunctionPage { }
    }

    BackEndNotices { }
}
