import QtQuick 2.15

// Title-bar close button: red under the pointer, the cross turns white by 180 degrees.
TitleBarButton {
    id: root
    signal btnClick()

    iconKind: "close"
    hoveredColor: "#FF0000"
    lineColor: "#FFFFFF"
    turnOnHover: true
    tooltipText: qsTr("关闭")
    onClicked: root.btnClick()
}
