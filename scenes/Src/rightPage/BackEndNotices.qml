import QtQuick 2.15
import "stackPages"

// Notices that come from the back end rather than from a page: a setting that
// could not be stored, a text refused before anything was sent.
PageToast {
    id: notices
    objectName: "backEndNotices"

    Connections {
        target: configManager
        function onSaveFailed(key, message) { notices.showError(message, 3000) }
    }

    Connections {
        target: deviceViewModel ? deviceViewModel.communication : null
        ignoreUnknownSignals: true
        function onSigInputRefused(message) { notices.showError(message, 3000) }
    }
}
