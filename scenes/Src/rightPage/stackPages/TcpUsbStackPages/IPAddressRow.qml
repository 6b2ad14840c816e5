import QtQuick 2.15
import "../../../basic"
import "../../../commonUI"

// A label and an IPv4 address field: four groups of up to three digits,
// shown with blanks and points. `address` is the text without any blank.
Row {
    id: row

    property string label: ""
    property string placeholder: ""
    property alias text: field.text
    property alias field: field
    property int labelWidth: 90
    property int fieldWidth: 220
    readonly property string address: field.text.replace(/\s/g, "")

    spacing: 8

    Text {
        id: caption
        width: row.labelWidth
        anchors.verticalCenter: parent.verticalCenter
        text: row.label
        font.family: BasicConfig.commFont
        font.pixelSize: 15
        color: "#4A4B4E"
        elide: Text.ElideRight
    }
    KVZTextField {
        id: field
        width: row.fieldWidth
        inputMask: "  000 .  000 .  000 .  000;"
        placeholderText: row.placeholder
        Accessible.name: row.label
        Accessible.description: row.placeholder

        // A typed point moves on to the next group, as people type
        // addresses; right after a full group (the cursor has moved on by
        // itself) it does nothing, so no group is skipped.
        readonly property var groupStarts: [2, 9, 16, 23]
        Keys.onPressed: {
            if (event.text !== ".")
                return
            event.accepted = true
            let group = 0
            for (let i = 0; i < groupStarts.length; ++i) {
                if (cursorPosition >= groupStarts[i])
                    group = i
            }
            const here = displayText.substr(groupStarts[group], 3).trim()
            if (here === "" && cursorPosition === groupStarts[group])
                return
            if (group + 1 < groupStarts.length)
                select(groupStarts[group + 1], groupStarts[group + 1] + 3)
        }
    }
}
