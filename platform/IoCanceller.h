#pragma once

#include <atomic>

// A wake-up descriptor (a pipe's read end) that cancels the I/O waits given it. Once
// cancelled it stays cancelled, so an operation started after cancel() is
// cancelled as well and no wait can be left blocking a stop.
class IoCanceller
{
public:
    IoCanceller();
    ~IoCanceller();
    IoCanceller(const IoCanceller &) = delete;
    IoCanceller &operator=(const IoCanceller &) = delete;

    void cancel();
    bool isCancelled() const { return m_cancelled.load(); }
    // Sleeps up to ms milliseconds; true when cancelled (at once if already).
    bool waitFor(int ms) const;
    // Readable once cancelled; -1 when the descriptor could not be created
    // (waits then poll the flag instead).
    int fd() const { return m_fd; }

private:
    std::atomic<bool> m_cancelled{false};
    std::atomic<bool> m_woken{false};
    int m_fd = -1;       // read end, polled by the waits
    int m_writeFd = -1;  // written once by cancel()
};
