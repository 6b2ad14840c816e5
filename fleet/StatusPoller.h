#pragma once

#include "commands/StatusReply.h"
#include "fleet/PrinterTarget.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>

#include <atomic>
#include <chrono>
#include <deque>
#include <memory>
#include <mutex>
#include <set>
#include <thread>
#include <unordered_map>
#include <utility>
#include <vector>

// Asks every printer of a list for its four real-time statuses (DLE EOT 1 to
// 4) at a fixed interval, on a thread of its own. All printers are asked at
// once at the start of each round; each printer has at most one poll running:
// a connection to its print port (or its device node opened), the four
// requests one after the other, each answer awaited within a limit, and the
// line closed again, so the till's own jobs find the printer free. A printer
// whose poll is still running when the next round comes sits that round out;
// a slow or dead printer never holds up another. No more lines are open at
// once than the open-file limit leaves room for: the polls beyond wait for a
// line to close, in the order they were started.
//
// One epoll loop of our own rather than a QTcpSocket and a timer per printer:
// a thousand printers' connections, answers and deadlines cost a few hundred
// bytes each and one timer for all, where Qt would give each printer objects,
// socket notifiers and a timer of its own, and a poll() over all of them on
// every wake-up.
class StatusPoller
{
    Q_DECLARE_TR_FUNCTIONS(StatusPoller)
public:
    static constexpr quint16 PrintPort = 9100;
    static constexpr int DefaultIntervalMs = 15000;
    // Limits suited to printers at remote sites, behind slow links.
    static constexpr int DefaultConnectTimeoutMs = 3000;
    static constexpr int DefaultAnswerTimeoutMs = 2000;
    // Bytes read at once; a status answer is one.
    static constexpr int ReadChunkBytes = 64;
    // Descriptors of the open-file limit left to the rest of the program (the
    // exposer's connections, the identifier's, the log) when the lines open
    // at once follow the limit.
    static constexpr int ReservedFiles = 128;
    // The most stale bytes read away before a request; a printer that sends
    // more keeps them for the answer's rules (PrinterReplyReader).
    static constexpr int MaxDrainBytes = 4096;

    struct Settings
    {
        int intervalMs = DefaultIntervalMs;
        int connectTimeoutMs = DefaultConnectTimeoutMs;
        int answerTimeoutMs = DefaultAnswerTimeoutMs; // for each of the four answers
        quint16 tcpPort = PrintPort;
        int maxOpen = 0; // lines open at once; 0: what the open-file limit leaves
    };

    struct Result
    {
        QString identity; // PrinterTarget::identity()
        bool answered = false;
        StatusReply reply;
        double roundTripSeconds = 0; // the longest of the four requests
        qint64 finishedAtMs = 0;     // wall clock, milliseconds since the epoch
        QString error;               // why it did not answer
    };

    // Receives the outcomes, on the poller's thread.
    class Sink
    {
    public:
        virtual ~Sink();
        virtual void pollFinished(const Result &result) = 0;
        // Every poll a round started has finished (a round in which no
        // printer was free to be asked is not reported).
        virtual void roundFinished(double seconds, int printers) = 0;
    };

    StatusPoller(const Settings &settings, Sink *sink);
    ~StatusPoller();
    StatusPoller(const StatusPoller &) = delete;
    StatusPoller &operator=(const StatusPoller &) = delete;

    // Starts the thread; the first round begins at once. False with a
    // message when the system refuses what the loop needs.
    bool start(QString *error);
    // Cuts running polls short and ends the thread.
    void stop();

    // The printers to poll (those that answer status requests). A printer
    // already polled keeps its running poll; one that is gone is cut short;
    // new ones are asked at once and then with the rounds. Any thread.
    void setTargets(const QList<PrinterTarget> &targets);

    // The request for status 0 to 3.
    static QByteArray request(int status);

    // The deadlines the loop keeps: one for each poll under way (any thread).
    std::size_t deadlineCount() const { return m_deadlineCount; }
    // Lines open at once at most (once started).
    int maxOpen() const { return m_maxOpen; }

private:
    using Clock = std::chrono::steady_clock;
    struct Poll;
    struct Round
    {
        Clock::time_point start;
        int pending = 0;
        int printers = 0;
    };
    // When a poll's stage runs out, and which poll: ordered by time.
    using Deadline = std::pair<Clock::time_point, quint64>;

    void run();
    void wake();
    // startNew: printers new to the list are asked at once.
    void applyTargets(bool startNew);
    void startRound(bool onlyNew);
    void startPoll(Poll &poll, quint64 round);
    // Polls that waited for a free descriptor, while there is one.
    void startWaiting();
    void openLine(Poll &poll);
    void openTcp(Poll &poll);
    void openDevice(Poll &poll);
    // After EMFILE or ENFILE: true when the poll waits for one of ours to close.
    bool waitForDescriptor(Poll &poll, int error);
    void settle(Poll &poll);
    // Reads away what waits on the line; false when the poll ended.
    bool drain(Poll &poll);
    void beginRequest(Poll &poll);
    void writeMore(Poll &poll);
    void readAnswer(Poll &poll, quint32 events);
    void handle(quint64 id, quint32 events);
    void expireDeadlines();
    void setDeadline(Poll &poll, int ms);
    void clearDeadline(Poll &poll);
    bool watch(Poll &poll, quint32 events, bool add);
    void finish(Poll &poll, bool answered, const QString &error);
    // The message for a line that the printer (TCP) or the device ended.
    static QString lineClosed(const Poll &poll);
    static QString readFailure(const Poll &poll, int error);
    // The message for a reply that held no status byte.
    static QString strayAnswer(const Poll &poll);
    void closeLine(Poll &poll);
    void countDown(quint64 round);

    Settings m_settings;
    Sink *m_sink;
    int m_epoll = -1;
    int m_wakeFd = -1;
    std::thread m_thread;
    std::atomic<bool> m_stopping{false};

    std::mutex m_mutex; // guards the two below
    bool m_targetsChanged = false;
    QList<PrinterTarget> m_nextTargets;

    // The poller thread's own.
    std::unordered_map<quint64, std::unique_ptr<Poll>> m_polls;
    std::unordered_map<quint64, Round> m_rounds;
    std::set<Deadline> m_deadlines; // a finished poll takes its own out
    std::atomic<std::size_t> m_deadlineCount{0};
    std::deque<quint64> m_waiting; // polls started while no descriptor was free
    std::atomic<int> m_maxOpen{0};
    int m_open = 0;            // lines open now
    bool m_filesShort = false; // the system refused a descriptor; wait for a close
    quint64 m_nextId = 1;
    quint64 m_nextRound = 1;
};
