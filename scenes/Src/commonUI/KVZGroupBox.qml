import QtQuick 2.15
import QtQuick.Controls 2.15
import "../basic"

// A rounded frame with a title strip (gradient left to right); optionally a
// choice beside the title that reports dropdownChanged(index, text).
GroupBox {
    id: root

    property int radiusVal: 3
    property int borderWidth: 1
    property color borderColor: "#BABCC4"
    property color titleColor: "#2359B7"
    property color titleLeftBkColor: "#BABCC4"
    property color titleRightBkColor: "#F7FAFF"
    property int titleTopPadding: 3
    property color contentBkColor: "#77F0F6FF"
    property int titleFontPixel: 16
    property var dropdownModel: []
    property bool showDropdown: false
    property alias dropdownCurrentIndex: dropdown.currentIndex
    readonly property string dropdownCurrentText: dropdown.currentText

    signal dropdownChanged(int index, string text)

    title: "GroupBox"
    font.family: BasicConfig.commFont
    font.pixelSize: titleFontPixel
    topPadding: titleStrip.height + 10
    leftPadding: 10
    rightPadding: 10
    bottomPadding: 10

    Accessible.name: title

    background: Rectangle {
        radius: root.radiusVal
        color: root.contentBkColor
        border.width: root.borderWidth
        border.color: root.borderColor
    }

    label: Rectangle {
        id: titleStrip
        x: root.borderWidth
        y: root.borderWidth
        width: root.width - 2 * root.borderWidth
        height: Math.max(titleText.implicitHeight, root.showDropdown ? 28 : 0) + 2 * root.titleTopPadding + 4
        radius: root.radiusVal
        gradient: Gradient {
            orientation: Gradient.Horizontal
            GradientStop { position: 0.0; color: root.titleLeftBkColor }
            GradientStop { position: 1.0; color: root.titleRightBkColor }
        }

        Text {
            id: titleText
            x: 10
            anchors.verticalCenter: parent.verticalCenter
            text: root.title
            font: root.font
            color: root.titleColor
            Accessible.ignored: true
        }

        KVZCombobox {
            id: dropdown
            objectName: "groupDropdown"
            visible: root.showDropdown
            anchors { left: titleText.right; leftMargin: 15; verticalCenter: parent.verticalCenter }
            width: 150
            height: 28
            textSize: 14
            listTextSize: 14
            model: root.dropdownModel
            currentIndex: 0
            onCurrentIndexChanged: {
                if (currentIndex >= 0 && currentIndex < count)
                    root.dropdownChanged(currentIndex, textAt(currentIndex))
            }
        }
    }
}
