import QtQuick 2.15
import QtQuick.Layouts 1.15
import "../basic"

// Three fields R, G, B (0-255) and a swatch of the colour they make. A typed
// value outside 0-255 is pulled back to the nearest end at once.
Item {
    id: root

    property int redValue: 0
    property int greenValue: 0
    property int blueValue: 0
    readonly property color selectedColor: Qt.rgba(redValue / 255, greenValue / 255, blueValue / 255, 1)
    // Prefix for the fields' accessible names ("工作灯 R:"), so that the
    // pickers of one page can be told apart.
    property string accessiblePrefix: ""

    implicitWidth: row.implicitWidth
    implicitHeight: row.implicitHeight

    function clamp(text) {
        var n = parseInt(text, 10)
        if (isNaN(n))
            return 0
        return Math.max(0, Math.min(255, n))
    }

    RowLayout {
        id: row
        spacing: 6
        Rectangle {
            objectName: "colorSwatch"
            width: 30
            height: 30
            radius: 4
            color: root.selectedColor
            border.color: "#BABCC4"
        }
        Repeater {
            model: [
                { label: "R:", hint: "R(0-255)", key: "redValue" },
                { label: "G:", hint: "G(0-255)", key: "greenValue" },
                { label: "B:", hint: "B(0-255)", key: "blueValue" }
            ]
            RowLayout {
                spacing: 2
                Text {
                    text: modelData.label
                    font.family: BasicConfig.commFont
                    font.pixelSize: 16
                    Accessible.ignored: true
                }
                KVZTextField {
                    objectName: "color" + modelData.label.charAt(0)
                    implicitWidth: 80
                    implicitHeight: 32
                    placeholderText: modelData.hint
                    text: String(root[modelData.key])
                    validator: RegularExpressionValidator { regularExpression: /-?[0-9]{0,4}/ }
                    Accessible.name: (root.accessiblePrefix !== "" ? root.accessiblePrefix + " " : "") + modelData.label
                    onTextEdited: {
                        if (text === "" || text === "-")
                            return
                        var v = root.clamp(text)
                        root[modelData.key] = v
                        if (String(v) !== text)
                            text = String(v)
                    }
                    onEditingFinished: {
                        root[modelData.key] = root.clamp(text)
                        text = String(root[modelData.key])
                    }
                }
            }
        }
    }
}
