import QtQuick 2.15

// CODABAR keypad: the start/stop letters A to D, $ + - . / : and digits.
KVZCharInputDialog {
    rule: "CODEBAR"
    keys: ["A", "B", "C", "D", "$", "+", "-", ".", "/", ":",
           "0", "1", "2", "3", "4", "5", "6", "7", "8", "9"]
}
