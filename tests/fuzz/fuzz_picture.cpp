// Picture files chosen for a logo or the test print: decoded, bounded, scaled
// and packed into FS q. The header must always describe the data after it.
#include "FuzzTarget.h"

#include "commands/LogoCommands.h"

#include <QDir>
#include <QFile>

#include <cstdlib>

namespace {
QString g_path;
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzInput::setUpQuietProcess(argc, argv);
    g_path = QDir(FuzzInput::scratchFolder()).filePath(QStringLiteral("picture"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 4)
        return 0;
    // Two bytes each: the limits from printtest.ini (any value, signed).
    const int maxWidth = qint16(data[0] << 8 | data[1]) * 3;
    const int maxHeight = qint16(data[2] << 8 | data[3]) * 3;
    QFile file(g_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char *>(data + 4), qint64(size - 4));
    file.close();
    const QByteArray block = LogoCommands::defineLogo(1, g_path, maxWidth, maxHeight);
    if (block.size() < 7)
        std::abort();
    const int xL = quint8(block.at(3));
    const int yL = quint8(block.at(5));
    if (block.at(4) != 0 || block.at(6) != 0 || block.size() != 7 + xL * 8 * yL)
        std::abort();
    return 0;
}
