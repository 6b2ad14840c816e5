// Hexadecimal text typed by the user or read from printtest.ini, turned into
// the bytes sent to the printer (pages and serial port).
#include "FuzzTarget.h"

#include "services/HelperFunction.h"
#include "transport/serial/SerialPortManager.h"

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzInput::setUpQuietProcess(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray raw = FuzzInput::bytes(data, size);
    const QString text = QString::fromUtf8(raw);
    const QByteArray bytes = HelperFunction::parseHexText(text);
    SerialPortManager::parseHexText(text);
    SerialPortManager::parseHexText(QString::fromLatin1(raw));
    // Bytes written as text read back as the same bytes.
    const QByteArray again = HelperFunction::parseHexText(HelperFunction::toHexText(bytes));
    if (again != bytes)
        std::abort();
    return 0;
}
