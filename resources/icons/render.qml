import QtQuick 2.15
import QtTest 1.15

// Renders our SVG drawings into the PNG pictures of the image bundle.
// Run through qmltestrunner by scripts/render-icons.sh; the list says which
// drawing goes where (and at what size).
TestCase {
    id: win
    name: "RenderIcons"
    when: windowShown
    width: 200
    height: 200
    property var jobs: [
        ["errorTips.svg", "commonUI/errorTips.png", 40],
        ["CorrectPrompt.svg", "commonUI/CorrectPrompt.png", 40],
        ["arrow-up.svg", "commonUI/arrow-up.png", 32],
        ["arrow-down-grey.svg", "commonUI/arrow-down.png", 32],
        ["arrow-left.svg", "commonUI/arrow-left.png", 32],
        ["arrow-right.svg", "commonUI/arrow-right.png", 32],
        ["manage.svg", "leftBar/manage.png", 40],
        ["arrow-down.svg", "leftBar/arrow-down.png", 40],
        ["warning.svg", "dialog/warning.png", 64],
        ["printer.svg", "rightImg/stackPages/device.png", 64],
        ["logo.svg", "title/logo.png", 64],
        ["page-workingmode.svg", "rightImg/stackPages/TcpUsbPage/WorkingMode.png", 32],
        ["page-buzzer.svg", "rightImg/stackPages/TcpUsbPage/BuzzerAlarm.png", 32],
        ["page-status.svg", "rightImg/stackPages/TcpUsbPage/RealTimeStatus.png", 32],
        ["page-cashbox.svg", "rightImg/stackPages/TcpUsbPage/CashBox.png", 32],
        ["page-character.svg", "rightImg/stackPages/TcpUsbPage/Character.png", 32],
        ["page-bitmap.svg", "rightImg/stackPages/TcpUsbPage/BitMap.png", 32],
        ["page-barcode.svg", "rightImg/stackPages/TcpUsbPage/barcode.png", 32],
        ["page-lamp.svg", "rightImg/stackPages/TcpUsbPage/Lighting.png", 32],
        ["page-other.svg", "rightImg/stackPages/TcpUsbPage/Other.png", 32],
        ["page-network.svg", "rightImg/stackPages/TcpUsbPage/ip.png", 32],
        ["page-back.svg", "rightImg/stackPages/Backtop.png", 32]
    ]
    property int done: 0
    property string outDir: Qt.resolvedUrl("../img/Resources").toString().replace("file://", "")
    function test_render() {
        for (let i = 0; i < pictures.count; ++i) {
            tryCompare(pictures.itemAt(i), "status", Image.Ready)
            pictures.itemAt(i).grab()
        }
        tryCompare(win, "done", jobs.length, 10000)
    }
    Repeater {
        id: pictures
        model: win.jobs
        Image {
            source: Qt.resolvedUrl(modelData[0])
            sourceSize: Qt.size(modelData[2], modelData[2])
            width: modelData[2]
            height: modelData[2]
            property bool grabbed: false
            function grab() {
                if (grabbed) return
                grabbed = true
                grabToImage(function (r) {
                    r.saveToFile(win.outDir + "/" + modelData[1])
                    ++win.done
                })
            }
        }
    }
}
