import QtQuick 2.15
import QtQuick.Window 2.15
import QtTest 1.15
import "../../scenes/Src/commonUI"

// The live log window on the real logger: what it shows, what it drops, what
// it saves.
Item {
    id: root
    width: 200
    height: 100

    Component { id: logWindow; LogDialog { } }
    Component { id: versionWindow; VersionLogDialog { } }
    Component { id: spy; SignalSpy { } }

    TestCase {
        id: testCase
        name: "LogDialog"
        when: windowShown

        function openLog(props) {
            var w = createTemporaryObject(logWindow, root, props || {})
            w.show()
            tryCompare(w, "visible", true)
            return w
        }
        function textOf(w) { return w.text() }

        function test_showsOnlyLinesWrittenWhileOpen() {
            var w = createTemporaryObject(logWindow, root)
            logger.info("写在打开之前")
            w.show()
            logger.info("打开之后")
            tryVerify(function () { return textOf(w).indexOf("打开之后") >= 0 })
            verify(textOf(w).indexOf("写在打开之前") < 0)
            w.close()
            logger.info("关闭之后")
            w.show()
            logger.info("再次打开")
            tryVerify(function () { return textOf(w).indexOf("再次打开") >= 0 })
            verify(textOf(w).indexOf("关闭之后") < 0)
            verify(textOf(w).indexOf("打开之后") >= 0, "the text survives closing")
            compare(w.lineCount, 2)
            compare(findChild(w.contentItem, "lineCountText").text, "日志行数: 2")
        }

        function test_levelFilterKeepsEarlierLines() {
            var w = openLog()
            logger.info("信息一")
            tryCompare(w, "lineCount", 1)
            findChild(w.contentItem, "levelFilter").currentIndex = 4   // ERROR
            logger.info("信息二")
            logger.error("错误一")
            logger.warning("警告一")
            tryVerify(function () { return textOf(w).indexOf("错误一") >= 0 })
            var text = textOf(w)
            verify(text.indexOf("信息一") >= 0, "lines shown before the change stay")
            verify(text.indexOf("信息二") < 0)
            verify(text.indexOf("警告一") < 0)
            compare(w.lineCount, 2)
        }

        function test_keepsABoundedNumberOfLines() {
            var w = openLog({ maxLines: 5 })
            for (var i = 1; i <= 8; ++i)
                logger.info("第" + i + "行")
            tryCompare(w, "lineCount", 5)
            var lines = textOf(w).split("\n")
            compare(lines.length, 5)
            verify(lines[0].indexOf("第4行") >= 0, lines[0])
            verify(lines[4].indexOf("第8行") >= 0, lines[4])
        }

        function test_clearEmptiesTheText() {
            var w = openLog()
            logger.info("将被清空")
            tryCompare(w, "lineCount", 1)
            mouseClick(findChild(w.contentItem, "clearLogButton"))
            compare(w.lineCount, 0)
            compare(textOf(w), "")
        }

        function test_saveAddsTxt_data() {
            return [ { tag: "no extension", name: "saved-log", written: "saved-log.txt" },
                     { tag: "already .txt", name: "kept.txt", written: "kept.txt" },
                     { tag: "other extension", name: "notes.log", written: "notes.log.txt" } ]
        }
        function test_saveAddsTxt(data) {
            var w = openLog()
            logger.info("保存这一行")
            tryCompare(w, "lineCount", 1)
            var target = sceneTest.appDir + "/" + data.name
            var url = "file://" + target
            compare(w.saveTo(url), sceneTest.appDir + "/" + data.written)
            verify(sceneTest.fileExists(sceneTest.appDir + "/" + data.written))
            verify(sceneTest.readTextFile(sceneTest.appDir + "/" + data.written).indexOf("保存这一行") >= 0)
        }

        function test_hidingReportsClosed() {
            var w = openLog()
            var closed = createTemporaryObject(spy, testCase, { target: w, signalName: "dialogClosed" })
            mouseClick(findChild(w.contentItem, "closeLogButton"))
            tryCompare(w, "visible", false)
            compare(closed.count, 1)
        }

        function test_pinKeepsOnTop() {
            var w = openLog()
            mouseClick(findChild(w.contentItem, "pinButton"))
            verify(w.alwaysOnTop)
            verify(w.flags & Qt.WindowStaysOnTopHint)
            mouseClick(findChild(w.contentItem, "pinButton"))
            verify(!(w.flags & Qt.WindowStaysOnTopHint))
        }

        function test_versionLogWindow() {
            var w = createTemporaryObject(versionWindow, root)
            var closed = createTemporaryObject(spy, testCase, { target: w, signalName: "dialogClosed" })
            w.show()
            tryCompare(w, "visible", true)
            compare(w.modality, Qt.ApplicationModal)
            compare(findChild(w.contentItem, "versionLogVersion").text, "版本：V1.0.0.31")
            var log = findChild(w.contentItem, "versionLogText").text
            verify(log.indexOf("\nv1.0.0.27\n    :修复版本号显示异常\n\nv1.0.0.28\n") === 0, log)
            mouseClick(findChild(w.contentItem, "versionLogCloseButton"))
            tryCompare(w, "visible", false)
            compare(closed.count, 1)
        }
    }
}
