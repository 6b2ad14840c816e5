import QtQuick 2.15
import "../../commonUI"

// The notice manager of a connection page, top centre, with the two looks the
// pages use: errors and confirmations.
Toast {
    id: toast
    anchors.fill: parent
    z: 1000
    position: Toast.Position.TopCenter
    margin: 20

    function showError(message, duration) {
        bgColor = "#FDE7E9"
        textColor = "black"
        showMessage(message, duration, "qrc:/img/Resources/commonUI/errorTips.png")
    }

    function showConfirmation(message, duration) {
        bgColor = "#B7F5BB"
        textColor = "black"
        showMessage(message, duration, "qrc:/img/Resources/commonUI/CorrectPrompt.png")
    }
}
