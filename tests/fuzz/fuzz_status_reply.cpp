// Real-time status replies: any bytes a printer sends after DLE EOT n, under
// every answer name, decoded as the pages and the helper decode them.
#include "FuzzTarget.h"

#include "commands/RealTimeStatusForm.h"
#include "services/HelperFunction.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzInput::setUpQuietProcess(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    // First byte: which answer was asked for (the last ones are unknown names).
    const QString cmd = RealTimeStatusForm::statusName(data[0] % 6);
    const QByteArray reply = FuzzInput::bytes(data + 1, size - 1);
    const QString payload = QString::fromLatin1(reply.toHex(' '));
    RealTimeStatusForm::decodeReply(cmd, payload);
    // The payload as text that did not come from toHex: odd pieces, blanks.
    RealTimeStatusForm::decodeReply(cmd, QString::fromLatin1(reply));
    HelperFunction helper;
    helper.decodeStatusReply(cmd, payload);
    helper.decodeStatusReply(QString::fromLatin1(reply.left(16)), payload);
    return 0;
}
