import QtQuick 2.15

// The plain navigation button: the right icon sits 10 px after the text, keeps
// its size and direction, and turns blue under the pointer.
KVZLeftIconButton {
    rightIconGap: 10
    rightIconScale: 1.0
    rightIconTurns: false
    rightIconHoverColor: "#2F7EFF"
}
