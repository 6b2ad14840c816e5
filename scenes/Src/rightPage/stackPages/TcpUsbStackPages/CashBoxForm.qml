import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../../basic"
import "../../../commonUI"

// Cash drawer: a control pulse with its high and low times, and the opening pulse.
Item {
    id: root
    objectName: "cashBoxForm"

    implicitWidth: 780
    implicitHeight: 640

    ButtonGroup { id: controlPinGroup }
    ButtonGroup { id: openPinGroup }

    function choiceOf(group) {
        // The checked button's own number (see `choice` on each radio button).
        return group.checkedButton ? group.checkedButton.parent.choice : 1
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 10
        spacing: 12

        KVZGroupBox {
            objectName: "controlPulseGroup"
            title: qsTr("钱箱控制脉冲")
            Layout.fillWidth: true
            ColumnLayout {
                spacing: 10
                RowLayout {
                    spacing: 10
                    KVZRadioButton {
                        objectName: "controlPin2"
                        property int choice: 1
                        contentText: qsTr("钱箱插座引脚2")
                        exclusiveGroup: controlPinGroup
                        checked: true
                    }
                    KVZRadioButton {
                        objectName: "controlPin5"
                        property int choice: 2
                        contentText: qsTr("钱箱插座引脚5")
                        exclusiveGroup: controlPinGroup
                    }
                }
                RowLayout {
                    spacing: 10
                    Text { text: qsTr("高电平时间"); font.family: BasicConfig.commFont; font.pixelSize: 16 }
                    KVZSpinBox {
                        id: highTime
                        objectName: "highTime"
                        from: helperFunction.parameterRange("setControlPulseClicked", 1).from; to: helperFunction.parameterRange("setControlPulseClicked", 1).to; value: 0
                        Accessible.name: qsTr("高电平时间")
                    }
                    Text { text: "×2ms"; font.family: BasicConfig.commFont; font.pixelSize: 16 }
                    Text { text: qsTr("低电平时间"); font.family: BasicConfig.commFont; font.pixelSize: 16 }
                    KVZSpinBox {
                        id: lowTime
                        objectName: "lowTime"
                        from: helperFunction.parameterRange("setControlPulseClicked", 2).from; to: helperFunction.parameterRange("setControlPulseClicked", 2).to; value: 0
                        Accessible.name: qsTr("低电平时间")
                    }
                    Text { text: "×2ms"; font.family: BasicConfig.commFont; font.pixelSize: 16 }
                }
                KVZPushButton {
                    objectName: "controlPulseSet"
                    buttonWidth: 100
                    buttonText: qsTr("设置")
                    onClicked: deviceViewModel.communication.setControlPulseClicked(
                                   root.choiceOf(controlPinGroup), highTime.value, lowTime.value)
                }
            }
        }

        KVZGroupBox {
            objectName: "openPulseGroup"
            title: qsTr("钱箱打开脉冲")
            Layout.fillWidth: true
            ColumnLayout {
                spacing: 10
                RowLayout {
                    spacing: 10
                    KVZRadioButton {
                        objectName: "openPin2"
                        property int choice: 1
                        contentText: qsTr("钱箱插座引脚2")
                        exclusiveGroup: openPinGroup
                        checked: true
                    }
                    KVZRadioButton {
                        objectName: "openPin5"
                        property int choice: 2
                        contentText: qsTr("钱箱插座引脚5")
                        exclusiveGroup: openPinGroup
                    }
                }
                RowLayout {
                    spacing: 10
                    Text { text: qsTr("高、低电平时间"); font.family: BasicConfig.commFont; font.pixelSize: 16 }
                    KVZSpinBox {
                        id: openTime
                        objectName: "openTime"
                        from: helperFunction.parameterRange("setOpenPulseClicked", 1).from; to: helperFunction.parameterRange("setOpenPulseClicked", 1).to; value: 1
                        Accessible.name: qsTr("高、低电平时间")
                    }
                    Text { text: "×100ms"; font.family: BasicConfig.commFont; font.pixelSize: 16 }
                    KVZPushButton {
                        objectName: "openPulseSet"
                        buttonWidth: 100
                        buttonText: qsTr("设置")
                        onClicked: deviceViewModel.communication.setOpenPulseClicked(
                                       root.choiceOf(openPinGroup), openTime.value)
                    }
                }
            }
        }
        Item { Layout.fillHeight: true }
    }
}
