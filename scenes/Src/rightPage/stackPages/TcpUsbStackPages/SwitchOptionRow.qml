import QtQuick 2.15
import QtQuick.Controls 2.15
import "../../../basic"
import "../../../commonUI"

// A label and two exclusive choices ("ON" / "OFF" and the like).
// `firstChecked` tells which one is chosen.
Row {
    id: row

    property string label: ""
    property string firstText: "ON"
    property string secondText: "OFF"
    property bool firstChecked: true
    property int labelWidth: 90
    readonly property alias firstButton: first
    readonly property alias secondButton: second

    spacing: 8

    ButtonGroup { id: group }

    Text {
        width: row.labelWidth
        anchors.verticalCenter: parent.verticalCenter
        text: row.label
        font.family: BasicConfig.commFont
        font.pixelSize: 15
        color: "#4A4B4E"
    }
    KVZRadioButton {
        id: first
        objectName: row.objectName + "_first"
        anchors.verticalCenter: parent.verticalCenter
        radioWidth: 110
        contentText: row.firstText
        exclusiveGroup: group
        checked: row.firstChecked
        onCheckedChanged: if (checked) row.firstChecked = true
    }
    KVZRadioButton {
        id: second
        objectName: row.objectName + "_second"
        anchors.verticalCenter: parent.verticalCenter
        radioWidth: 110
        contentText: row.secondText
        exclusiveGroup: group
        checked: !row.firstChecked
        onCheckedChanged: if (checked) row.firstChecked = false
    }
}
