import QtQuick 2.15
import QtQuick.Window 2.15
import "Src/basic"
import "Src/commonUI"
import "Src/topTitle"
import "Src/leftPage"
import "Src/rightPage"
import "Src/statusPage"

// The main window: title bar on top, navigation at the left, the page of the
// selected transport at the right, status bar at the bottom.
KVZWindow {
    id: mainWindow
    objectName: "mainWindow"
    width: 1040
    height: 780
    visible: true
    title: "QuillmarkSystem"
    backgroundColor: "#E5E6ED"

    Component.onCompleted: {
        logger.info(qsTr("窗口尺寸: ") + width + "x" + height)
        logger.info(qsTr("版本号: ") + BasicConfig.versionNum)
    }

    TopTitle {
        id: topTitle
        objectName: "topTitle"
        hostWindow: mainWindow
        anchors { left: parent.left; right: parent.right; top: parent.top }
        height: 70
    }

    LeftPage {
        id: leftPage
        objectName: "leftPage"
        hostWindow: mainWindow
        anchors { left: parent.left; top: topTitle.bottom; bottom: statusPage.top }
        width: 210
    }

    RightPage {
        id: rightPage
        objectName: "rightPage"
        anchors { left: leftPage.right; right: parent.right; top: topTitle.bottom; bottom: statusPage.top }
    }

    StatusPage {
        id: statusPage
        objectName: "statusPage"
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
        height: 30
    }
}
