import QtQuick 2.15

// CODE39 keypad: digits, capital letters, space and $ % + - . / *.
KVZCharInputDialog {
    rule: "CODE39"
    keys: ["0", "1", "2", "3", "4", "5", "6", "7", "8", "9",
           "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
           "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z",
           "SP", "$", "%", "+", "-", ".", "/", "*"]
}
