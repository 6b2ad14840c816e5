// The web page a host on port 80 serves during a LAN search, recognised as a
// printer model (and logged as an excerpt).
#include "FuzzTarget.h"

#include "app/base/Logger.h"
#include "transport/tcp/HostIdentifier.h"

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzInput::setUpQuietProcess(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray page = FuzzInput::bytes(data, size);
    HostIdentifier::recognizeModel(page);
    // Whatever the page holds, its excerpt is one bounded line.
    const QString excerpt = Logger::oneLine(QString::fromLocal8Bit(page), Logger::MaxExcerptChars);
    if (excerpt.contains(QLatin1Char('\n')) || excerpt.contains(QLatin1Char('\r'))
        || excerpt.size() > Logger::MaxExcerptChars * 6 + 32)
        std::abort();
    return 0;
}
