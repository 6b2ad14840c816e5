.pragma library

// Which characters each one-dimensional symbology can carry, as the printer
// encodes them (GS k, second form). Used by the keypads and by the barcode page
// before anything is sent.

var patterns = {
    "CODE39": /^[0-9A-Z $%+\-.\/*]+$/,
    "CODE93": /^[0-9A-Za-z $%+\-.\/*]+$/,
    "CODEBAR": /^[0-9A-D$+\-.\/:]+$/,
    "DIGITS": /^[0-9]+$/,
    "CODE128": /^[\x20-\x7E]+$/
}

function matches(kind, text) {
    var p = patterns[kind]
    return p !== undefined && p.test(text)
}

// What is wrong with a digit-only content: "" (nothing), "empty", "digits",
// "even" or "length". maxLength is the longest content; one digit less is
// accepted too (the printer adds the check digit), or with evenFlag any even
// count up to maxLength.
function digitProblem(text, maxLength, evenFlag) {
    if (text.length === 0)
        return "empty"
    if (!/^[0-9]+$/.test(text))
        return "digits"
    if (evenFlag)
        return text.length % 2 === 0 && text.length <= maxLength ? "" : "even"
    if (text.length !== maxLength && text.length !== maxLength - 1)
        return "length"
    return ""
}
