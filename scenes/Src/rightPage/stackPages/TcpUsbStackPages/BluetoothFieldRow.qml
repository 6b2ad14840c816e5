import QtQuick 2.15
import "../../../basic"
import "../../../commonUI"

// A Bluetooth setting: a text field with "查询" and, unless read-only, "设置".
Row {
    id: row

    property string label: ""
    property alias text: field.text
    property alias field: field
    property bool readOnly: false
    property int labelWidth: 110

    signal queryClicked()
    signal setClicked(string text)

    spacing: 8

    Text {
        width: row.labelWidth
        anchors.verticalCenter: parent.verticalCenter
        text: row.label
        font.family: BasicConfig.commFont
        font.pixelSize: 15
        color: "#4A4B4E"
    }
    KVZTextField {
        id: field
        objectName: row.objectName + "_field"
        width: 150
        height: 34
        readOnly: row.readOnly
        Accessible.name: row.label
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
        visible: !row.readOnly
        buttonWidth: 64
        buttonHeight: 34
        textSize: 14
        buttonText: qsTr("设置")
        onClicked: row.setClicked(field.text)
    }
}
