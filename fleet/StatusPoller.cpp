#include "fleet/StatusPoller.h"

#include "commands/EscPos.h"
#include "commands/PrinterReplyReader.h"
#include "platform/DeviceNodeAccess.h"
#include "platform/OpenFileLimit.h"
#include "text/DottedQuad.h"
#include "transport/usb/USBDeviceManager.h"

#include <QDateTime>

#include <arpa/inet.h>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

namespace {

// The epoll data of the wake-up descriptor; polls count from 1.
constexpr quint64 WakeId = 0;
constexpr int MaxEventsAtOnce = 256;

QString systemError(int error)
{
    char buffer[256];
    // The GNU strerror_r: the text may or may not be in buffer.
    const char *text = strerror_r(error, buffer, sizeof buffer);
    return QString::fromLocal8Bit(text);
}

} // namespace

// Waiting: started in a round, for a descriptor to come free. Settling:
// connected, left quiet before the first request (see
// PrinterReplyReader::SettleMs).
enum class Stage { Idle, Waiting, Connecting, Settling, Writing, Reading };

struct StatusPoller::Poll
{
    quint64 id = 0;
    PrinterTarget target;
    QString identity;
    bool isNew = true;
    int fd = -1;
    Stage stage = Stage::Idle;
    int status = 0; // the request under way, 0 to 3
    QByteArray out;
    int written = 0;
    StatusReply reply;
    PrinterReplyReader answers;
    Clock::time_point sentAt;
    double longest = 0;
    bool hasDeadline = false;
    Clock::time_point deadline; // of the stage under way, when hasDeadline
    quint64 round = 0;          // 0: counted in no round
};

StatusPoller::Sink::~Sink() = default;

StatusPoller::StatusPoller(const Settings &settings, Sink *sink) : m_settings(settings), m_sink(sink) {}

StatusPoller::~StatusPoller()
{
    stop();
}

QByteArray StatusPoller::request(int status)
{
    return EscPos::realTimeStatus(status + 1);
}

bool StatusPoller::start(QString *error)
{
    if (m_thread.joinable())
        return true;
    m_epoll = ::epoll_create1(EPOLL_CLOEXEC);
    m_wakeFd = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    epoll_event ev{};
    ev.events = EPOLLIN;
    ev.data.u64 = WakeId;
    if (m_epoll < 0 || m_wakeFd < 0 || ::epoll_ctl(m_epoll, EPOLL_CTL_ADD, m_wakeFd, &ev) != 0) {
        *error = tr("无法开始轮询: %1").arg(systemError(errno));
        if (m_epoll >= 0)
            ::close(m_epoll);
        if (m_wakeFd >= 0)
            ::close(m_wakeFd);
        m_epoll = m_wakeFd = -1;
        return false;
    }
    if (m_settings.maxOpen > 0) {
        m_maxOpen = m_settings.maxOpen;
    } else {
        const long files = OpenFileLimit::current();
        m_maxOpen = files > 0 ? int(qBound(1L, files - ReservedFiles, long(INT_MAX))) : INT_MAX;
    }
    m_stopping = false;
    m_thread = std::thread([this] { run(); });
    return true;
}

void StatusPoller::stop()
{
    if (!m_thread.joinable())
        return;
    m_stopping = true;
    wake();
    m_thread.join();
    ::close(m_epoll);
    ::close(m_wakeFd);
    m_epoll = m_wakeFd = -1;
}

void StatusPoller::wake()
{
    const quint64 one = 1;
    const ssize_t ignored = ::write(m_wakeFd, &one, sizeof one);
    (void)ignored;
}

void StatusPoller::setTargets(const QList<PrinterTarget> &targets)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_nextTargets = targets;
        m_targetsChanged = true;
    }
    if (m_wakeFd >= 0)
        wake();
}

