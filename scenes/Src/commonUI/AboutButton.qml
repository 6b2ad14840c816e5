import QtQuick 2.15

// Title-bar "About" button.
TitleBarButton {
    iconKind: "about"
    tooltipText: qsTr("关于")
}
