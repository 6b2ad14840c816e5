#include "VirtualPrinter.h"

#include "VpEngine.h"
#include "VpEventLog.h"
#include "VpPrinterCore.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QThread>

#include <condition_variable>
#include <memory>
#include <mutex>

namespace {

constexpr int MaxEventsListed = 1000;

// A one-shot hand-over between two threads. It waits on a std::mutex rather
// than through Qt's blocking calls so that thread checkers see the order.
struct Handover
{
    std::mutex mutex;
    std::condition_variable cv;
    bool done = false;

    void signal()
    {
        std::lock_guard<std::mutex> lock(mutex);
        done = true;
        cv.notify_all();
    }
    void wait()
    {
        std::unique_lock<std::mutex> lock(mutex);
        cv.wait(lock, [this] { return done; });
    }
};

std::mutex &postFence()
{
    static std::mutex fence;
    return fence;
}

QString compact(const QJsonObject &o)
{
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}

bool parseOnOff(const QString &text, bool *on)
{
    const QString t = text.toLower();
    if (t == QLatin1String("1") || t == QLatin1String("on") || t == QLatin1String("true") || t == QLatin1String("yes"))
        *on = true;
    else if (t == QLatin1String("0") || t == QLatin1String("off") || t == QLatin1String("false") || t == QLatin1String("no"))
        *on = false;
    else
        return false;
    return true;
}

} // namespace

VirtualPrinter::VirtualPrinter(const VirtualPrinterOptions &options)
    : m_options(options), m_state(new VpState(options.model)), m_log(new VpEventLog)
{
    m_log->setMaxEntries(options.maxEventsInMemory);
    for (int f : options.flags)
        m_state->setFlag(VpState::Flag(f), true);
}

VirtualPrinter::VirtualPrinter(const VirtualPrinterOptions &options, QThread *sharedThread)
    : VirtualPrinter(options)
{
    m_thread = sharedThread;
    m_ownThread = false;
}

VirtualPrinter::~VirtualPrinter()
{
    stop();
}

bool VirtualPrinter::start(QString *error)
{
    if (m_running)
        return true;
    if (!m_options.outputDir.isEmpty()) {
        QDir().mkpath(m_options.outputDir);
        m_log->openFile(QDir(m_options.outputDir).filePath(QStringLiteral("events.jsonl")));
    }
    m_engine = new VpEngine(m_options, m_state.data(), m_log.data());
    if (!m_ownThread) {
        m_engine->moveToThread(m_thread);
        return startEngine(error);
    }
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("virtual-printer"));
    m_engine->moveToThread(m_thread);
    // started is emitted in the new thread once its event dispatcher exists.
    auto running = std::make_shared<Handover>();
    QObject::connect(m_thread, &QThread::started, [running]() { running->signal(); });
    auto finished = std::make_shared<std::atomic<bool>>(false);
    m_threadFinished = finished;
    QObject::connect(m_thread, &QThread::finished,
                     [finished]() { finished->store(true, std::memory_order_release); });
    // quit() wakes the thread's loop through its wake-up descriptor, which the
    // ending thread then closes; Qt orders the two with locks a thread checker
    // cannot see, so this mutex, held around quit() and taken by the ending
    // thread, shows the order.
    const std::shared_ptr<std::mutex> quitFence = m_quitFence;
    QObject::connect(m_thread, &QThread::finished, [quitFence]() { std::lock_guard<std::mutex> lock(*quitFence); });
    m_thread->start();
    running->wait();
    return startEngine(error);
}

bool VirtualPrinter::startEngine(QString *error)
{
    bool ok = false;
    QStringList lines;
    VpEngine *engine = m_engine;
    runOnEngine([&]() { ok = engine->start(&lines); });
    m_lines = lines;
    m_running = true;
    m_powered = true;
    if (!ok && error) {
        QStringList failed;
        for (const QString &l : lines)
            if (l.contains(QLatin1String(" not-")))
                failed << l;
        *error = failed.join(QLatin1String("; "));
    }
    return ok;
}

