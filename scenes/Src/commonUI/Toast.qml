import QtQuick 2.15

// Toast manager, laid over a page. showMessage() adds a notice; notices stack
// from the top in the order they were shown and close up when one expires.
Item {
    id: root

    enum Position { Center, TopCenter, TopRight }

    property color bgColor: "#CC000000"
    property color textColor: "white"
    property int borderRadius: 8
    property int fontSize: 14
    property int position: 1 // Toast.Position.TopCenter
    property int margin: 20
    property int spacing: 10
    property int iconSize: 20

    // The live notices, oldest first.
    property var toasts: []
    readonly property int count: toasts.length

    readonly property int defaultDuration: 3000

    function showMessage(msg, dur, icon, bgColor, textColor) {
        const toast = toastComponent.createObject(root, {
            message: msg === undefined ? "" : String(msg),
            duration: dur > 0 ? dur : defaultDuration,
            iconSource: icon ? icon : "",
            backgroundColor: bgColor ? bgColor : root.bgColor,
            foregroundColor: textColor ? textColor : root.textColor
        })
        if (!toast)
            return null
        toasts = toasts.concat([toast])
        layout()
        toast.start()
        return toast
    }

    function remove(toast) {
        const i = toasts.indexOf(toast)
        if (i < 0)
            return
        const rest = toasts.slice()
        rest.splice(i, 1)
        toasts = rest
        layout()
    }

    function layout() {
        let y = margin
        for (let i = 0; i < toasts.length; ++i) {
            const t = toasts[i]
            if (!t.visible)
                continue
            if (position === 0) {                       // Center
                t.x = (width - t.width) / 2
                t.y = (height - t.height) / 2 + (y - margin)
            } else if (position === 2) {                // TopRight
                t.x = width - t.width - margin
                t.y = y
            } else {                                    // TopCenter
                t.x = (width - t.width) / 2
                t.y = y
            }
            y += t.height + spacing
        }
    }

    onWidthChanged: layout()
    onHeightChanged: layout()

    Component {
        id: toastComponent
        ToastItem {
            manager: root
            radius: root.borderRadius
            fontSize: root.fontSize
            iconSize: root.iconSize
        }
    }
}
