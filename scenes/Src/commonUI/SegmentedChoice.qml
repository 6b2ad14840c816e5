import QtQuick 2.15
import "../basic"

// A row of joined choices, one of them chosen (as radio buttons are): a
// click, Space or an assistive tool's press chooses one and emits activated().
Row {
    id: root

    property var options: []
    property int currentIndex: 0
    property int segmentWidth: 64
    property int segmentHeight: 28
    property int textSize: 13

    signal activated(int index)

    function choose(index) {
        if (index === currentIndex)
            return
        currentIndex = index
        activated(index)
    }

    spacing: -1

    Repeater {
        model: root.options
        Rectangle {
            id: segment
            objectName: "choice_" + modelData
            readonly property bool chosen: root.currentIndex === index
            width: root.segmentWidth
            height: root.segmentHeight
            radius: 4
            color: chosen ? "#2F7EFF" : area.containsMouse ? "#E3ECFB" : "#FFFFFF"
            border.color: activeFocus ? "#1559C7" : "#BABCC4"
            border.width: activeFocus ? 2 : 1
            activeFocusOnTab: true
            Keys.onSpacePressed: root.choose(index)
            Keys.onReturnPressed: root.choose(index)

            Accessible.role: Accessible.RadioButton
            Accessible.name: modelData
            Accessible.checkable: true
            Accessible.checked: chosen
            Accessible.focusable: true
            Accessible.onPressAction: root.choose(index)

            Text {
                anchors.centerIn: parent
                text: modelData
                color: segment.chosen ? "#FFFFFF" : "#4A4B4E"
                font.family: BasicConfig.commFont
                font.pixelSize: root.textSize
                Accessible.ignored: true
            }
            MouseArea {
                id: area
                anchors.fill: parent
                hoverEnabled: true
                cursorShape: Qt.PointingHandCursor
                onClicked: root.choose(index)
            }
        }
    }
}
