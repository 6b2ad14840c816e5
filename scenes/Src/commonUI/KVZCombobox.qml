import QtQuick 2.15
import QtQuick.Controls 2.15
import "../basic"

// The common choice field: a rounded field with "›" that turns while the list
// is open; the list opens 5 px below, rows of 40 px, at most 280 px high.
ComboBox {
    id: root

    property string text: currentText
    property real indicatorRotation: 0
    property color recColor: "#EAEEF5"
    property int listTextSize: 16
    property int textSize: 16
    property int recRadius: 10
    readonly property int avaHeight: count < 8 ? count * 40 : 280

    onCurrentTextChanged: text = currentText

    font.family: BasicConfig.commFont
    font.pixelSize: textSize
    implicitWidth: 150
    implicitHeight: 40

    Accessible.name: displayText

    background: Rectangle {
        radius: root.recRadius
        color: root.recColor
        border.width: root.visualFocus ? 2 : 0
        border.color: "#2F7EFF"
    }

    contentItem: Text {
        leftPadding: 10
        rightPadding: root.indicator.width + 4
        text: root.text
        font: root.font
        color: "#4A4B4E"
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }

    indicator: Text {
        x: root.width - width - 10
        y: (root.height - height) / 2
        width: 16
        text: "›"
        font.pixelSize: root.textSize + 4
        color: "#4A4B4E"
        horizontalAlignment: Text.AlignHCenter
        rotation: root.popup.visible ? 90 : root.indicatorRotation
        Behavior on rotation { NumberAnimation { duration: 200 } }
    }

    delegate: ItemDelegate {
        width: root.width
        height: 40
        highlighted: root.highlightedIndex === index
        text: root.textRole ? (Array.isArray(root.model) ? modelData[root.textRole] : model[root.textRole]) : modelData
        font.family: BasicConfig.commFont
        font.pixelSize: root.listTextSize
        background: Rectangle { color: hovered ? "#BABCC4" : "transparent" }
        contentItem: Text {
            text: parent.text
            font: parent.font
            color: "#4A4B4E"
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
        }
    }

    popup: Popup {
        objectName: "comboPopup"
        y: root.height + 5
        width: root.width
        height: root.avaHeight
        padding: 0
        contentItem: ListView {
            clip: true
            implicitHeight: contentHeight
            model: root.popup.visible ? root.delegateModel : null
            currentIndex: root.highlightedIndex
            ScrollBar.vertical: ScrollBar { width: 10; policy: ScrollBar.AsNeeded }
        }
        background: Rectangle {
            color: "#FFFFFF"
            radius: 4
            border.color: "#BABCC4"
        }
    }
}
