#pragma once

#include "platform/DeviceIo.h"

#include <atomic>
#include <condition_variable>
#include <mutex>

// DeviceIo on a Linux device node (/dev/usb/lpN, or a pty standing in for a
// printer): opened with O_NONBLOCK, every wait a poll() on the node and the
// canceller's wake-up descriptor. Writes from different threads take turns:
// a block goes out whole before the next one starts.
class PosixDeviceIo : public DeviceIo
{
public:
    PosixDeviceIo() = default;
    ~PosixDeviceIo() override;

    bool open(const QString &path) override;
    void close() override;
    bool isOpen() const override { return m_fd.load() >= 0; }

    Result read(char *buffer, qint64 maxBytes, const IoCanceller *canceller, int timeoutMs) override;
    Result write(const char *data, qint64 length, const IoCanceller *canceller, int timeoutMs) override;

private:
    std::atomic<int> m_fd{-1};
    std::mutex m_turnMutex;
    std::condition_variable m_turnFree;
    bool m_writing = false;
};
