import QtQuick 2.15
import "../../basic"

// One line of the receipt preview: name, quantity and amount columns.
Row {
    id: row

    property string first: ""
    property string second: ""
    property string third: ""
    property bool bold: false

    Accessible.role: Accessible.Row
    Accessible.name: [first, second, third].filter(function(t) { return t !== "" }).join(" ")

    Text {
        width: row.width * 0.5
        text: row.first
        font.family: BasicConfig.commFont
        font.pixelSize: 12
        font.bold: row.bold
        elide: Text.ElideRight
        Accessible.name: text
    }
    Text {
        width: row.width * 0.22
        text: row.second
        font.family: BasicConfig.commFont
        font.pixelSize: 12
        font.bold: row.bold
        Accessible.name: text
    }
    Text {
        width: row.width * 0.28
        horizontalAlignment: Text.AlignRight
        text: row.third
        font.family: BasicConfig.commFont
        font.pixelSize: 12
        font.bold: row.bold
        Accessible.name: text
    }
}
