import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../../basic"
import "../../../commonUI"

// Buzzer, buzzer with flashing lamp, and cutter.
Item {
    id: root
    objectName: "buzzerAlarmCuttingForm"

    implicitWidth: 780
    implicitHeight: 640

    ButtonGroup { id: alarmGroup }
    ButtonGroup { id: cutGroup }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 10
        spacing: 12

        KVZGroupBox {
            objectName: "buzzerGroup"
            title: qsTr("蜂鸣")
            Layout.fillWidth: true
            RowLayout {
                spacing: 10
                Text { text: qsTr("次数："); font.family: BasicConfig.commFont; font.pixelSize: 16 }
                KVZSpinBox {
                    id: buzzerTimes
                    objectName: "buzzerTimes"
                    from: helperFunction.parameterRange("setBuzzerClicked", 0).from; to: helperFunction.parameterRange("setBuzzerClicked", 0).to; value: 1
                    Accessible.name: qsTr("次数：")
                }
                Text { text: qsTr("持续："); font.family: BasicConfig.commFont; font.pixelSize: 16 }
                KVZSpinBox {
                    id: buzzerDuration
                    objectName: "buzzerDuration"
                    from: helperFunction.parameterRange("setBuzzerClicked", 1).from; to: helperFunction.parameterRange("setBuzzerClicked", 1).to; value: 1
                    Accessible.name: qsTr("持续：")
                }
                Text { text: "×50ms"; font.family: BasicConfig.commFont; font.pixelSize: 16 }
                KVZPushButton {
                    objectName: "buzzerSet"
                    buttonWidth: 100
                    buttonText: qsTr("设置")
                    onClicked: deviceViewModel.communication.setBuzzerClicked(buzzerTimes.value, buzzerDuration.value)
                }
            }
        }

        KVZGroupBox {
            objectName: "alarmGroup"
            title: qsTr("蜂鸣闪灯")
            Layout.fillWidth: true
            ColumnLayout {
                spacing: 10
                RowLayout {
                    spacing: 10
                    Text { text: qsTr("次数："); font.family: BasicConfig.commFont; font.pixelSize: 16 }
                    KVZSpinBox {
                        id: alarmTimes
                        objectName: "alarmTimes"
                        from: helperFunction.parameterRange("setBuzzerAlarmClicked", 0).from; to: helperFunction.parameterRange("setBuzzerAlarmClicked", 0).to; value: 1
                        Accessible.name: qsTr("次数：")
                    }
                    Text { text: qsTr("间隔："); font.family: BasicConfig.commFont; font.pixelSize: 16 }
                    KVZSpinBox {
                        id: alarmInterval
                        objectName: "alarmInterval"
                        from: helperFunction.parameterRange("setBuzzerAlarmClicked", 1).from; to: helperFunction.parameterRange("setBuzzerAlarmClicked", 1).to; value: 1
                        Accessible.name: qsTr("间隔：")
                    }
                    Text { text: "×50ms"; font.family: BasicConfig.commFont; font.pixelSize: 16 }
                }
                RowLayout {
                    spacing: 10
                    Repeater {
                        id: alarmModes
                        model: [qsTr("无蜂鸣、无闪灯"), qsTr("蜂鸣"), qsTr("闪灯"), qsTr("蜂鸣、闪灯")]
                        KVZRadioButton {
                            objectName: "alarmMode" + (index + 1)
                            property int choice: index + 1
                            radioWidth: index === 0 ? 170 : 130
                            contentText: modelData
                            exclusiveGroup: alarmGroup
                            checked: index === 0
                        }
                    }
                    KVZPushButton {
                        objectName: "alarmSet"
                        buttonWidth: 100
                        buttonText: qsTr("设置")
                        onClicked: deviceViewModel.communication.setBuzzerAlarmClicked(
                                       alarmTimes.value, alarmInterval.value, root.choiceOf(alarmGroup))
                    }
                }
            }
        }

        KVZGroupBox {
            objectName: "cutGroup"
            title: qsTr("切刀")
            Layout.fillWidth: true
            ColumnLayout {
                spacing: 10
                RowLayout {
                    spacing: 10
                    Repeater {
                        model: [qsTr("全切"), qsTr("半切"), qsTr("进纸半切")]
                        KVZRadioButton {
                            objectName: "cutMode" + (index + 1)
                            property int choice: index + 1
                            radioWidth: 130
                            contentText: modelData
                            exclusiveGroup: cutGroup
                            checked: index === 0
                        }
                    }
                }
                RowLayout {
                    spacing: 10
                    Text { text: qsTr("进纸长度:"); font.family: BasicConfig.commFont; font.pixelSize: 16 }
                    KVZSpinBox {
                        id: feedLength
                        objectName: "feedLength"
                        from: helperFunction.parameterRange("setCutClicked", 1).from; to: helperFunction.parameterRange("setCutClicked", 1).to; value: 1
                        Accessible.name: qsTr("进纸长度:")
                    }
                    Text { text: qsTr("×移动单位(英寸)"); font.family: BasicConfig.commFont; font.pixelSize: 16 }
                    KVZPushButton {
                        objectName: "cutSet"
                        buttonWidth: 100
                        buttonText: qsTr("设置")
                        onClicked: deviceViewModel.communication.setCutClicked(root.choiceOf(cutGroup), feedLength.value)
                    }
                }
            }
        }
        Item { Layout.fillHeight: true }
    }

    // 1-based position of the checked radio button of a group (its buttons in
    // creation order), 1 when none is checked.
    function choiceOf(group) {
        // The checked button's own number (see `choice` on each radio button).
        return group.checkedButton ? group.checkedButton.parent.choice : 1
    }
}
