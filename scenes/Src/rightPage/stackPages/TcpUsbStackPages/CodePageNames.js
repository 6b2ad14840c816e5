.pragma library

// The code pages offered for text printing, in their fixed order (the saved
// choice is a position in this list): text-codec names that the back end's
// conversion knows, "GBK" at position 28.
var names = [
    "ASMO-708", "Big5", "Big5-HKSCS", "cp037", "CP1026", "cp1047", "CP273", "CP437", "CP500", "cp775",
    "cp850", "cp852", "cp855", "cp857", "cp858", "cp860", "cp861", "cp862", "cp863", "cp864", "cp865",
    "cp866", "cp869", "DOS-862", "EUC-JP", "EUC-KR", "GB18030", "GB2312", "GBK", "hp-roman8", "HZ-GB-2312",
    "ibm-1168", "ibm-1383", "ibm-eucCN", "ibm-eucKR", "IBM-Thai", "IBM00858", "IBM01140", "IBM01141",
    "IBM01142", "IBM01143", "IBM01144", "IBM01145", "IBM01146", "IBM01147", "IBM01148", "IBM01149", "IBM037",
    "IBM1026", "IBM1047", "IBM273", "IBM277", "IBM278", "IBM280", "IBM284", "IBM285", "IBM290", "IBM297",
    "IBM420", "IBM424", "IBM437", "IBM500", "IBM775", "IBM850", "IBM851", "IBM852", "IBM855", "IBM857",
    "IBM860", "IBM861", "IBM862", "IBM863", "IBM864", "IBM865", "IBM866", "IBM868", "IBM869", "IBM870",
    "IBM871", "IBM918", "IBM943", "ISO-10646-UCS-2", "ISO-10646-UCS-4", "ISO-2022-CN", "ISO-2022-CN-EXT",
    "ISO-2022-JP", "ISO-2022-JP-1", "ISO-2022-JP-2", "ISO-2022-KR", "ISO-8859-1", "ISO-8859-10",
    "ISO-8859-13", "ISO-8859-14", "ISO-8859-15", "ISO-8859-16", "ISO-8859-2", "ISO-8859-3", "ISO-8859-4",
    "ISO-8859-5", "ISO-8859-6", "ISO-8859-6-E", "ISO-8859-6-I", "ISO-8859-7", "ISO-8859-8", "ISO-8859-8-E",
    "ISO-8859-8-I", "ISO-8859-9", "KOI8-R", "KOI8-U", "KSC_5601", "Latin1", "macintosh", "roman8", "SCSU",
    "Shift_JIS", "TIS-620", "TSCII", "US-ASCII", "UTF-16", "UTF-16BE", "UTF-16LE", "UTF-32", "UTF-32BE",
    "UTF-32LE", "UTF-7", "UTF-8", "windows-1250", "windows-1251", "windows-1252", "windows-1253",
    "windows-1254", "windows-1255", "windows-1256", "windows-1257", "windows-1258", "windows-31j",
    "windows-874", "windows-932", "windows-936", "windows-949"
]

var gbkIndex = 28
