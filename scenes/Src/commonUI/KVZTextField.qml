import QtQuick 2.15
import QtQuick.Controls 2.15
import "../basic"

// The common single-line text field: rounded, blue border while focused. Its
// accessible name is the placeholder until the page gives it its label.
TextField {
    id: root

    property int borderRadius: 8
    property color normalBorderColor: "#BcBaC3"
    property color focusBorderColor: "#2F7EFF"
    property color backgroundColor: "#FFFFFF"
    property color disabledBackgroundColor: "#F5F5F5"

    implicitWidth: 200
    implicitHeight: 36
    font.family: BasicConfig.commFont
    font.pixelSize: 16
    color: enabled ? "#000000" : "#999999"
    selectByMouse: true
    leftPadding: 10
    rightPadding: 10

    Accessible.name: placeholderText !== "" ? placeholderText : text

    background: Rectangle {
        radius: root.borderRadius
        color: root.enabled ? root.backgroundColor : root.disabledBackgroundColor
        border.width: 1
        border.color: root.activeFocus || root.hovered ? root.focusBorderColor : root.normalBorderColor
    }
}