void VirtualPrinter::stop()
{
    if (!m_running)
        return;
    VpEngine *engine = m_engine;
    runOnEngine([engine]() { engine->stop(); });
    m_stoppedPageFiles = engine->core()->pageFiles();
    m_stoppedPages = engine->core()->pages();
    m_stoppedReceived.clear();
    for (const QString &source : {QString(), QStringLiteral("tcp"), QStringLiteral("serial"), QStringLiteral("usb")})
        m_stoppedReceived.insert(source, engine->core()->received(source));
    if (!m_ownThread) {
        // The thread goes on for the others: the engine ends on it.
        runOnEngine([engine]() { delete engine; });
        m_engine = nullptr;
        m_running = false;
        m_log->closeFile();
        return;
    }
    {
        std::lock_guard<std::mutex> lock(*m_quitFence);
        m_thread->quit();
    }
    m_thread->wait();
    { std::lock_guard<std::mutex> lock(*m_quitFence); } // after the thread's turn
    m_threadFinished->load(std::memory_order_acquire);
    // The thread has ended and the engine's sockets are gone; it can go here.
    delete engine;
    m_engine = nullptr;
    delete m_thread;
    m_thread = nullptr;
    m_running = false;
    m_log->closeFile();
}

void VirtualPrinter::runOnEngine(const std::function<void()> &fn) const
{
    if (QThread::currentThread() == m_thread) {
        fn();
        return;
    }
    auto done = std::make_shared<Handover>();
    {
        // The queued call and what it captured reach the engine thread
        // through Qt's post-event lock, which ThreadSanitizer cannot see; this
        // lock, held while the call is posted and taken first thing on the
        // engine thread, makes the hand-off visible.
        std::lock_guard<std::mutex> lock(postFence());
        QMetaObject::invokeMethod(m_engine, [fn, done]() {
            { std::lock_guard<std::mutex> fence(postFence()); }
            fn();
            done->signal();
        }, Qt::QueuedConnection);
    }
    done->wait();
}

quint16 VirtualPrinter::rawPort() const { return m_engine ? m_engine->rawPort : 0; }
quint16 VirtualPrinter::httpPort() const { return m_engine ? m_engine->httpPort : 0; }
quint16 VirtualPrinter::netbiosPort() const { return m_engine ? m_engine->netbiosPort : 0; }
QString VirtualPrinter::serialPtyPath() const { return m_engine ? m_engine->serialPty : QString(); }
QString VirtualPrinter::usbNodePath() const { return m_engine ? m_engine->usbNode : QString(); }
QString VirtualPrinter::usbClassEntry() const { return m_engine ? m_engine->usbClassEntry : QString(); }
QString VirtualPrinter::usbDeviceDir() const { return m_engine ? m_engine->usbDeviceDir : QString(); }

void VirtualPrinter::setFlag(VpState::Flag flag, bool on)
{
    m_state->setFlag(flag, on);
    m_log->append(QJsonObject{{QStringLiteral("kind"), QStringLiteral("event")},
                              {QStringLiteral("name"), QStringLiteral("state_set")},
                              {QStringLiteral("source"), QStringLiteral("control")},
                              {QStringLiteral("params"), QJsonObject{{VpState::flagName(flag), on}}}});
}

bool VirtualPrinter::setFlag(const QString &name, bool on)
{
    VpState::Flag flag;
    if (!VpState::flagFromName(name, &flag))
        return false;
    setFlag(flag, on);
    return true;
}

bool VirtualPrinter::flag(VpState::Flag flag) const { return m_state->flag(flag); }

void VirtualPrinter::clearFlags()
{
    for (int i = 0; i < VpState::FlagCount; ++i)
        m_state->setFlag(VpState::Flag(i), false);
}

quint8 VirtualPrinter::statusByte(int n) const { return m_state->statusByte(n); }
QByteArray VirtualPrinter::setting(quint8 code) const { return m_state->setting(code); }
void VirtualPrinter::setSetting(quint8 code, const QByteArray &value) { m_state->setSetting(code, value); }
QJsonObject VirtualPrinter::snapshot() const { return m_state->snapshot(); }
QList<QJsonObject> VirtualPrinter::events() const { return m_log->entries(); }
QList<QJsonObject> VirtualPrinter::events(const QString &name) const { return m_log->entriesNamed(name); }
qint64 VirtualPrinter::lastEventSeq() const { return m_log->lastSeq(); }