void StatusPoller::run()
{
    const auto interval = std::chrono::milliseconds(m_settings.intervalMs);
    applyTargets(false);
    Clock::time_point nextRound = Clock::now();
    epoll_event events[MaxEventsAtOnce];
    while (!m_stopping) {
        Clock::time_point now = Clock::now();
        if (now >= nextRound) {
            startRound(false);
            nextRound += interval;
            // Late by a whole interval (a stopped machine): no catching up.
            if (nextRound <= now)
                nextRound = now + interval;
        }
        expireDeadlines();
        startWaiting();
        Clock::time_point wakeAt = nextRound;
        if (!m_deadlines.empty() && m_deadlines.begin()->first < wakeAt)
            wakeAt = m_deadlines.begin()->first;
        now = Clock::now();
        int timeoutMs = 0;
        if (wakeAt > now) {
            const auto wait = std::chrono::ceil<std::chrono::milliseconds>(wakeAt - now);
            timeoutMs = int(qMin<qint64>(wait.count(), 60000));
        }
        const int n = ::epoll_wait(m_epoll, events, MaxEventsAtOnce, timeoutMs);
        for (int i = 0; i < n; ++i) {
            if (events[i].data.u64 == WakeId) {
                quint64 count = 0;
                const ssize_t ignored = ::read(m_wakeFd, &count, sizeof count);
                (void)ignored;
                applyTargets(true);
                continue;
            }
            handle(events[i].data.u64, events[i].events);
        }
    }
    for (auto &entry : m_polls)
        closeLine(*entry.second);
    m_polls.clear();
    m_rounds.clear();
    m_waiting.clear();
    m_deadlines.clear();
    m_deadlineCount = 0;
}

void StatusPoller::applyTargets(bool startNew)
{
    QList<PrinterTarget> targets;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_targetsChanged)
            return;
        targets = m_nextTargets;
        m_targetsChanged = false;
    }
    std::unordered_map<std::string, const PrinterTarget *> wanted;
    for (const PrinterTarget &t : qAsConst(targets)) {
        if (t.answersStatus())
            wanted.emplace(t.identity().toStdString(), &t);
    }
    // Gone: cut short. Staying: the new labels and speed from now on.
    for (auto it = m_polls.begin(); it != m_polls.end();) {
        Poll &poll = *it->second;
        const auto found = wanted.find(poll.identity.toStdString());
        if (found == wanted.end()) {
            closeLine(poll);
            countDown(poll.round);
            it = m_polls.erase(it);
            continue;
        }
        poll.target = *found->second;
        wanted.erase(found);
        ++it;
    }
    for (const PrinterTarget &t : qAsConst(targets)) {
        if (!wanted.count(t.identity().toStdString()))
            continue;
        auto poll = std::make_unique<Poll>();
        poll->id = m_nextId++;
        poll->target = t;
        poll->identity = t.identity();
        m_polls.emplace(poll->id, std::move(poll));
    }
    // Printers added while running are asked at once, outside the rounds.
    if (startNew)
        startRound(true);
}

void StatusPoller::startRound(bool onlyNew)
{
    const quint64 round = onlyNew ? 0 : m_nextRound++;
    Round r;
    r.start = Clock::now();
    std::vector<Poll *> starting;
    for (auto &entry : m_polls) {
        Poll &poll = *entry.second;
        if (poll.stage != Stage::Idle || (onlyNew && !poll.isNew))
            continue;
        starting.push_back(&poll);
    }
    if (starting.empty())
        return;
    if (round) {
        r.pending = r.printers = int(starting.size());
        m_rounds.emplace(round, r);
    }
    for (Poll *poll : starting)
        startPoll(*poll, round);
}

void StatusPoller::startPoll(Poll &poll, quint64 round)
{
    poll.isNew = false;
    poll.round = round;
    poll.status = 0;
    poll.reply = StatusReply();
    poll.longest = 0;
    if (m_filesShort || m_open >= m_maxOpen || !m_waiting.empty()) {
        poll.stage = Stage::Waiting;
        m_waiting.push_back(poll.id);
        return;
    }
    openLine(poll);
}

