import QtQuick 2.15
import QtQuick.Layouts 1.15
import "../../../basic"
import "../../../commonUI"

// One row of the printer-parameter page: its label, its controls and the
// "设置" button that applies them. Assistive tools see the row as a group
// named by its label.
Item {
    id: root

    property string label: ""
    property int labelWidth: 190
    property bool showApply: true
    // Rows whose only control is a check box with the same text keep the
    // label column empty.
    property bool showLabel: true
    default property alias controls: controlRow.data

    signal apply()

    implicitWidth: row.implicitWidth
    implicitHeight: Math.max(44, row.implicitHeight)

    Accessible.role: Accessible.Grouping
    Accessible.name: label

    RowLayout {
        id: row
        anchors.verticalCenter: parent.verticalCenter
        spacing: 10
        Item {
            // The label column widens for a label longer than labelWidth.
            Layout.preferredWidth: root.showLabel ? Math.max(root.labelWidth, labelText.implicitWidth) : root.labelWidth
            implicitHeight: 30
            visible: root.label !== ""
            Text {
                id: labelText
                anchors.fill: parent
                verticalAlignment: Text.AlignVCenter
                text: root.label
                font.family: BasicConfig.commFont
                font.pixelSize: 16
                color: "#2359B7"
                elide: Text.ElideRight
                visible: root.showLabel
                Accessible.ignored: true
            }
        }
        RowLayout {
            id: controlRow
            spacing: 8
        }
        KVZPushButton {
            objectName: "apply"
            visible: root.showApply
            buttonWidth: 80
            buttonHeight: 34
            textSize: 16
            buttonText: qsTr("设置")
            onClicked: root.apply()
        }
    }
}
