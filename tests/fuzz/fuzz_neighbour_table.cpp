// The kernel's neighbour table (/proc/net/arp) as text, searched for an address.
#include "FuzzTarget.h"

#include "platform/LinuxNeighbourTable.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzInput::setUpQuietProcess(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray table = FuzzInput::bytes(data, size);
    QString entry;
    LinuxNeighbourTable::macFromArpTable(table, QStringLiteral("192.168.1.23"), &entry);
    LinuxNeighbourTable::macFromArpTable(table, QStringLiteral("127.0.0.1"), &entry);
    // The address asked for taken from the input as well.
    const int nl = table.indexOf('\n');
    if (nl > 0)
        LinuxNeighbourTable::macFromArpTable(table.mid(nl + 1), QString::fromLatin1(table.left(nl)), &entry);
    return 0;
}
