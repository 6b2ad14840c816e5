import QtQuick 2.15

// CODE93 keypad: as CODE39, with the letters switchable to lower case
// (CODE93 carries the whole ASCII range).
KVZCharInputDialog {
    rule: "CODE93"
    caseSwitch: true
    keys: ["0", "1", "2", "3", "4", "5", "6", "7", "8", "9",
           "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
           "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z",
           "SP", "$", "%", "+", "-", ".", "/", "*"]
}
