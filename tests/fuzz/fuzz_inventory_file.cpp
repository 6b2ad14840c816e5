// Inventory files: any bytes read as quillmark inventory reads them. Either
// refused with a message or an inventory whose every entry has a MAC address
// and an address; what it writes reads back as the same inventory.
#include "FuzzTarget.h"

#include "fleet/PrinterInventory.h"

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzInput::setUpQuietProcess(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    PrinterInventory inventory;
    QString error;
    if (!PrinterInventory::parse(FuzzInput::bytes(data, size), &inventory, &error)) {
        if (error.isEmpty())
            std::abort();
        return 0;
    }
    for (const PrinterInventory::Entry &e : inventory.entries) {
        if (!PrinterInventory::isMac(e.mac) || e.address.isEmpty())
            std::abort();
    }
    PrinterInventory again;
    if (!PrinterInventory::parse(inventory.toJson(), &again, &error) || again.entries.size() != inventory.entries.size())
        std::abort();
    return 0;
}
