#include "CliSignalPipe.h"

#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

int g_pipe[2] = {-1, -1};

void onSignal(int number)
{
    const int savedErrno = errno;
    const char c = char(number);
    const ssize_t ignored = ::write(g_pipe[1], &c, 1);
    (void)ignored;
    errno = savedErrno;
}

} // namespace

CliSignalPipe::CliSignalPipe(const QList<int> &numbers, QObject *parent) : QObject(parent)
{
    if (g_pipe[0] >= 0 || ::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &CliSignalPipe::readPipe);
    struct sigaction sa = {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int number : numbers) {
        struct sigaction former = {};
        if (::sigaction(number, &sa, &former) == 0) {
            m_numbers.append(number);
            m_former.append(former);
        }
    }
}

CliSignalPipe::~CliSignalPipe()
{
    if (!m_notifier)
        return;
    for (int i = 0; i < m_numbers.size(); ++i)
        ::sigaction(m_numbers.at(i), &m_former.at(i), nullptr);
    delete m_notifier;
    for (int &fd : g_pipe) {
        ::close(fd);
        fd = -1;
    }
}

void CliSignalPipe::readPipe()
{
    char c = 0;
    while (::read(g_pipe[0], &c, 1) == 1) {
        m_received = c;
        emit arrived(c);
    }
}
