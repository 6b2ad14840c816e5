import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../basic"

// The table of user-defined characters: one row per code from startHex up,
// with the fixed vertical count, an editable horizontal count (0-12) and the
// buttons edit, print and delete, which are reported to the page.
Item {
    id: root

    property int startHex: 0x20
    readonly property alias rows: rowModel
    readonly property int count: rowModel.count

    signal editRequested(int hexValue, int verticalCount, int horizontalCount)
    signal printRequested(int hexValue, int verticalCount, int horizontalCount)
    signal deleteRequested(string index)

    function hexText(code) { return "0x" + code.toString(16).toUpperCase() }
    function addRows(count) {
        rowModel.clear()
        for (var i = 0; i < count; ++i)
            rowModel.append({ selected: false, hex: startHex + i, vertical: 3, horizontal: 0 })
    }
    function clearTable() { rowModel.clear() }
    function rowOf(code) {
        for (var i = 0; i < rowModel.count; ++i)
            if (rowModel.get(i).hex === code)
                return i
        return -1
    }

    ListModel { id: rowModel }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        Rectangle {
            Layout.fillWidth: true
            height: 32
            color: "#EAEEF5"
            Row {
                anchors.fill: parent
                Repeater {
                    model: [ { t: qsTr("十六进制"), w: 0.18 }, { t: qsTr("纵向字符"), w: 0.18 },
                             { t: qsTr("横向字符"), w: 0.22 }, { t: qsTr("操作"), w: 0.42 } ]
                    Text {
                        width: root.width * modelData.w
                        height: 32
                        text: modelData.t
                        horizontalAlignment: Text.AlignHCenter
                        verticalAlignment: Text.AlignVCenter
                        font.family: BasicConfig.commFont
                        font.pixelSize: 14
                        font.bold: true
                        Accessible.role: Accessible.ColumnHeader
                        Accessible.name: text
                    }
                }
            }
        }
        ListView {
            id: list
            objectName: "customCharRows"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            model: rowModel
            ScrollBar.vertical: ScrollBar {}
            delegate: Rectangle {
                id: rowItem
                width: list.width
                height: 40
                color: index % 2 ? "#F7FAFF" : "#FFFFFF"
                readonly property string codeText: root.hexText(model.hex)
                Accessible.role: Accessible.Row
                Accessible.name: codeText
                Row {
                    anchors.fill: parent
                    Text {
                        width: root.width * 0.18; height: 40
                        text: rowItem.codeText
                        horizontalAlignment: Text.AlignHCenter; verticalAlignment: Text.AlignVCenter
                        font.family: BasicConfig.commFont; font.pixelSize: 14
                        Accessible.role: Accessible.Cell
                        Accessible.name: text
                    }
                    Text {
                        width: root.width * 0.18; height: 40
                        text: String(model.vertical)
                        horizontalAlignment: Text.AlignHCenter; verticalAlignment: Text.AlignVCenter
                        font.family: BasicConfig.commFont; font.pixelSize: 14
                        Accessible.role: Accessible.Cell
                        Accessible.name: text
                    }
                    Item {
                        width: root.width * 0.22; height: 40
                        KVZSpinBox {
                            objectName: "horizontalCount"
                            anchors.centerIn: parent
                            width: Math.min(parent.width - 6, 120)
                            height: 32
                            from: 0
                            to: 12
                            value: model.horizontal
                            onValueChanged: if (model.horizontal !== value) rowModel.setProperty(index, "horizontal", value)
                            Accessible.name: qsTr("横向字符") + " " + rowItem.codeText
                        }
                    }
                    Row {
                        width: root.width * 0.42; height: 40
                        spacing: 6
                        KVZPushButton {
                            anchors.verticalCenter: parent.verticalCenter
                            buttonWidth: 64; buttonHeight: 30; textSize: 14
                            buttonText: qsTr("编辑")
                            onClicked: root.editRequested(model.hex, model.vertical, model.horizontal)
                        }
                        KVZPushButton {
                            anchors.verticalCenter: parent.verticalCenter
                            buttonWidth: 64; buttonHeight: 30; textSize: 14
                            buttonText: qsTr("打印")
                            onClicked: root.printRequested(model.hex, model.vertical, model.horizontal)
                        }
                        KVZPushButton {
                            anchors.verticalCenter: parent.verticalCenter
                            buttonWidth: 64; buttonHeight: 30; textSize: 14
                            buttonColor: "#E05A5A"
                            buttonText: qsTr("删除")
                            onClicked: {
                                var code = rowItem.codeText
                                root.deleteRequested(code)
                                rowModel.remove(index)
                            }
                        }
                    }
                }
            }
        }
    }
}
