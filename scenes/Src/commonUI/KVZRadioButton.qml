import QtQuick 2.15
import QtQuick.Controls 2.15
import "../basic"

// A radio button of an exclusive group (a ButtonGroup). `checked` and the
// inner button follow each other both ways; a button that becomes checked,
// also at creation, is made the group's current one.
Item {
    id: root

    property bool enabledState: true
    property string contentText: ""
    property bool checked: false
    property ButtonGroup exclusiveGroup: null
    property font font: Qt.font({ family: BasicConfig.commFont, pixelSize: 16 })
    property color textColor: enabledState ? "blue" : "black"
    property color checkedColor: "#0000A0"
    property color borderColor: "gray"
    property color hoverBorderColor: "darkblue"
    property int indicatorSize: 24
    property int borderWidth: 1
    property int indicatorMargins: 4
    property int radioHeight: 25
    property int radioWidth: 155

    // The inner control, for owners that need it (ButtonGroup.checkedButton is this).
    readonly property alias button: radio

    // Wider than radioWidth when the text needs it: a label is never cut.
    width: Math.max(radioWidth, radio.implicitWidth)
    height: radioHeight

    function makeCurrent() {
        if (exclusiveGroup)
            exclusiveGroup.checkedButton = radio
    }

    onCheckedChanged: {
        if (radio.checked !== checked)
            radio.checked = checked
        if (checked)
            makeCurrent()
    }
    onExclusiveGroupChanged: if (checked) makeCurrent()
    Component.onCompleted: {
        radio.checked = checked
        if (checked)
            makeCurrent()
    }

    RadioButton {
        id: radio
        anchors.fill: parent
        padding: 0
        text: root.contentText
        font: root.font
        enabled: root.enabledState
        ButtonGroup.group: root.exclusiveGroup
        Accessible.name: text
        onCheckedChanged: if (root.checked !== checked) root.checked = checked
        // Stated here too: Qt Quick Controls describe themselves only once an
        // assistive tool has switched accessibility on.
        Accessible.role: Accessible.RadioButton
        Accessible.checkable: true
        Accessible.checked: checked
        Accessible.onPressAction: if (enabled) checked = true

        indicator: Rectangle {
            implicitWidth: root.indicatorSize
            implicitHeight: root.indicatorSize
            x: radio.leftPadding
            y: (radio.height - height) / 2
            radius: width / 2
            color: "white"
            border.width: root.borderWidth
            border.color: radio.hovered || radio.visualFocus ? root.hoverBorderColor : root.borderColor
            Rectangle {
                anchors.fill: parent
                anchors.margins: root.indicatorMargins
                radius: width / 2
                color: root.checkedColor
                visible: radio.checked
            }
        }
        contentItem: Text {
            text: radio.text
            font: radio.font
            color: root.textColor
            verticalAlignment: Text.AlignVCenter
            leftPadding: radio.indicator.width + 6
            elide: Text.ElideRight
        }
    }
}
