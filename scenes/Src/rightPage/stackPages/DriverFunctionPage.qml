import QtQuick 2.15
import QtQuick.Controls 2.15
import "../../basic"
import "../../commonUI"

// Printers of the system's print spooler: pick a queue, open its queue or
// management page in the browser, and work with it through raw jobs.
Item {
    id: page
    objectName: "driverFunctionPage"

    property int selectedIndex: 0
    property string selectedDeviceName: ""
    // The one entry shown open, -1 for none.
    property int expandedIndex: -1
    property bool workspaceShown: false
    // Null only while the program shuts down.
    readonly property var manager: deviceViewModel ? deviceViewModel.printDriverManager : null
    readonly property var printerModel: deviceViewModel ? deviceViewModel.driverPrinters : null
    readonly property string printerIcon: "qrc:/img/Resources/rightImg/stackPages/device.png"

    clip: true

    function toggleEntry(index) {
        if (index === expandedIndex) {
            expandedIndex = -1
        } else {
            expandedIndex = index
            selectedDeviceName = printerModel.get(index).name
        }
    }

    function enterConfig() {
        if (selectedDeviceName === "") {
            toast.showError(qsTr("请先选择一个打印机"), 2000)
        } else if (deviceViewModel.printDriverManager.connectDevice(selectedDeviceName, "", "", "")) {
            workspaceShown = true
            workspace.activated = true
        } else {
            toast.showError(qsTr("打印机不可用"), 2000)
        }
        workspace.updateCodePageSelect()
    }

    Component.onCompleted: manager.refreshPrinters()

    // A new list shows every entry closed.
    Connections {
        target: page.printerModel
        function onModelReset() { page.expandedIndex = -1 }
        function onRowsRemoved(parent, first, last) {
            if (page.expandedIndex > last)
                page.expandedIndex -= last - first + 1
            else if (page.expandedIndex >= first)
                page.expandedIndex = -1
        }
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
            text: qsTr("驱动连接设置")
            font.family: BasicConfig.commFont
            font.pixelSize: 24
            font.bold: true
            color: "#2c3e50"
            Accessible.role: Accessible.Heading
            Accessible.name: text
        }

        Rectangle {
            id: listArea
            anchors.top: title.bottom
            anchors.topMargin: 15
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: buttonRow.top
            anchors.leftMargin: 30
            anchors.rightMargin: 30
            anchors.bottomMargin: 20
            radius: 12
            color: "white"

            ListView {
                id: printerList
                objectName: "printerList"
                anchors.fill: parent
                anchors.margins: 15
                clip: true
                spacing: 8
                model: page.printerModel
                ScrollBar.vertical: ScrollBar {}
                Accessible.role: Accessible.List
                Accessible.name: title.text
                delegate: DriverPrinterItem {
                    objectName: "printerItem_" + index
                    width: printerList.width - 10
                    name: model.name
                    icon: page.printerIcon
                    expanded: index === page.expandedIndex
                    onToggled: page.toggleEntry(index)
                    onOpenQueueClicked: page.manager.openPrinterQueue(model.name)
                    onManageClicked: page.manager.openPrinterGeneralTab(model.name)
                    onDeleteClicked: page.printerModel.remove(index)
                }
            }

            Text {
                objectName: "emptyListHint"
                anchors.centerIn: parent
                visible: !page.printerModel || page.printerModel.count === 0
                text: qsTr("当前列表为空")
                font.family: BasicConfig.commFont
                font.pixelSize: 16
                color: "#7f8c8d"
                Accessible.role: Accessible.StaticText
                Accessible.name: text
            }
        }

        Row {
            id: buttonRow
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 25
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 30
            KVZPushButton {
                objectName: "refreshPrintersButton"
                buttonWidth: 130
                buttonText: qsTr("刷新")
                textSize: 16
                onClicked: page.manager.refreshPrinters()
            }
            KVZPushButton {
                objectName: "enterConfigButton"
                buttonWidth: 200
                buttonText: qsTr("进入配置界面>")
                textSize: 16
                buttonColor: "#8e44ad"
                buttonHoverColor: "#7d3c98"
                onClicked: page.enterConfig()
            }
        }
    }

    FunctionMainLayout {
        id: workspace
        objectName: "driverWorkspace"
        width: parent.width
        height: parent.height
        y: page.workspaceShown ? 0 : page.height
        visible: y < page.height
        Behavior on y { NumberAnimation { duration: 500; easing.type: Easing.InOutQuad } }
        mode: 3
        toast: toast
        selectedIndex: page.selectedIndex
        onButtonClicked: page.selectedIndex = index
        onBackClicked: {
            page.workspaceShown = false
            page.manager.disconnectDevice()
        }
    }

    PageToast { id: toast; objectName: "pageToast" }
}
