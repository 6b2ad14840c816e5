// Targets files: any bytes read as the exporter reads them. Every line is
// either a target or a problem with its number; what format() writes of the
// targets reads back as the same targets, without problems.
#include "FuzzTarget.h"

#include "fleet/TargetFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzInput::setUpQuietProcess(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = FuzzInput::bytes(data, size);
    const TargetFile file = TargetFile::parse(bytes);
    const int lines = bytes.count('\n') + 1;
    for (const TargetFile::Problem &p : file.problems) {
        if (p.line < 1 || p.line > lines || p.message.isEmpty())
            std::abort();
    }
    for (const PrinterTarget &t : file.targets) {
        if (t.line < 1 || t.line > lines || t.address.isEmpty())
            std::abort();
    }
    const TargetFile again = TargetFile::parse(TargetFile::format(file.targets));
    if (!again.problems.isEmpty() || again.targets != file.targets)
        std::abort();
    return 0;
}
