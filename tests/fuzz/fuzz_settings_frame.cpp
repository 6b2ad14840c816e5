// Settings frames as the printer receives them (10 code direction 00 length
// data sum) and the replies it builds, run through the virtual printer.
#include "FuzzTarget.h"

#include "VpEventLog.h"
#include "VpPrinterCore.h"
#include "VpState.h"

#include <QCoreApplication>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication *app = new QCoreApplication(*argc, *argv);
    Q_UNUSED(app);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    VpState state;
    VpEventLog log;
    VpPrinterCore core(&state, &log, 576, QString());
    // The input split where it says 10 Ax, so each frame is also tried at a
    // piece boundary.
    const QByteArray stream = FuzzInput::bytes(data, size);
    int at = 0;
    while (at < stream.size()) {
        int next = stream.indexOf('\x10', at + 1);
        if (next < 0)
            next = stream.size();
        core.feed(QStringLiteral("fuzz"), stream.mid(at, next - at));
        at = next;
    }
    core.endStream(QStringLiteral("fuzz"));
    return 0;
}
