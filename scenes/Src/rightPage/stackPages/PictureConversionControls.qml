import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../basic"
import "../../commonUI"

// How pictures become dots, for logos and the test picture alike: the method,
// brightness, contrast and inversion of a PicturePreview. A change shows at
// once in the preview; it is stored (printtest.ini) when it is made: a slider
// when it is let go or moved by a key.
GridLayout {
    id: root

    // The PicturePreview whose choices these are.
    property var preview: null
    property int rowHeight: 36
    property int sliderWidth: 180

    columns: 3
    columnSpacing: 8
    rowSpacing: 6

    function methodLabel(name) {
        switch (name) {
        case "threshold": return qsTr("阈值")
        case "floyd-steinberg": return qsTr("误差扩散 (Floyd–Steinberg)")
        case "atkinson": return qsTr("误差扩散 (Atkinson)")
        case "bayer": return qsTr("有序抖动 (Bayer 8×8)")
        }
        return name
    }

    Text {
        id: methodLabelText
        text: qsTr("转换方式:")
        font.family: BasicConfig.commFont
        font.pixelSize: 15
        color: "#4A4B4E"
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }
    KVZCombobox {
        id: methodChoice
        objectName: "ditherMethod"
        Layout.columnSpan: 2
        Layout.preferredWidth: root.sliderWidth + 50
        implicitHeight: root.rowHeight
        textSize: 14
        listTextSize: 14
        model: root.preview ? root.preview.methods.map(root.methodLabel) : []
        currentIndex: root.preview ? root.preview.methods.indexOf(root.preview.method) : -1
        Accessible.description: methodLabelText.text
        onActivated: {
            root.preview.method = root.preview.methods[index]
            root.preview.store()
        }
    }

    Text {
        id: brightnessLabel
        text: qsTr("亮度:")
        font.family: BasicConfig.commFont
        font.pixelSize: 15
        color: "#4A4B4E"
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }
    Slider {
        id: brightness
        objectName: "brightness"
        Layout.preferredWidth: root.sliderWidth
        implicitHeight: root.rowHeight
        from: root.preview ? root.preview.minAdjustment : -100
        to: root.preview ? root.preview.maxAdjustment : 100
        stepSize: 1
        snapMode: Slider.SnapAlways
        value: root.preview ? root.preview.brightness : 0
        Accessible.role: Accessible.Slider
        Accessible.name: brightnessLabel.text
        onMoved: {
            root.preview.brightness = value
            if (!pressed)
                root.preview.store()
        }
        onPressedChanged: if (!pressed && root.preview) root.preview.store()
    }
    Text {
        objectName: "brightnessValue"
        Layout.preferredWidth: 36
        text: String(brightness.value)
        font.family: BasicConfig.commFont
        font.pixelSize: 15
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }

    Text {
        id: contrastLabel
        text: qsTr("对比度:")
        font.family: BasicConfig.commFont
        font.pixelSize: 15
        color: "#4A4B4E"
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }
    Slider {
        id: contrast
        objectName: "contrast"
        Layout.preferredWidth: root.sliderWidth
        implicitHeight: root.rowHeight
        from: root.preview ? root.preview.minAdjustment : -100
        to: root.preview ? root.preview.maxAdjustment : 100
        stepSize: 1
        snapMode: Slider.SnapAlways
        value: root.preview ? root.preview.contrast : 0
        Accessible.role: Accessible.Slider
        Accessible.name: contrastLabel.text
        onMoved: {
            root.preview.contrast = value
            if (!pressed)
                root.preview.store()
        }
        onPressedChanged: if (!pressed && root.preview) root.preview.store()
    }
    Text {
        objectName: "contrastValue"
        Layout.preferredWidth: 36
        text: String(contrast.value)
        font.family: BasicConfig.commFont
        font.pixelSize: 15
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }

    KVZCheckBox {
        id: invertBox
        objectName: "invertPicture"
        Layout.columnSpan: 2
        text: qsTr("反相")
        fontTextSize: 15
        onClicked: {
            root.preview.invert = checked
            root.preview.store()
        }
    }
    KVZPushButton {
        objectName: "resetAdjustments"
        buttonWidth: 60
        buttonHeight: 30
        textSize: 14
        buttonText: qsTr("重置")
        onClicked: {
            root.preview.brightness = 0
            root.preview.contrast = 0
            root.preview.invert = false
            root.preview.store()
        }
    }
    // The box toggles itself; the stored choice (also from another page) wins.
    Binding {
        target: invertBox
        property: "checked"
        value: root.preview ? root.preview.invert : false
    }
}
