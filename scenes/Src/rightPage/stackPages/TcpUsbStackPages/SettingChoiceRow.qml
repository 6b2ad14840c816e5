import QtQuick 2.15
import "../../../basic"
import "../../../commonUI"

// A printer setting: its choices, "查询" (ask the printer) and "设置" (send
// the chosen index).
Row {
    id: row

    property string label: ""
    property alias model: choice.model
    property alias currentIndex: choice.currentIndex
    property alias choice: choice
    property int labelWidth: 110
    property int choiceWidth: 150

    signal queryClicked()
    signal setClicked(int index)

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
    KVZCombobox {
        id: choice
        objectName: row.objectName + "_choice"
        width: row.choiceWidth
        height: 34
        textSize: 14
        listTextSize: 14
        Accessible.name: row.label + " " + displayText
    }
    KVZPushButton {
        objectName: row.objectName + "_query"
        anchors.verticalCenter: parent.verticalCenter
        buttonWidth: 64
        buttonHeight: 34
        textSize: 14
        buttonText: qsTr("查询")
        onClicked: row.queryClicked()
    }
    KVZPushButton {
        objectName: row.objectName + "_set"
        anchors.verticalCenter: parent.verticalCenter
        buttonWidth: 64
        buttonHeight: 34
        textSize: 14
        buttonText: qsTr("设置")
        onClicked: row.setClicked(choice.currentIndex)
    }
}
