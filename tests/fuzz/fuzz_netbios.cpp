// NetBIOS node-status replies (UDP 137) from any host on the segment.
#include "FuzzTarget.h"

#include "platform/NetbiosNameQuery.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzInput::setUpQuietProcess(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray reply = FuzzInput::bytes(data, size);
    // The transaction id the reply claims, so that the parser gets past it.
    const quint16 id = size >= 2 ? quint16(data[0] << 8 | data[1]) : 0;
    QString name;
    QString unitId;
    NetbiosNameQuery::parseNodeStatusReply(reply, id, &name, &unitId);
    NetbiosNameQuery::parseNodeStatusReply(reply, quint16(id + 1), &name);
    return 0;
}
