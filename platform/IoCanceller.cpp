#include "platform/IoCanceller.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

IoCanceller::IoCanceller()
{
    m_fd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
}

IoCanceller::~IoCanceller()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

void IoCanceller::cancel()
{
    m_cancelled.store(true);
    if (m_fd >= 0)
        ::eventfd_write(m_fd, 1);
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
