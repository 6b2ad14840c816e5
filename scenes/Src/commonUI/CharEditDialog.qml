import QtQuick 2.15
import QtQuick.Layouts 1.15
import "../basic"

// Dot editor of one user-defined character: horizontalCount columns of 8, 16
// or 24 dots (vertical count 1, 2 or 3); a click toggles a dot. The dots are
// kept column by column, each column from the top down (pixelData).
KVZDialogFrame {
    id: root

    property int hexValue: 0x20
    property int verticalCount: 3
    property int horizontalCount: 0
    property var savedPixelData: []
    property var pixelData: []
    readonly property int rowCount: verticalCount === 1 ? 8 : verticalCount === 2 ? 16 : 24
    readonly property int cellSize: 15

    signal accepted()
    signal rejected()

    dialogTitle: qsTr("字符编辑 - 0x") + hexValue.toString(16).toUpperCase()
                 + " (" + verticalCount + "×" + horizontalCount + ")"
    width: Math.max(360, horizontalCount * cellSize + 80)
    height: rowCount * cellSize + 44 + 110

    function emptyPixels() {
        var p = []
        for (var i = 0; i < horizontalCount * rowCount; ++i)
            p.push(false)
        return p
    }
    function restore() {
        var p = emptyPixels()
        if (savedPixelData && savedPixelData.length === p.length)
            for (var i = 0; i < p.length; ++i)
                p[i] = !!savedPixelData[i]
        pixelData = p
    }
    function toggle(column, row) {
        var p = pixelData.slice()
        var i = column * rowCount + row
        p[i] = !p[i]
        pixelData = p
    }
    function getPixelData() { return pixelData.slice() }

    Component.onCompleted: restore()
    onHorizontalCountChanged: restore()
    onVerticalCountChanged: restore()
    onSavedPixelDataChanged: restore()
    onDismissed: rejected()

    ColumnLayout {
        anchors.fill: parent
        spacing: 10

        Item {
            Layout.alignment: Qt.AlignHCenter
            width: root.horizontalCount * root.cellSize
            height: root.rowCount * root.cellSize
            Grid {
                id: grid
                objectName: "dotGrid"
                columns: root.horizontalCount
                Repeater {
                    // Row by row on screen; the data is column by column.
                    model: root.horizontalCount * root.rowCount
                    Rectangle {
                        readonly property int column: index % root.horizontalCount
                        readonly property int row: Math.floor(index / root.horizontalCount)
                        readonly property bool dot: !!root.pixelData[column * root.rowCount + row]
                        width: root.cellSize
                        height: root.cellSize
                        color: dot ? "#000000" : "#FFFFFF"
                        border.color: "#D0D1D6"
                        border.width: 1
                        Accessible.role: Accessible.CheckBox
                        Accessible.name: (column + 1) + "," + (row + 1)
                        Accessible.checkable: true
                        Accessible.checked: dot
                        Accessible.onPressAction: root.toggle(column, row)
                        Accessible.onToggleAction: root.toggle(column, row)
                        MouseArea {
                            anchors.fill: parent
                            onClicked: root.toggle(parent.column, parent.row)
                        }
                    }
                }
            }
            Repeater {
                // A dashed line after every eighth row.
                model: Math.max(0, Math.floor((root.rowCount - 1) / 8))
                Row {
                    y: (index + 1) * 8 * root.cellSize - 1
                    spacing: 3
                    Repeater {
                        model: Math.ceil(root.horizontalCount * root.cellSize / 9)
                        Rectangle { width: 6; height: 2; color: "#E05A5A" }
                    }
                }
            }
        }
        RowLayout {
            Layout.alignment: Qt.AlignHCenter
            spacing: 12
            KVZPushButton {
                buttonWidth: 110
                buttonText: qsTr("取消")
                buttonColor: "#7A8BA8"
                onClicked: { root.close(); root.rejected() }
            }
            KVZPushButton {
                buttonWidth: 110
                buttonText: qsTr("确定")
                onClicked: { root.close(); root.accepted() }
            }
        }
    }
}
