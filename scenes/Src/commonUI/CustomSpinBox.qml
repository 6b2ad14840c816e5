import QtQuick 2.15
import "../basic"

// A compact number field with stacked ▲ ▼ buttons. Typed text is taken as soon
// as it is a number: clamped to from…to and rounded to `decimals` places. The
// buttons step only while the result stays inside the range.
Item {
    id: root

    property real value: 0
    property real from: 0
    property real to: 100
    property real stepSize: 1
    property int decimals: 0
    property var validator: DoubleValidator {
        bottom: Math.min(root.from, root.to)
        top: Math.max(root.from, root.to)
        decimals: root.decimals
        notation: DoubleValidator.StandardNotation
    }
    property int boxWidth: 100
    property int boxHeight: 30
    property int buttonWidth: 20
    property int fontSize: 14
    property color textColor: "#000000"
    property color borderColor: "#BcBaC3"
    property color focusBorderColor: "#2F7EFF"
    property color backgroundColor: "#FFFFFF"
    property color buttonColor: "#EAEEF5"
    property color buttonHoverColor: "#D0D6E2"
    property color disabledColor: "#CCCCCC"

    signal valueModified()

    readonly property real lowest: Math.min(from, to)
    readonly property real highest: Math.max(from, to)

    function format(v) { return Number(v).toFixed(decimals) }
    function normalise(n) {
        const clamped = Math.max(lowest, Math.min(highest, n))
        return Number(clamped.toFixed(decimals))
    }
    // Takes the text when it is a number; `rewrite` puts the settled value back
    // into the field even when nothing changed.
    function commit(rewrite) {
        const t = field.text.trim()
        const n = Number(t)
        if (t === "" || isNaN(n)) {
            if (rewrite)
                field.text = format(value)
            return
        }
        const v = normalise(n)
        const changed = v !== value
        value = v
        if (rewrite || v !== n)
            field.text = format(value)
        if (changed || rewrite)
            valueModified()
    }
    function stepBy(delta) {
        const next = Number((value + delta).toFixed(decimals))
        if (next < lowest || next > highest)
            return
        value = next
        valueModified()
    }

    width: boxWidth
    height: boxHeight
    opacity: enabled ? 1.0 : 0.6

    onValueChanged: if (!field.activeFocus || Number(field.text) !== value) field.text = format(value)
    onDecimalsChanged: field.text = format(value)
    Component.onCompleted: field.text = format(value)

    Rectangle {
        anchors.fill: parent
        radius: 4
        color: root.backgroundColor
        border.width: 1
        border.color: field.activeFocus ? root.focusBorderColor : root.borderColor
    }

    TextInput {
        id: field
        objectName: "customSpinField"
        anchors { left: parent.left; right: buttons.left; top: parent.top; bottom: parent.bottom; leftMargin: 6; rightMargin: 2 }
        verticalAlignment: Text.AlignVCenter
        font.family: BasicConfig.commFont
        font.pixelSize: root.fontSize
        color: root.enabled ? root.textColor : root.disabledColor
        selectByMouse: true
        clip: true
        enabled: root.enabled
        validator: root.validator
        activeFocusOnTab: true
        Accessible.role: Accessible.EditableText
        Accessible.name: text

        onTextChanged: if (activeFocus) root.commit(false)
        onEditingFinished: root.commit(true)
        onActiveFocusChanged: if (!activeFocus) root.commit(true)
        Keys.onReturnPressed: { root.commit(true); event.accepted = false }
        Keys.onEnterPressed: { root.commit(true); event.accepted = false }
        Keys.onUpPressed: root.stepBy(root.stepSize)
        Keys.onDownPressed: root.stepBy(-root.stepSize)
    }

    Column {
        id: buttons
        anchors { right: parent.right; top: parent.top; bottom: parent.bottom; margins: 1 }
        width: root.buttonWidth

        Rectangle {
            objectName: "customSpinUp"
            width: parent.width
            height: parent.height / 2
            color: upArea.containsMouse ? root.buttonHoverColor : root.buttonColor
            Text { anchors.centerIn: parent; text: "▲"; font.pixelSize: 8; color: "#4A4B4E" }
            Accessible.role: Accessible.Button
            Accessible.name: "▲"
            Accessible.onPressAction: root.stepBy(root.stepSize)
            MouseArea {
                id: upArea
                anchors.fill: parent
                hoverEnabled: true
                enabled: root.enabled
                onClicked: root.stepBy(root.stepSize)
            }
        }
        Rectangle {
            objectName: "customSpinDown"
            width: parent.width
            height: parent.height / 2
            color: downArea.containsMouse ? root.buttonHoverColor : root.buttonColor
            Text { anchors.centerIn: parent; text: "▼"; font.pixelSize: 8; color: "#4A4B4E" }
            Accessible.role: Accessible.Button
            Accessible.name: "▼"
            Accessible.onPressAction: root.stepBy(-root.stepSize)
            MouseArea {
                id: downArea
                anchors.fill: parent
                hoverEnabled: true
                enabled: root.enabled
                onClicked: root.stepBy(-root.stepSize)
            }
        }
    }
}
