import QtQuick 2.15
import QtQuick.Controls 2.15
import "../basic"

// Integer spin box: ▼ at the left, ▲ at the right (30 px each), the number in
// between can be typed. A typed number above the range becomes the top of the
// range at once; one below it is taken when editing ends. Anything that is not
// a number puts the current value back.
SpinBox {
    id: root

    property int borderRadius: 8
    property color normalBorderColor: "#BcBaC3"
    property color hoverBorderColor: "#2F7EFF"
    property color focusBorderColor: "#2F7EFF"
    property color disabledColor: "#CCCCCC"
    property color backgroundColor: "#FFFFFF"
    property color disabledBackgroundColor: "#F5F5F5"

    signal clicked()
    signal upClicked()
    signal downClicked()
    signal valueEdited(int newValue)
    signal editingFinished(int finalValue)

    function clampValue(v) { return Math.max(Math.min(from, to), Math.min(Math.max(from, to), v)) }
    function stepUp() { increase(); upClicked(); valueModified() }
    function stepDown() { decrease(); downClicked(); valueModified() }

    editable: true
    implicitWidth: 140
    implicitHeight: 36
    font.family: BasicConfig.commFont
    font.pixelSize: 16

    onValueChanged: {
        if (!(field.activeFocus && parseInt(field.text, 10) === value))
            field.text = String(value)
        valueEdited(value)
    }

    Accessible.name: field.text

    contentItem: TextInput {
        id: field
        objectName: "spinField"
        text: String(root.value)
        font: root.font
        color: root.enabled ? "#000000" : root.disabledColor
        horizontalAlignment: Qt.AlignHCenter
        verticalAlignment: Qt.AlignVCenter
        leftPadding: 30
        rightPadding: 30
        selectByMouse: true
        readOnly: !root.editable
        inputMethodHints: Qt.ImhFormattedNumbersOnly
        Accessible.role: Accessible.EditableText
        Accessible.name: text

        onTextEdited: {
            const t = text.trim()
            if (t === "" || t === "-")
                return              // still typing; settled when editing ends
            if (!/^-?\d+$/.test(t)) {
                text = String(root.value)
                return
            }
            const n = parseInt(t, 10)
            const before = root.value
            if (n > Math.max(root.from, root.to)) {
                root.value = root.clampValue(n)
                text = String(root.value)
            } else if (n >= Math.min(root.from, root.to)) {
                root.value = n
            }
            if (root.value === before)
                root.valueEdited(root.value)
        }
        onEditingFinished: {
            const n = parseInt(text.trim(), 10)
            if (!isNaN(n) && /^-?\d+$/.test(text.trim()))
                root.value = root.clampValue(n)
            text = String(root.value)
            root.editingFinished(root.value)
        }
        Keys.onUpPressed: root.stepUp()
        Keys.onDownPressed: root.stepDown()

        MouseArea {
            anchors.fill: parent
            anchors.leftMargin: 30
            anchors.rightMargin: 30
            propagateComposedEvents: true
            onPressed: {
                field.forceActiveFocus()
                root.clicked()
                mouse.accepted = false
            }
        }
    }

    up.indicator: Rectangle {
        objectName: "spinUp"
        x: root.width - width
        height: root.height
        width: 30
        radius: root.borderRadius
        color: "transparent"
        Text {
            anchors.centerIn: parent
            text: "▲"
            font.pixelSize: 12
            color: root.enabled ? (upArea.containsMouse ? root.hoverBorderColor : "#4A4B4E") : root.disabledColor
        }
        Accessible.role: Accessible.Button
        Accessible.name: "▲"
        Accessible.onPressAction: root.stepUp()
        MouseArea {
            id: upArea
            anchors.fill: parent
            hoverEnabled: true
            onClicked: root.stepUp()
        }
    }

    down.indicator: Rectangle {
        objectName: "spinDown"
        x: 0
        height: root.height
        width: 30
        radius: root.borderRadius
        color: "transparent"
        Text {
            anchors.centerIn: parent
            text: "▼"
            font.pixelSize: 12
            color: root.enabled ? (downArea.containsMouse ? root.hoverBorderColor : "#4A4B4E") : root.disabledColor
        }
        Accessible.role: Accessible.Button
        Accessible.name: "▼"
        Accessible.onPressAction: root.stepDown()
        MouseArea {
            id: downArea
            anchors.fill: parent
            hoverEnabled: true
            onClicked: root.stepDown()
        }
    }

    background: Rectangle {
        radius: root.borderRadius
        color: root.enabled ? root.backgroundColor : root.disabledBackgroundColor
        border.width: 1
        border.color: !root.enabled ? root.disabledColor
                    : field.activeFocus ? root.focusBorderColor
                    : root.hovered ? root.hoverBorderColor
                    : root.normalBorderColor
    }
}
