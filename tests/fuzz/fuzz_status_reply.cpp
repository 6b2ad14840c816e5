// Real-time status replies: any bytes a printer sends after DLE EOT n, under
// every answer name, decoded as the pages and the helper decode them.
#include "FuzzTarget.h"

#include "commands/PrinterReplyReader.h"
#include "commands/RealTimeStatusForm.h"
#include "commands/StatusReply.h"
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
    // The same bytes as pieces read from a line, a request before each
    // answer: the first byte of a piece says its length and whether a new
    // request leaves first.
    PrinterReplyReader reader;
    for (int at = 0; at < reply.size();) {
        const quint8 head = quint8(reply.at(at++));
        if (head & 0x80)
            reader.expect(head & 0x40 ? PrinterReplyReader::Reply::Any : PrinterReplyReader::Reply::RealTimeStatus);
        const QByteArray piece = reply.mid(at, head & 0x0f);
        at += piece.size();
        if (head & 0x20)
            reader.drop(piece);
        else if (reader.feed(piece) == PrinterReplyReader::State::Answered
                 && reader.reply() == PrinterReplyReader::Reply::RealTimeStatus
                 && !StatusReply::isStatusByte(reader.statusByte()))
            __builtin_trap(); // a byte that is no status taken as one
    }
    return 0;
}
