#pragma once

// Every fuzz target defines LLVMFuzzerTestOneInput (and, when it needs a
// set-up, LLVMFuzzerInitialize). Built with -DQM_BUILD_FUZZ=ON and clang the
// target links libFuzzer; otherwise ReplayMain.cpp runs it over files.

#include <cstddef>
#include <cstdint>

#include <QByteArray>
#include <QString>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv);

namespace FuzzInput {

// The input as a byte array that does not copy it.
inline QByteArray bytes(const uint8_t *data, size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
}

// A private folder for the files a target writes, on a memory file system
// when the machine has one (/dev/shm), removed when the process exits.
QString scratchFolder();

// Quiet, file-free logging and one application object for the whole run.
void setUpQuietProcess(int *argc, char ***argv);

} // namespace FuzzInput