void StatusPoller::startWaiting()
{
    while (!m_waiting.empty() && !m_filesShort && m_open < m_maxOpen) {
        const quint64 id = m_waiting.front();
        m_waiting.pop_front();
        const auto it = m_polls.find(id);
        // A printer that left the list meanwhile.
        if (it == m_polls.end() || it->second->stage != Stage::Waiting)
            continue;
        openLine(*it->second);
    }
}

void StatusPoller::openLine(Poll &poll)
{
    if (poll.target.transport == PrinterTarget::Transport::Tcp)
        openTcp(poll);
    else
        openDevice(poll);
}

bool StatusPoller::waitForDescriptor(Poll &poll, int error)
{
    // Others of ours will close: the poll waits for them, first in line.
    if ((error != EMFILE && error != ENFILE) || m_open == 0)
        return false;
    poll.stage = Stage::Waiting;
    m_waiting.push_front(poll.id);
    m_filesShort = true;
    return true;
}

void StatusPoller::openTcp(Poll &poll)
{
    poll.fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (poll.fd < 0) {
        const int error = errno;
        if (!waitForDescriptor(poll, error))
            finish(poll, false, tr("无法创建套接字: %1").arg(systemError(error)));
        return;
    }
    ++m_open;
    const int one = 1;
    ::setsockopt(poll.fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    // The address as a person typed it: "010" is 10 here, as everywhere.
    bool valid = false;
    const quint32 ip = DottedQuad::toIPv4(poll.target.address, &valid);
    if (!valid) {
        finish(poll, false, tr("不是 IPv4 地址: %1").arg(poll.target.address));
        return;
    }
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(m_settings.tcpPort);
    address.sin_addr.s_addr = htonl(ip);
    if (::connect(poll.fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0 && errno != EINPROGRESS) {
        finish(poll, false, tr("无法连接: %1").arg(systemError(errno)));
        return;
    }
    poll.stage = Stage::Connecting;
    setDeadline(poll, m_settings.connectTimeoutMs);
    if (!watch(poll, EPOLLOUT, true))
        finish(poll, false, tr("无法连接: %1").arg(systemError(errno)));
}

void StatusPoller::openDevice(Poll &poll)
{
    // A file or folder named as the node is never opened for writing.
    const QString notADevice = DeviceNodeAccess::notADeviceProblem(poll.target.address);
    if (!notADevice.isEmpty()) {
        finish(poll, false, notADevice);
        return;
    }
    const QByteArray path = poll.target.address.toLocal8Bit();
    poll.fd = ::open(path.constData(), O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (poll.fd < 0) {
        const int error = errno;
        if (waitForDescriptor(poll, error))
            return;
        QString message = tr("无法打开 %1: %2").arg(poll.target.address, systemError(error));
        if (error == EACCES || error == EPERM)
            message += QLatin1Char(' ') + USBDeviceManager::permissionAdvice(poll.target.address);
        finish(poll, false, message);
        return;
    }
    ++m_open;
    // A terminal (a serial port, or a pty standing in for a printer) passes
    // bytes as they are, at the line's speed; what waited in it is old.
    termios tio{};
    if (::isatty(poll.fd) && ::tcgetattr(poll.fd, &tio) == 0) {
        ::cfmakeraw(&tio);
        if (poll.target.transport == PrinterTarget::Transport::Serial)
            ::cfsetspeed(&tio, speed_t(poll.target.baud > 0 ? poll.target.baud : PrinterTarget::DefaultBaud));
        ::tcsetattr(poll.fd, TCSANOW, &tio);
        ::tcflush(poll.fd, TCIFLUSH);
    }
    if (!watch(poll, EPOLLOUT, true)) {
        finish(poll, false, errno == EPERM ? tr("%1 不是设备节点").arg(poll.target.address)
                                           : tr("无法打开 %1: %2").arg(poll.target.address, systemError(errno)));
        return;
    }
    beginRequest(poll);
}

bool StatusPoller::watch(Poll &poll, quint32 events, bool add)
{
    epoll_event ev{};
    ev.events = events;
    ev.data.u64 = poll.id;
    return ::epoll_ctl(m_epoll, add ? EPOLL_CTL_ADD : EPOLL_CTL_MOD, poll.fd, &ev) == 0;
}

void StatusPoller::setDeadline(Poll &poll, int ms)
{
    clearDeadline(poll);
    poll.deadline = Clock::now() + std::chrono::milliseconds(ms);
    poll.hasDeadline = true;
    m_deadlines.emplace(poll.deadline, poll.id);
    m_deadlineCount = m_deadlines.size();
}

void StatusPoller::clearDeadline(Poll &poll)
{
    if (!poll.hasDeadline)
        return;
    m_deadlines.erase({poll.deadline, poll.id});
    poll.hasDeadline = false;
    m_deadlineCount = m_deadlines.size();
}

void StatusPoller::settle(Poll &poll)
{
    poll.stage = Stage::Settling;
    setDeadline(poll, PrinterReplyReader::SettleMs);
    watch(poll, EPOLLIN | EPOLLRDHUP, false);
}

bool StatusPoller::drain(Poll &poll)
{
    char buffer[ReadChunkBytes];
    for (int total = 0; total < MaxDrainBytes;) {
        const ssize_t n = ::read(poll.fd, buffer, sizeof buffer);
        if (n > 0) {
            poll.answers.drop(QByteArray(buffer, int(n)));
            total += int(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return true;
        finish(poll, false, n == 0 ? lineClosed(poll) : readFailure(poll, errno));
        return false;
    }
    return true;
}

void StatusPoller::beginRequest(Poll &poll)
{
    // What the printer sent before this request is no answer to it.
    if (!drain(poll))
        return;
    poll.answers.expect(PrinterReplyReader::Reply::RealTimeStatus);
    poll.out = request(poll.status);
    poll.written = 0;
    poll.sentAt = Clock::now();
    poll.stage = Stage::Writing;
    setDeadline(poll, m_settings.answerTimeoutMs);
    writeMore(poll);
}

void StatusPoller::writeMore(Poll &poll)
{
    const bool tcp = poll.target.transport == PrinterTarget::Transport::Tcp;
    while (poll.written < poll.out.size()) {
        const char *data = poll.out.constData() + poll.written;
        const size_t left = size_t(poll.out.size() - poll.written);
        const ssize_t n = tcp ? ::send(poll.fd, data, left, MSG_NOSIGNAL) : ::write(poll.fd, data, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            if (errno == EAGAIN || errno == EWOULDBLOCK) {
                watch(poll, EPOLLOUT, false);
                return;
            }
            finish(poll, false, tr("写入失败: %1").arg(systemError(errno)));
            return;
        }
        poll.written += int(n);
    }
    poll.stage = Stage::Reading;
    watch(poll, EPOLLIN | EPOLLRDHUP, false);
}

QString StatusPoller::lineClosed(const Poll &poll)
{
    return poll.target.transport == PrinterTarget::Transport::Tcp ? tr("打印机关闭了连接")
                                                                   : tr("设备已断开: %1").arg(poll.target.address);
}

QString StatusPoller::readFailure(const Poll &poll, int error)
{
    if (error == ECONNRESET)
        return tr("连接被打印机重置");
    if (poll.target.transport != PrinterTarget::Transport::Tcp)
        return tr("设备已断开: %1").arg(systemError(error));
    return tr("读取失败: %1").arg(systemError(error));
}

QString StatusPoller::strayAnswer(const Poll &poll)
{
    return tr("回答不是状态字节: %1").arg(QString::fromLatin1(poll.answers.stray().toHex(' ')));
}

void StatusPoller::readAnswer(Poll &poll, quint32 events)
{
    char buffer[ReadChunkBytes];
    ssize_t n;
    do {
        n = ::read(poll.fd, buffer, sizeof buffer);
    } while (n < 0 && errno == EINTR);
    if (n < 0) {
        const int error = errno;
        if (error == EAGAIN || error == EWOULDBLOCK) {
            if (events & (EPOLLHUP | EPOLLERR))
                finish(poll, false, lineClosed(poll));
            return;
        }
        finish(poll, false, readFailure(poll, error));
        return;
    }
    if (n == 0) {
        finish(poll, false, lineClosed(poll));
        return;
    }
    switch (poll.answers.feed(QByteArray(buffer, int(n)))) {
    case PrinterReplyReader::State::Garbage: finish(poll, false, strayAnswer(poll)); return;
    case PrinterReplyReader::State::Answered: break;
    default: return; // stray bytes only: the answer may still come
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - poll.sentAt).count();
    poll.longest = qMax(poll.longest, seconds);
    poll.reply.setByte(poll.status, poll.answers.statusByte());
    if (++poll.status < StatusReply::StatusCount) {
        beginRequest(poll);
        return;
    }
    finish(poll, true, QString());
}

void StatusPoller::handle(quint64 id, quint32 events)
{
    const auto it = m_polls.find(id);
    if (it == m_polls.end())
        return;
    Poll &poll = *it->second;
    switch (poll.stage) {
    case Stage::Idle:
    case Stage::Waiting:
        return;
    case Stage::Connecting: {
        int error = 0;
        socklen_t length = sizeof error;
        if (::getsockopt(poll.fd, SOL_SOCKET, SO_ERROR, &error, &length) != 0)
            error = errno;
        if (error != 0) {
            finish(poll, false, tr("无法连接: %1").arg(systemError(error)));
            return;
        }
        if (!(events & EPOLLOUT))
            return;
        settle(poll);
        return;
    }
    case Stage::Settling:
        // Bytes sent on accepting, or the line closing: drain() sees both.
        drain(poll);
        return;
    case Stage::Writing:
        if ((events & (EPOLLERR | EPOLLHUP)) && !(events & EPOLLOUT)) {
            finish(poll, false, lineClosed(poll));
            return;
        }
        writeMore(poll);
        return;
    case Stage::Reading:
        readAnswer(poll, events);
        return;
    }
}

void StatusPoller::expireDeadlines()
{
    const Clock::time_point now = Clock::now();
    while (!m_deadlines.empty() && m_deadlines.begin()->first <= now) {
        const auto it = m_polls.find(m_deadlines.begin()->second);
        if (it == m_polls.end()) {
            m_deadlines.erase(m_deadlines.begin());
            m_deadlineCount = m_deadlines.size();
            continue;
        }
        Poll &poll = *it->second;
        clearDeadline(poll);
        if (poll.stage == Stage::Connecting)
            finish(poll, false, tr("连接超时（%1 毫秒）").arg(m_settings.connectTimeoutMs));
        else if (poll.stage == Stage::Settling)
            beginRequest(poll);
        else if (poll.answers.strayCount() > 0)
            finish(poll, false, strayAnswer(poll));
        else
            finish(poll, false, tr("状态查询在 %1 毫秒内没有得到回答").arg(m_settings.answerTimeoutMs));
    }
}

void StatusPoller::closeLine(Poll &poll)
{
    if (poll.fd >= 0) {
        ::close(poll.fd); // also leaves the epoll set
        poll.fd = -1;
        --m_open;
        m_filesShort = false;
    }
    clearDeadline(poll);
    poll.stage = Stage::Idle;
}

void StatusPoller::finish(Poll &poll, bool answered, const QString &error)
{
    closeLine(poll);
    Result result;
    result.identity = poll.identity;
    result.answered = answered;
    result.reply = poll.reply;
    result.roundTripSeconds = poll.longest;
    result.finishedAtMs = QDateTime::currentMSecsSinceEpoch();
    result.error = error;
    m_sink->pollFinished(result);
    const quint64 round = poll.round;
    poll.round = 0;
    countDown(round);
}

void StatusPoller::countDown(quint64 round)
{
    if (!round)
        return;
    const auto it = m_rounds.find(round);
    if (it == m_rounds.end())
        return;
    if (--it->second.pending > 0)
        return;
    const double seconds = std::chrono::duration<double>(Clock::now() - it->second.start).count();
    const int printers = it->second.printers;
    m_rounds.erase(it);
    m_sink->roundFinished(seconds, printers);
}