QJsonObject VirtualPrinter::waitForEvent(const QString &name, int timeoutMs, qint64 afterSeq) const
{
    return m_log->waitFor(name, timeoutMs, afterSeq);
}

QString VirtualPrinter::address() const
{
    const QString current = m_state->address();
    return current.isEmpty() ? m_options.address : current;
}

QList<QByteArray> VirtualPrinter::recordedForms() const { return m_state->forms(); }

QStringList VirtualPrinter::pageFiles() const
{
    return m_engine ? m_engine->core()->pageFiles() : m_stoppedPageFiles;
}

QList<QImage> VirtualPrinter::pages() const
{
    return m_engine ? m_engine->core()->pages() : m_stoppedPages;
}

QByteArray VirtualPrinter::receivedBytes(const QString &source) const
{
    return m_engine ? m_engine->core()->received(source) : m_stoppedReceived.value(source);
}

void VirtualPrinter::clearReceivedBytes()
{
    if (m_engine)
        m_engine->core()->clearReceived();
    m_stoppedReceived.clear();
}

qint64 VirtualPrinter::rawBufferedBytes() const
{
    if (!m_engine)
        return 0;
    qint64 bytes = 0;
    VpEngine *engine = m_engine;
    runOnEngine([&]() { bytes = engine->rawBufferedBytes(); });
    return bytes;
}

void VirtualPrinter::flushPage()
{
    if (!m_engine)
        return;
    VpEngine *engine = m_engine;
    runOnEngine([engine]() { engine->core()->flushPage(); });
}

bool VirtualPrinter::unplug(QString *error)
{
    if (!m_engine) {
        if (error)
            *error = QStringLiteral("not running");
        return false;
    }
    bool ok = false;
    QString err;
    VpEngine *engine = m_engine;
    runOnEngine([&]() { ok = engine->unplug(&err); });
    if (error)
        *error = err;
    return ok;
}

bool VirtualPrinter::setPowered(bool on, QString *error)
{
    if (!m_engine) {
        if (error)
            *error = QStringLiteral("not running");
        return false;
    }
    bool ok = false;
    QString err;
    VpEngine *engine = m_engine;
    runOnEngine([&]() { ok = engine->setPowered(on, &err); });
    if (ok)
        m_powered = on;
    if (error)
        *error = err;
    return ok;
}

bool VirtualPrinter::replug(QString *error)
{
    if (!m_engine) {
        if (error)
            *error = QStringLiteral("not running");
        return false;
    }
    bool ok = false;
    QString err;
    VpEngine *engine = m_engine;
    runOnEngine([&]() { ok = engine->replug(&err); });
    if (error)
        *error = err;
    return ok;
}

QString VirtualPrinter::controlHelp()
{
    return QStringLiteral(
        "Control commands (one per line; answers start with \"ok\" or \"error\"):\n"
        "  set FLAG on|off      FLAG: %1\n"
        "  clear                all flags off\n"
        "  status               the whole state as JSON (tcp_buffered: bytes the raw port holds undecoded)\n"
        "  status-byte N        the DLE EOT N answer (N = 1..4), hexadecimal\n"
        "  setting CODE [HEX]   read or write a stored setting (CODE A2..A9; HEX bytes)\n"
        "  unplug | replug      USB printer removed / plugged in again\n"
        "  off | on             switched off (the network ports refuse connections) / on again\n"
        "  flush                end the current page now (serial and USB)\n"
        "  events [N]           the last N events (default 20), JSON array\n"
        "  forms                the network forms received, JSON array\n"
        "  pages                the page files written, JSON array\n"
        "  help                 this text\n"
        "  quit                 stop the printer (program only)")
        .arg(VpState::flagNames().join(QLatin1String(", ")));
}

