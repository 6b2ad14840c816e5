#pragma once

#include <QString>
#include <QtGlobal>

class IoCanceller;

// A printer device node opened for non-blocking reads and writes. Reads and
// writes may run at the same time from different threads; each waits until
// it can proceed, its canceller is cancelled, or its time limit passes.
// Writes from different threads never interleave: each block goes out whole
// (or is cut short) before another write starts.
// Only open() and close() change the object, and only while no operation runs.
class DeviceIo
{
public:
    enum class Status { Ok, Cancelled, TimedOut, Failed };

    struct Result
    {
        Status status = Status::Failed;
        qint64 bytes = 0; // bytes moved, also for a write cut short
        int error = 0;    // the system's error code when status is Failed
    };

    static constexpr int NoTimeLimit = -1;

    virtual ~DeviceIo();

    virtual bool open(const QString &path) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // Waits for data and reads at most maxBytes; Ok with 0 bytes at end of file.
    virtual Result read(char *buffer, qint64 maxBytes, const IoCanceller *canceller, int timeoutMs) = 0;
    // Writes all length bytes; anything short of that is reported with the
    // bytes written so far.
    virtual Result write(const char *data, qint64 length, const IoCanceller *canceller, int timeoutMs) = 0;
};
