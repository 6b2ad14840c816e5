import QtQuick 2.15
import QtQuick.Controls 2.15

// Round title-bar button with an icon drawn on a canvas (`iconKind`: "about",
// "minimize" or "close"). Hovering fills it, redraws the icon in `lineColor`
// and enlarges the icon; the tooltip shows at once.
Rectangle {
    id: root

    property color hoveredColor: "#808080"
    property color lineColor: "#FFFFFF"
    property int animationDuration: 300
    property string tooltipText: ""
    property string iconKind: "about"
    property bool turnOnHover: false
    readonly property bool hovered: mouseArea.containsMouse

    signal clicked()

    width: 50
    height: 50
    radius: width / 2
    color: hovered ? hoveredColor : "transparent"
    border.width: activeFocus ? 2 : 0
    border.color: "#2F7EFF"
    Behavior on color { ColorAnimation { duration: root.animationDuration } }

    activeFocusOnTab: true
    Keys.onSpacePressed: root.clicked()
    Keys.onReturnPressed: root.clicked()

    Accessible.role: Accessible.Button
    Accessible.name: tooltipText
    Accessible.focusable: true
    Accessible.onPressAction: root.clicked()

    ToolTip.visible: hovered && tooltipText !== ""
    ToolTip.delay: 0
    ToolTip.text: tooltipText

    Canvas {
        id: icon
        anchors.fill: parent
        anchors.margins: 12
        scale: root.hovered ? 1.2 : 1.0
        rotation: root.turnOnHover && root.hovered ? 180 : 0
        Behavior on scale { NumberAnimation { duration: root.animationDuration; easing.type: Easing.OutBack } }
        Behavior on rotation { NumberAnimation { duration: root.animationDuration } }

        property color stroke: root.hovered ? root.lineColor : "#000000"
        onStrokeChanged: requestPaint()

        onPaint: {
            const ctx = getContext("2d")
            ctx.reset()
            ctx.strokeStyle = stroke
            ctx.fillStyle = stroke
            ctx.lineWidth = 2
            ctx.lineCap = "round"
            const w = width, h = height, cx = w / 2, cy = h / 2
            if (root.iconKind === "about") {
                const r = Math.min(w, h) / 2 - 1
                ctx.beginPath(); ctx.arc(cx, cy, r, 0, 2 * Math.PI); ctx.stroke()
                ctx.beginPath(); ctx.arc(cx, cy - r * 0.45, 1.6, 0, 2 * Math.PI); ctx.fill()
                ctx.beginPath(); ctx.moveTo(cx, cy - r * 0.1); ctx.lineTo(cx, cy + r * 0.55); ctx.stroke()
            } else if (root.iconKind === "minimize") {
                ctx.beginPath(); ctx.moveTo(cx - w / 4, cy); ctx.lineTo(cx + w / 4, cy); ctx.stroke()
            } else {
                const d = Math.min(w, h) / 3
                ctx.beginPath()
                ctx.moveTo(cx - d, cy - d); ctx.lineTo(cx + d, cy + d)
                ctx.moveTo(cx + d, cy - d); ctx.lineTo(cx - d, cy + d)
                ctx.stroke()
            }
        }
    }

    MouseArea {
        id: mouseArea
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: root.clicked()
    }
}
