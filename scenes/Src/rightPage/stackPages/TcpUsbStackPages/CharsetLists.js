.pragma library

// International character sets as the printer models number them: the
// entries of L7S and L7N printers are "number:description" and the number
// before the colon is sent; other printers take the position in the
// standard list of countries (given translated by the page).

var l7s = [
    "0:PC437 [U.S.A., Standard Europe]", "1:Katakana", "2:PC850 [Multilingual]", "3:PC860 [Portuguese]",
    "4:PC863 [Canadian-French]", "5:PC865 [Nordic]", "6:Code page 6", "7:Code page 7", "8:Code page 8",
    "9:Code page 9", "10:Code page 10", "15:ISO8859-7 [Greek]", "16:WPC1252", "17:PC866 [Cyrillic #2]",
    "18:PC852 [Latin 2]", "19:PC858 [Euro]", "20:Thai 42", "21:Thai 11", "22:Thai 13", "23:Thai 14",
    "24:Thai 16", "25:Thai 17", "26:Thai 18", "27:Code page 27", "28:Code page 28", "29:Code page 29", "30:TCVN-3 [Vietnamese]",
    "31:TCVN-3 [Vietnamese]", "32:PC720 [Arabic]", "33:WPC775 [Baltic Rim]", "34:PC855 [Cyrillic]",
    "35:PC861 [Icelandic]", "36:PC862 [Hebrew]", "37:PC864 [Arabic]", "38:PC869 [Greek]",
    "39:ISO8859-2 [Latin 2]", "40:ISO8859-15 [Latin 9]", "41:PC1098 [Farsi]", "42:PC1118 [Lithuanian]",
    "43:PC1119 [Lithuanian]", "44:PC1125 [Ukrainian]", "45:WPC1250 [Latin 2]", "46:WPC1251 [Cyrillic]",
    "47:WPC1253 [Greek]", "1:Katakana"
]

var l7n = [
    "0:PC437 [U.S.A., Standard Europe]", "1:Katakana", "2:PC850 [Multilingual]", "3:PC860 [Portuguese]",
    "4:PC863 [Canadian-French]", "5:PC865 [Nordic]", "6:Code page 6", "7:Code page 7", "8:Code page 8",
    "9:Code page 9", "10:Code page 10", "16:WPC1252", "17:PC866 [Cyrillic #2]", "18:PC852 [Latin 2]",
    "19:PC858 [Euro]", "20:Thai 42", "21:Thai 11", "22:Thai 13", "23:Thai 14", "24:Thai 16", "25:Thai 17",
    "27:Code page 27", "28:Code page 28", "31:TCVN-3 [Vietnamese]", "32:PC720 [Arabic]", "50:WPC1256 [Arabic]",
    "52:WPC1258 [Vietnamese]", "53:KZ-1048 [Kazakhstan]", "54:Code page 54", "55:Code page 55",
    "56:Code page 56", "57:Code page 57", "58:Code page 58", "59:Code page 59", "60:Code page 60",
    "61:Code page 61", "62:Code page 62", "63:Code page 63", "64:Code page 64", "65:Code page 65",
    "66:Code page 66", "68:Code page 68", "69:Code page 69", "71:Code page 71", "73:Code page 73",
    "74:Code page 74", "76:Code page 76", "77:Code page 77", "78:Code page 78", "79:Code page 79",
    "80:Code page 80", "81:Code page 81", "83:Code page 83", "84:Code page 84", "85:Code page 85",
    "86:Code page 86", "87:Code page 87", "88:Code page 88", "89:Code page 89", "90:Code page 90",
    "91:Code page 91", "92:Code page 92", "93:Code page 93", "94:Code page 94", "95:Code page 95",
    "96:Code page 96", "255:Space page"
]

// The number an entry stands for: the text before its colon.
function numberOf(entry) {
    return parseInt(String(entry).split(":")[0], 10)
}
