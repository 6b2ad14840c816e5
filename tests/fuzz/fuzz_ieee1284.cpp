// IEEE 1284 device ids a USB printer reports ("MFG:...;MDL:...;").
#include "FuzzTarget.h"

#include "platform/Ieee1284Id.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzInput::setUpQuietProcess(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray raw = FuzzInput::bytes(data, size);
    for (const QString &id : {QString::fromUtf8(raw), QString::fromLatin1(raw)}) {
        Ieee1284Id::model(id);
        Ieee1284Id::manufacturer(id);
        Ieee1284Id::field(id, {QStringLiteral("CMD"), QStringLiteral("COMMAND SET"), QString()});
    }
    return 0;
}
