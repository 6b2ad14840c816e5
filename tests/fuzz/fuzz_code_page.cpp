// Code-page conversion between text and hexadecimal bytes: any bytes under a
// code page and any text into one, including the page names themselves.
#include "FuzzTarget.h"

#include "text/CodePage437.h"
#include "text/TextEncoding.h"
#include "services/HelperFunction.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzInput::setUpQuietProcess(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const char *const pages[] = {"GBK", "IBM437", "IBM850", "IBM860", "IBM863", "IBM865", "Windows-1252",
                                        "ISO-8859-1", "UTF-8", "Shift_JIS", "KOI8-R", "no-such-page"};
    if (size < 1)
        return 0;
    const QString page = QString::fromLatin1(pages[data[0] % (sizeof pages / sizeof *pages)]);
    const QByteArray raw = FuzzInput::bytes(data + 1, size - 1);
    HelperFunction helper;
    const QString hex = QString::fromLatin1(raw.toHex(' '));
    const QString text = helper.hexToStringWithCodePage(hex, page);
    helper.stringToHexWithCodePage(text, page);
    helper.stringToHexWithCodePage(QString::fromUtf8(raw), page);
    helper.stringToGbkHex(QString::fromUtf8(raw));
    TextEncoding::unencodableNotice(text, page);
    TextEncoding::unencodableNotice(QString::fromUtf8(raw), page);
    helper.hexToStringWithCodePage(QString::fromUtf8(raw), QString::fromUtf8(raw.left(12)));
    int error = 0;
    CodePage437::encode(CodePage437::decode(raw), &error);
    CodePage437::encode(QString::fromUtf8(raw), &error);
    return 0;
}
