import QtQuick 2.15
import QtQuick.Controls 2.15
import QtGraphicalEffects 1.15
import "../../basic"
import "../../commonUI"

// Serial printers: port (listed, or a device path typed in) and baud rate,
// open and close, a terminal drawer, and the workspace.
Item {
    id: page
    objectName: "serialFunctionPage"

    readonly property bool connected: deviceViewModel ? deviceViewModel.serialConnection.connected : false
    property bool drawerOpen: false
    property int selectedIndex: 0
    property bool drawerVisible: false
    property bool workspaceShown: false
    // Null only while the program shuts down.
    readonly property var manager: deviceViewModel ? deviceViewModel.serialportmanager : null
    readonly property string portText: portChoice.editText.trim()

    clip: true

    // A port that went away takes the terminal with it.
    onConnectedChanged: if (!connected) drawerOpen = false

    function openPort() {
        if (!openButton.enabled || portText === "")
            return
        manager.connectSerialPort_new(portText, baudChoice.currentText)
    }

    function closePort() {
        if (!closeButton.enabled)
            return
        drawerOpen = false
        manager.disconnectSerialPort()
    }

    function showWorkspace() {
        drawerOpen = false
        workspaceShown = true
        workspace.activated = true
        workspace.updateCodePageSelect()
    }

    Item {
        id: firstLayer
        width: parent.width
        height: parent.height
        y: page.workspaceShown ? -page.height : 0
        visible: y > -page.height
        Behavior on y { NumberAnimation { duration: 500; easing.type: Easing.InOutQuad } }

        Text {
            id: title
            anchors.top: parent.top
            anchors.topMargin: 20
            anchors.left: parent.left
            anchors.leftMargin: 30
            text: qsTr("串口连接设置")
            font.family: BasicConfig.commFont
            font.pixelSize: 24
            font.bold: true
            color: "#2c3e50"
            Accessible.role: Accessible.Heading
            Accessible.name: text
        }

        Rectangle {
            id: panel
            width: 300
            height: panelColumn.implicitHeight + 40
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.top: title.bottom
            anchors.topMargin: 30
            radius: 12
            color: "white"

            Column {
                id: panelColumn
                anchors.fill: parent
                anchors.margins: 20
                spacing: 14

                Text {
                    text: qsTr("COM口:")
                    font.family: BasicConfig.commFont
                    font.pixelSize: 16
                }
                KVZCombobox {
                    id: portChoice
                    objectName: "portChoice"
                    width: parent.width
                    height: 36
                    // A device path can be typed in as well: ptys are never
                    // listed, and some adapters only show up late.
                    editable: true
                    model: deviceViewModel ? deviceViewModel.serialPorts : null
                    textRole: "name"
                    Accessible.name: qsTr("COM口:")
                    contentItem: TextField {
                        objectName: "portField"
                        leftPadding: 10
                        rightPadding: portChoice.indicator.width + 4
                        text: portChoice.editText
                        font: portChoice.font
                        color: "#4A4B4E"
                        verticalAlignment: Text.AlignVCenter
                        selectByMouse: true
                        background: null
                        Accessible.name: qsTr("COM口:")
                        onAccepted: page.openPort()
                    }
                    Component.onCompleted: page.manager.refreshAvailablePorts()
                }
                Text {
                    text: qsTr("波特率:")
                    font.family: BasicConfig.commFont
                    font.pixelSize: 16
                }
                KVZCombobox {
                    id: baudChoice
                    objectName: "baudChoice"
                    width: parent.width
                    height: 36
                    model: ["1200", "2400", "4800", "9600", "19200", "38400", "57600", "115200"]
                    currentIndex: 4
                    Accessible.name: qsTr("波特率:")
                }
                Rectangle {
                    id: statusCircle
                    objectName: "serialStatusCircle"
                    width: 100
                    height: 100
                    radius: 50
                    anchors.horizontalCenter: parent.horizontalCenter
                    color: page.connected ? "#d4edda" : "#f8d7da"
                    border.color: page.connected ? "#c3e6cb" : "#f5c6cb"
                    border.width: 2
                    Accessible.role: Accessible.Indicator
                    Accessible.name: statusText.text
                    Text {
                        id: statusText
                        anchors.centerIn: parent
                        width: parent.width - 12
                        horizontalAlignment: Text.AlignHCenter
                        wrapMode: Text.WordWrap
                        text: page.connected ? qsTr("已连接") : qsTr("未连接")
                        color: page.connected ? "#155724" : "#721c24"
                        font.family: BasicConfig.commFont
                        font.pixelSize: 16
                        font.bold: true
                    }
                }
                Row {
                    anchors.horizontalCenter: parent.horizontalCenter
                    spacing: 16
                    KVZPushButton {
                        id: openButton
                        objectName: "openPortButton"
                        buttonWidth: 115
                        buttonText: qsTr("打开串口")
                        textSize: 16
                        enabled: !page.connected
                        opacity: enabled ? 1 : 0.5
                        onClicked: page.openPort()
                    }
                    KVZPushButton {
                        id: closeButton
                        objectName: "closePortButton"
                        buttonWidth: 115
                        buttonText: qsTr("断开")
                        textSize: 16
                        buttonColor: "#e74c3c"
                        buttonHoverColor: "#c0392b"
                        enabled: page.connected
                        opacity: enabled ? 1 : 0.5
                        onClicked: page.closePort()
                    }
                }
            }
        }

        Row {
            anchors.top: panel.bottom
            anchors.topMargin: 20
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 30
            KVZPushButton {
                objectName: "refreshPortsButton"
                buttonWidth: 180
                buttonText: qsTr("刷新串口")
                textSize: 16
                onClicked: page.manager.refreshAvailablePorts()
            }
            KVZPushButton {
                objectName: "enterConfigButton"
                buttonWidth: 200
                buttonText: qsTr("进入配置界面>")
                textSize: 16
                buttonColor: "#8e44ad"
                buttonHoverColor: "#7d3c98"
                onClicked: page.showWorkspace()
            }
        }
    }

    FunctionMainLayout {
        id: workspace
        objectName: "serialWorkspace"
        width: parent.width
        height: parent.height
        y: page.workspaceShown ? 0 : page.height
        visible: y < page.height
        Behavior on y { NumberAnimation { duration: 500; easing.type: Easing.InOutQuad } }
        mode: 2
        toast: toast
        selectedIndex: page.selectedIndex
        onButtonClicked: page.selectedIndex = index
        // The port stays open.
        onBackClicked: page.workspaceShown = false
    }

    // While the drawer is open the page behind it is blurred, darkened and
    // takes no clicks.
    FastBlur {
        anchors.fill: firstLayer
        source: firstLayer
        radius: 10
        visible: page.drawerOpen
    }
    Rectangle {
        anchors.fill: parent
        color: "black"
        opacity: page.drawerOpen ? 0.5 : 0
        visible: opacity > 0
        Behavior on opacity { NumberAnimation { duration: 300 } }
        MouseArea { anchors.fill: parent; hoverEnabled: true; acceptedButtons: Qt.AllButtons; onWheel: wheel.accepted = true }
    }

    SerialTerminalDrawer {
        id: drawer
        width: 600
        height: parent.height
        x: page.drawerOpen ? page.width - width : page.width
        Behavior on x { NumberAnimation { duration: 300; easing.type: Easing.OutCubic } }
        visible: x < page.width
        connected: page.connected
        toast: toast
    }

    Rectangle {
        id: drawerTab
        objectName: "drawerTab"
        width: 20
        height: 40
        x: drawer.x - width
        anchors.verticalCenter: parent.verticalCenter
        visible: !page.workspaceShown
        radius: 4
        color: page.connected ? "#2196F3" : "#cccccc"
        activeFocusOnTab: page.connected
        Accessible.role: Accessible.Button
        Accessible.name: tabText.text
        Accessible.onPressAction: toggle()
        Keys.onSpacePressed: toggle()
        Keys.onReturnPressed: toggle()
        function toggle() {
            if (page.connected)
                page.drawerOpen = !page.drawerOpen
        }
        Text {
            id: tabText
            anchors.centerIn: parent
            text: page.drawerOpen ? "▶" : "◀"
            color: "white"
            font.pixelSize: 12
        }
        MouseArea {
            anchors.fill: parent
            enabled: page.connected
            cursorShape: page.connected ? Qt.PointingHandCursor : Qt.ArrowCursor
            onClicked: parent.toggle()
        }
    }

    PageToast { id: toast; objectName: "pageToast" }

    Connections {
        target: page.manager
        function onErrorOccurred(error) {
            logger.info(qsTr("串口错误: ") + error)
            toast.showError(error, 3000)
        }
    }
}
