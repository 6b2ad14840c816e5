import QtQuick 2.15
import QtQuick.Window 2.15
import QtQuick.Controls 2.15
import Qt.labs.platform 1.1 as Platform
import "../basic"

// The live log viewer: shows the log lines written while it is open (filtered
// by level), keeps at most `maxLines` of them (the oldest go first) and saves
// them to a text file the user picks.
Window {
    id: root

    property bool alwaysOnTop: false
    // Lines kept in the view; older ones are dropped so a window left open for
    // hours stays light.
    property int maxLines: 5000
    // Number of lines of the text (0 while empty).
    readonly property int lineCount: d.lineCount
    readonly property var levelNames: ["DEBUG", "INFO", "WARNING", "ERROR", "CRITICAL"]

    signal dialogClosed()

    readonly property int baseFlags: Qt.Window | Qt.WindowTitleHint | Qt.WindowSystemMenuHint
                                     | Qt.WindowMinMaxButtonsHint | Qt.WindowCloseButtonHint

    title: qsTr("日志查看器")
    width: 900
    height: 400
    visible: false
    color: "#f8f9fa"
    flags: alwaysOnTop ? baseFlags | Qt.WindowStaysOnTopHint : baseFlags

    onAlwaysOnTopChanged: {
        if (alwaysOnTop) {
            raise()
            requestActivate()
        }
    }
    onVisibleChanged: if (!visible) dialogClosed()

    // Takes one message of the logger (only while shown). Messages are added
    // in batches, so a burst of traffic costs one layout.
    function takeMessage(level, message) {
        if (!visible)
            return
        const name = level >= 0 && level < levelNames.length ? levelNames[level] : ""
        if (levelFilter.currentIndex > 0 && name !== levelFilter.currentText)
            return
        d.pending.push(String(message))
        if (!flushTimer.running)
            flushTimer.start()
    }

    // The whole text as shown (pending messages included).
    function text() {
        d.flush()
        return logArea.text
    }

    function clear() {
        flushTimer.stop()
        d.pending = []
        d.entryLines = []
        d.lineCount = 0
        logArea.clear()
    }

    // Saves the whole text to `fileUrl` (a file: URL or a path); ".txt" is
    // added when the name lacks it. Returns the path written, or "" on failure.
    function saveTo(fileUrl) {
        let path = String(fileUrl)
        if (path.startsWith("file://"))
            path = decodeURIComponent(path.substring(7))
        if (path === "")
            return ""
        if (!path.endsWith(".txt"))
            path += ".txt"
        return logger.saveLogFile(path, text()) ? path : ""
    }

    QtObject {
        id: d
        property var pending: []
        // Lines of each message shown, oldest first.
        property var entryLines: []
        property int lineCount: 0

        function flush() {
            flushTimer.stop()
            if (pending.length === 0)
                return
            const batch = pending
            pending = []
            for (let i = 0; i < batch.length; ++i) {
                const lines = batch[i].split("\n").length
                entryLines.push(lines)
                lineCount += lines
            }
            logArea.append(batch.join("\n"))
            let dropLines = 0
            while (lineCount > root.maxLines && entryLines.length > 1) {
                const n = entryLines.shift()
                lineCount -= n
                dropLines += n
            }
            if (dropLines > 0) {
                const text = logArea.getText(0, logArea.length)
                let pos = 0
                for (let k = 0; k < dropLines && pos >= 0; ++k)
                    pos = text.indexOf("\n", pos) + 1
                logArea.remove(0, pos > 0 ? pos : logArea.length)
            }
            logArea.cursorPosition = logArea.length
        }
    }

    Timer {
        id: flushTimer
        interval: 100
        onTriggered: d.flush()
    }

    Connections {
        target: logger
        function onNewLogMessage(level, message) { root.takeMessage(level, message) }
    }

    Shortcut {
        sequence: StandardKey.Cancel
        onActivated: root.close()
    }

    Platform.FileDialog {
        id: saveDialog
        title: qsTr("保存文本文件")
        fileMode: Platform.FileDialog.SaveFile
        nameFilters: [qsTr("文本文件 (*.txt)"), qsTr("所有文件 (*)")]
        defaultSuffix: "txt"
        onAccepted: root.saveTo(file)
    }

    Item {
        anchors.fill: parent
        anchors.margins: 12

        Item {
            id: header
            anchors { left: parent.left; right: parent.right; top: parent.top }
            height: 40
            Text {
                anchors { left: parent.left; verticalCenter: parent.verticalCenter }
                text: qsTr("操作日志")
                font.family: BasicConfig.commFont
                font.pixelSize: 18
                font.bold: true
                color: "#2c3e50"
                Accessible.role: Accessible.Heading
                Accessible.name: text
            }
            Row {
                anchors { right: parent.right; verticalCenter: parent.verticalCenter }
                spacing: 12
                KVZPushButton {
                    objectName: "saveLogButton"
                    anchors.verticalCenter: parent.verticalCenter
                    buttonWidth: 90
                    buttonHeight: 40
                    buttonRadius: 15
                    buttonColor: "#3498db"
                    buttonHoverColor: "#2e86c1"
                    buttonPressedColor: "#21618c"
                    buttonText: qsTr("保存日志")
                    textSize: 15
                    onClicked: saveDialog.open()
                }
                Rectangle {
                    id: pin
                    objectName: "pinButton"
                    anchors.verticalCenter: parent.verticalCenter
                    width: 35
                    height: 35
                    radius: 8
                    color: root.alwaysOnTop ? "#27ae60" : "#95a5a6"
                    border.width: activeFocus ? 2 : 0
                    border.color: "#2c3e50"
                    activeFocusOnTab: true
                    Keys.onSpacePressed: root.alwaysOnTop = !root.alwaysOnTop
                    Text { anchors.centerIn: parent; text: "📌"; font.pixelSize: 16 }
                    Accessible.role: Accessible.Button
                    Accessible.name: "📌"
                    Accessible.description: qsTr("窗口置顶")
                    Accessible.checkable: true
                    Accessible.checked: root.alwaysOnTop
                    Accessible.onPressAction: root.alwaysOnTop = !root.alwaysOnTop
                    MouseArea {
                        anchors.fill: parent
                        cursorShape: Qt.PointingHandCursor
                        onClicked: root.alwaysOnTop = !root.alwaysOnTop
                    }
                }
            }
        }

        Row {
            id: filterBar
            anchors { left: parent.left; right: parent.right; top: header.bottom; topMargin: 8 }
            height: 36
            spacing: 10
            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("日志级别过滤:")
                font.family: BasicConfig.commFont
                font.pixelSize: 14
                color: "#2c3e50"
                Accessible.role: Accessible.StaticText
                Accessible.name: text
            }
            KVZCombobox {
                id: levelFilter
                objectName: "levelFilter"
                anchors.verticalCenter: parent.verticalCenter
                width: 140
                height: 32
                textSize: 14
                listTextSize: 14
                model: [qsTr("全部"), "DEBUG", "INFO", "WARNING", "ERROR", "CRITICAL"]
                currentIndex: 0
            }
            KVZPushButton {
                objectName: "clearLogButton"
                anchors.verticalCenter: parent.verticalCenter
                buttonWidth: 70
                buttonHeight: 32
                buttonRadius: 8
                buttonColor: "#95a5a6"
                buttonHoverColor: "#7f8c8d"
                buttonPressedColor: "#707b7c"
                buttonText: qsTr("清空")
                textSize: 14
                onClicked: root.clear()
            }
        }

        Rectangle {
            anchors { left: parent.left; right: parent.right; top: filterBar.bottom; topMargin: 8; bottom: footer.top; bottomMargin: 8 }
            color: "white"
            border.color: "#dcdfe6"
            radius: 6
            ScrollView {
                anchors.fill: parent
                anchors.margins: 4
                TextArea {
                    id: logArea
                    objectName: "logArea"
                    readOnly: true
                    selectByMouse: true
                    wrapMode: TextEdit.Wrap
                    textFormat: TextEdit.PlainText
                    font.family: BasicConfig.commFont
                    font.pixelSize: 11
                    Accessible.name: qsTr("操作日志")
                }
            }
        }

        Item {
            id: footer
            anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
            height: 40
            Text {
                objectName: "lineCountText"
                anchors { left: parent.left; verticalCenter: parent.verticalCenter }
                text: qsTr("日志行数: ") + root.lineCount
                font.family: BasicConfig.commFont
                font.pixelSize: 13
                color: "#606266"
                Accessible.role: Accessible.StaticText
                Accessible.name: text
            }
            KVZPushButton {
                objectName: "closeLogButton"
                anchors { right: parent.right; verticalCenter: parent.verticalCenter }
                buttonWidth: 80
                buttonHeight: 34
                buttonRadius: 10
                buttonColor: "#3498db"
                buttonHoverColor: "#2e86c1"
                buttonPressedColor: "#21618c"
                buttonText: qsTr("关闭")
                textSize: 14
                onClicked: root.close()
            }
        }
    }
}
