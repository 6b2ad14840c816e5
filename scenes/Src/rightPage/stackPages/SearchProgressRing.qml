import QtQuick 2.15

// The LAN search's progress: a grey ring with a blue arc running clockwise
// from the top over progress/100 of the circle, and the percentage inside.
Item {
    id: ring
    property int progress: 0

    implicitWidth: 100
    implicitHeight: 100
    Accessible.role: Accessible.ProgressBar
    Accessible.name: label.text

    onProgressChanged: canvas.requestPaint()

    Canvas {
        id: canvas
        anchors.fill: parent
        onPaint: {
            var ctx = getContext("2d")
            ctx.reset()
            var cx = width / 2, cy = height / 2
            ctx.lineWidth = 8
            ctx.strokeStyle = "#ecf0f1"
            ctx.beginPath()
            ctx.arc(cx, cy, 40, 0, 2 * Math.PI)
            ctx.stroke()
            var fraction = Math.max(0, Math.min(100, ring.progress)) / 100
            if (fraction > 0) {
                ctx.strokeStyle = "#3498db"
                ctx.lineCap = "round"
                ctx.beginPath()
                ctx.arc(cx, cy, 40, -Math.PI / 2, -Math.PI / 2 + fraction * 2 * Math.PI)
                ctx.stroke()
            }
        }
    }

    Text {
        id: label
        objectName: "searchProgressText"
        anchors.centerIn: parent
        text: Math.round(ring.progress) + "%"
        font.bold: true
        font.pixelSize: 20
        color: "#2c3e50"
    }
}
