#include "platform/IoCanceller.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

IoCanceller::IoCanceller()
{
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) == 0) {
        m_fd = ends[0];
        m_writeFd = ends[1];
    }
}

IoCanceller::~IoCanceller()
{
    if (m_fd >= 0)
        ::close(m_fd);
    if (m_writeFd >= 0)
        ::close(m_writeFd);
}

void IoCanceller::cancel()
{
    m_cancelled.store(true);
    // One byte makes the read end readable for good (nobody reads it).
    if (m_writeFd >= 0 && !m_woken.exchange(true)) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t n = ::write(m_writeFd, &byte, 1);
    }
}

bool IoCanceller::waitFor(int ms) const
{
    if (isCancelled())
        return true;
    pollfd fds[1] = {{m_fd, POLLIN, 0}};
    if (m_fd >= 0)
        ::poll(fds, 1, ms);
    else
        ::poll(nullptr, 0, ms);
    return isCancelled();
}
