import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../../basic"
import "../../../commonUI"

// Indicator lamps: standby lamp switch, the colour of each lamp, standby pattern.
Item {
    id: root
    objectName: "lampForm"

    implicitWidth: 780
    implicitHeight: 640

    ButtonGroup { id: switchGroup }
    ButtonGroup { id: typeGroup }

    function choiceOf(group) {
        // The checked button's own number (see `choice` on each radio button).
        return group.checkedButton ? group.checkedButton.parent.choice : 0
    }
    function applyColour(lamp, picker) {
        var c = deviceViewModel.communication
        var r = picker.redValue, g = picker.greenValue, b = picker.blueValue
        switch (lamp) {
        case 0: c.setWorkClicked(r, g, b); break
        case 1: c.setPaperClicked(r, g, b); break
        case 2: c.setKnifeClicked(r, g, b); break
        case 3: c.setHotClicked(r, g, b); break
        case 4: c.setWaitClicked(r, g, b); break
        }
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 10
        spacing: 12

        KVZGroupBox {
            objectName: "waitSwitchGroup"
            title: qsTr("设置待机灯光开关")
            Layout.fillWidth: true
            RowLayout {
                spacing: 10
                KVZRadioButton { objectName: "waitOff"; property int choice: 0; radioWidth: 100; contentText: "OFF"; exclusiveGroup: switchGroup; checked: true }
                KVZRadioButton { objectName: "waitOn"; property int choice: 1; radioWidth: 100; contentText: "ON"; exclusiveGroup: switchGroup }
                KVZPushButton {
                    objectName: "waitSwitchSet"
                    buttonWidth: 100
                    buttonText: qsTr("设置")
                    onClicked: deviceViewModel.communication.setWaitLightSwitchClicked(root.choiceOf(switchGroup))
                }
            }
        }

        KVZGroupBox {
            objectName: "lampColourGroup"
            title: qsTr("指示灯颜色设置")
            Layout.fillWidth: true
            GridLayout {
                columns: 3
                columnSpacing: 12
                rowSpacing: 8
                Repeater {
                    model: [qsTr("工作灯"), qsTr("缺纸灯"), qsTr("刀片灯"), qsTr("过热灯"), qsTr("待机灯常亮")]
                    delegate: KVZGroupBox {
                        // One small card per lamp, so its fields and button carry its name.
                        objectName: "lamp" + index
                        title: modelData
                        titleFontPixel: 14
                        Layout.columnSpan: 3
                        Layout.fillWidth: true
                        topPadding: 30
                        RowLayout {
                            spacing: 10
                            KVZRGBColorPicker {
                                id: picker
                                objectName: "lampPicker" + index
                                accessiblePrefix: modelData
                            }
                            KVZPushButton {
                                objectName: "lampApply" + index
                                buttonWidth: 90
                                buttonHeight: 34
                                textSize: 16
                                buttonText: qsTr("应用")
                                onClicked: root.applyColour(index, picker)
                            }
                        }
                    }
                }
            }
        }

        KVZGroupBox {
            objectName: "waitTypeGroup"
            title: qsTr("待机灯种类模式设置")
            Layout.fillWidth: true
            RowLayout {
                spacing: 10
                KVZRadioButton { objectName: "waitType0"; property int choice: 0; radioWidth: 100; contentText: qsTr("常亮"); exclusiveGroup: typeGroup; checked: true }
                KVZRadioButton { objectName: "waitType1"; property int choice: 1; radioWidth: 100; contentText: qsTr("律动1"); exclusiveGroup: typeGroup }
                KVZRadioButton { objectName: "waitType2"; property int choice: 2; radioWidth: 100; contentText: qsTr("律动2"); exclusiveGroup: typeGroup }
                KVZPushButton {
                    objectName: "waitTypeSet"
                    buttonWidth: 100
                    buttonText: qsTr("设置")
                    onClicked: deviceViewModel.communication.setWaitTypeClicked(root.choiceOf(typeGroup))
                }
            }
        }
        Item { Layout.fillHeight: true }
    }
}
