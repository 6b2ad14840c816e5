import QtQuick 2.15
import "../../../basic"
import "../../../commonUI"

// "串口设置": the printer's serial line parameters, each with "查询" and
// "设置" (the chosen index). The USB layout labels the baud rates with their
// index ("7:115200").
KVZGroupBox {
    id: card

    property bool indexedBaudLabels: false
    readonly property var bauds: ["1200", "2400", "4800", "9600", "19200", "38400", "57600", "115200"]
    readonly property alias baudRow: baudRow

    title: qsTr("串口设置")
    contentBkColor: "#FFFFFF"

    Column {
        spacing: 14
        SettingChoiceRow {
            id: baudRow
            objectName: "baudRow"
            label: qsTr("波特率:")
            labelWidth: 80
            choiceWidth: 130
            model: card.indexedBaudLabels ? card.bauds.map(function(b, i) { return i + ":" + b }) : card.bauds
            currentIndex: 7
            onQueryClicked: deviceViewModel.communication.setSearchBaudrateClicked()
            onSetClicked: deviceViewModel.communication.setBaudrateClicked(index)
        }
        SettingChoiceRow {
            objectName: "dataBitsRow"
            label: qsTr("数据位:")
            labelWidth: 80
            choiceWidth: 130
            model: ["5", "6", "7", "8"]
            currentIndex: 3
            onQueryClicked: deviceViewModel.communication.setSearchDataBitsClicked()
            onSetClicked: deviceViewModel.communication.setDataBitsClicked(index)
        }
        SettingChoiceRow {
            objectName: "parityRow"
            label: qsTr("校验位:")
            labelWidth: 80
            choiceWidth: 130
            model: ["None", "Odd", "Even"]
            currentIndex: 0
            onQueryClicked: deviceViewModel.communication.setSearchParityClicked()
            onSetClicked: deviceViewModel.communication.setParityClicked(index)
        }
        SettingChoiceRow {
            objectName: "stopBitsRow"
            label: qsTr("停止位:")
            labelWidth: 80
            choiceWidth: 130
            model: ["1", "1.5", "2"]
            currentIndex: 0
            onQueryClicked: deviceViewModel.communication.setSearchStopBitsClicked()
            onSetClicked: deviceViewModel.communication.setStopBitsClicked(index)
        }
    }
}
