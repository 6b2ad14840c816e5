import QtQuick 2.15

// Title-bar minimise button.
TitleBarButton {
    iconKind: "minimize"
    tooltipText: qsTr("最小化")
}