QString VirtualPrinter::control(const QString &line)
{
    const QStringList words = line.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return QStringLiteral("error empty command");
    const QString cmd = words.at(0).toLower();
    if (cmd == QLatin1String("help"))
        return QStringLiteral("ok ") + controlHelp().replace(QLatin1Char('\n'), QLatin1String(" | "));
    if (cmd == QLatin1String("set")) {
        bool on = true;
        if (words.size() != 3 || !parseOnOff(words.at(2), &on))
            return QStringLiteral("error usage: set FLAG on|off");
        if (!setFlag(words.at(1), on))
            return QStringLiteral("error unknown flag %1").arg(words.at(1));
        return QStringLiteral("ok %1 %2").arg(words.at(1), on ? QStringLiteral("on") : QStringLiteral("off"));
    }
    if (cmd == QLatin1String("clear")) {
        clearFlags();
        return QStringLiteral("ok");
    }
    if (cmd == QLatin1String("status")) {
        QJsonObject state = snapshot();
        state.insert(QStringLiteral("powered"), isPowered());
        state.insert(QStringLiteral("tcp_buffered"), rawBufferedBytes());
        return QStringLiteral("ok ") + compact(state);
    }
    if (cmd == QLatin1String("status-byte")) {
        const int n = words.value(1).toInt();
        if (n < 1 || n > 4)
            return QStringLiteral("error usage: status-byte 1..4");
        return QStringLiteral("ok %1").arg(statusByte(n), 2, 16, QLatin1Char('0'));
    }
    if (cmd == QLatin1String("setting")) {
        bool ok = false;
        const int code = words.value(1).toInt(&ok, 16);
        if (!ok || VpState::settingName(quint8(code)).isEmpty())
            return QStringLiteral("error usage: setting A2..A9 [HEX]");
        if (words.size() > 2) {
            setSetting(quint8(code), QByteArray::fromHex(words.mid(2).join(QString()).toLatin1()));
        }
        return QStringLiteral("ok %1").arg(QString::fromLatin1(setting(quint8(code)).toHex(' ')));
    }
    if (cmd == QLatin1String("unplug") || cmd == QLatin1String("replug")) {
        QString error;
        const bool ok = cmd == QLatin1String("unplug") ? unplug(&error) : replug(&error);
        if (!ok)
            return QStringLiteral("error ") + error;
        return cmd == QLatin1String("replug") ? QStringLiteral("ok %1").arg(usbNodePath()) : QStringLiteral("ok");
    }
    if (cmd == QLatin1String("off") || cmd == QLatin1String("on")) {
        QString error;
        if (!setPowered(cmd == QLatin1String("on"), &error))
            return QStringLiteral("error ") + error;
        return QStringLiteral("ok ") + cmd;
    }
    if (cmd == QLatin1String("events")) {
        const int n = qBound(1, words.size() > 1 ? words.at(1).toInt() : 20, MaxEventsListed);
        const QList<QJsonObject> all = events();
        QJsonArray out;
        for (int i = qMax(0, all.size() - n); i < all.size(); ++i)
            out.append(all.at(i));
        return QStringLiteral("ok ") + QString::fromUtf8(QJsonDocument(out).toJson(QJsonDocument::Compact));
    }
    if (cmd == QLatin1String("forms")) {
        QJsonArray out;
        for (const QByteArray &f : recordedForms())
            out.append(QString::fromUtf8(f));
        return QStringLiteral("ok ") + QString::fromUtf8(QJsonDocument(out).toJson(QJsonDocument::Compact));
    }
    if (cmd == QLatin1String("pages"))
        return QStringLiteral("ok ")
            + QString::fromUtf8(QJsonDocument(QJsonArray::fromStringList(pageFiles())).toJson(QJsonDocument::Compact));
    if (cmd == QLatin1String("flush")) {
        flushPage();
        return QStringLiteral("ok");
    }
    if (cmd == QLatin1String("quit"))
        return QStringLiteral("ok quit");
    return QStringLiteral("error unknown command %1 (try help)").arg(cmd);
}
