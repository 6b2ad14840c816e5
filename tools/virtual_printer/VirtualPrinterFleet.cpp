#include "VirtualPrinterFleet.h"

#include <QHostAddress>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>

#include <mutex>

namespace {

constexpr quint32 LoopbackNet = 0x7f000000u; // 127.0.0.0/8
constexpr int MacBytes = 6;

bool loopbackAddress(const QString &text, quint32 *value)
{
    QHostAddress a;
    if (text.count(QLatin1Char('.')) != 3 || !a.setAddress(text) || a.protocol() != QAbstractSocket::IPv4Protocol)
        return false;
    *value = a.toIPv4Address();
    return (*value & 0xff000000u) == LoopbackNet;
}

QString addressText(quint32 value)
{
    return QHostAddress(value).toString();
}

// The base address plus index in its last three bytes: every printer of the
// fleet its own MAC.
QByteArray macFor(const QByteArray &base, int index)
{
    QByteArray mac = base.size() == MacBytes ? base : QByteArray(MacBytes, 0);
    quint32 low = (quint32(quint8(mac[3])) << 16) | (quint32(quint8(mac[4])) << 8) | quint8(mac[5]);
    low = (low + quint32(index)) & 0xffffffu;
    mac[3] = char(low >> 16);
    mac[4] = char(low >> 8);
    mac[5] = char(low);
    return mac;
}

} // namespace

bool VirtualPrinterFleet::parseAddresses(const QString &range, QStringList *addresses, QString *error)
{
    const QString text = range.trimmed();
    quint32 first = 0, last = 0;
    const int slash = text.indexOf(QLatin1Char('/'));
    const int dash = text.indexOf(QLatin1Char('-'));
    const int plus = text.indexOf(QLatin1Char('+'));
    auto fail = [&](const QString &why) {
        *error = QStringLiteral("--fleet %1: %2").arg(range, why);
        return false;
    };
    if (slash > 0) {
        bool ok = false;
        const int prefix = text.mid(slash + 1).toInt(&ok);
        quint32 base = 0;
        if (!loopbackAddress(text.left(slash), &base))
            return fail(QStringLiteral("not an address on loopback (127.0.0.0/8)"));
        if (!ok || prefix < 8 || prefix > 32)
            return fail(QStringLiteral("the prefix length is a number from 8 to 32"));
        const quint32 mask = prefix == 32 ? 0xffffffffu : ~(0xffffffffu >> prefix);
        first = base & mask;
        last = first | ~mask;
        if (prefix <= 30) {
            ++first;
            --last;
        }
    } else if (dash > 0) {
        if (!loopbackAddress(text.left(dash), &first) || !loopbackAddress(text.mid(dash + 1), &last))
            return fail(QStringLiteral("not addresses on loopback (127.0.0.0/8)"));
        if (last < first)
            return fail(QStringLiteral("the last address comes before the first"));
    } else if (plus > 0) {
        bool ok = false;
        const qint64 count = text.mid(plus + 1).toLongLong(&ok);
        if (!loopbackAddress(text.left(plus), &first))
            return fail(QStringLiteral("not an address on loopback (127.0.0.0/8)"));
        if (!ok || count < 1 || count > MaxPrinters)
            return fail(QStringLiteral("the count is a number from 1 to %1").arg(MaxPrinters));
        if (quint64(first) + quint64(count) - 1 > 0x7fffffffu)
            return fail(QStringLiteral("the addresses run beyond 127.255.255.255"));
        last = first + quint32(count) - 1;
    } else {
        if (!loopbackAddress(text, &first))
            return fail(QStringLiteral("not an address on loopback (127.0.0.0/8)"));
        last = first;
    }
    if (quint64(last) - first + 1 > quint64(MaxPrinters))
        return fail(QStringLiteral("more than %1 printers").arg(MaxPrinters));
    addresses->clear();
    for (quint64 a = first; a <= last; ++a)
        addresses->append(addressText(quint32(a)));
    return true;
}

VirtualPrinterFleet::VirtualPrinterFleet(const VirtualPrinterOptions &options, const QStringList &addresses)
    : m_options(options), m_addresses(addresses)
{
}

VirtualPrinterFleet::~VirtualPrinterFleet()
{
    stop();
}

bool VirtualPrinterFleet::start(QStringList *failures)
{
    if (!m_threads.empty())
        return true;
    const int threads = qBound(1, QThread::idealThreadCount(), MaxThreads);
    for (int t = 0; t < threads; ++t) {
        auto *thread = new QThread;
        thread->setObjectName(QStringLiteral("virtual-fleet-%1").arg(t));
        // As in VirtualPrinter: the ending thread takes this lock after quit()
        // let go of it, an order thread checkers can see.
        const std::shared_ptr<std::mutex> quitFence = m_quitFence;
        QObject::connect(thread, &QThread::finished, [quitFence]() { std::lock_guard<std::mutex> lock(*quitFence); });
        // Calls queued for the printers before the loop runs wait for it.
        thread->start();
        m_threads.push_back(thread);
    }
    int started = 0;
    for (int i = 0; i < m_addresses.size(); ++i) {
        VirtualPrinterOptions o = m_options;
        o.address = m_addresses.at(i);
        o.mac = macFor(m_options.mac, i);
        o.outputDir.clear();
        o.serialPath.clear();
        o.serialEnabled = false;
        o.usbSysfsRoot.clear();
        o.maxEventsInMemory = EventsInMemory;
        o.maxReceivedBytes = ReceivedBytesInMemory;
        auto printer = std::make_unique<VirtualPrinter>(o, m_threads.at(size_t(i) % m_threads.size()));
        QString error;
        if (printer->start(&error))
            ++started;
        else
            failures->append(error);
        m_byAddress.insert(o.address, printer.get());
        m_printers.push_back(std::move(printer));
    }
    return started > 0;
}

void VirtualPrinterFleet::stop()
{
    if (m_threads.empty())
        return;
    for (auto &printer : m_printers)
        printer->stop();
    m_byAddress.clear();
    m_printers.clear();
    {
        std::lock_guard<std::mutex> lock(*m_quitFence);
        for (QThread *thread : m_threads)
            thread->quit();
    }
    for (QThread *thread : m_threads)
        thread->wait();
    { std::lock_guard<std::mutex> lock(*m_quitFence); }
    for (QThread *thread : m_threads)
        delete thread;
    m_threads.clear();
}

VirtualPrinter *VirtualPrinterFleet::printer(const QString &address) const
{
    return m_byAddress.value(address.trimmed());
}

QString VirtualPrinterFleet::controlHelp()
{
    return QStringLiteral(
        "Fleet control commands (one per line; answers start with \"ok\" or \"error\"):\n"
        "  printer ADDRESS COMMAND   a control command of one printer, e.g.\n"
        "                            printer 127.0.10.7 set paper_out on\n"
        "                            printer 127.0.10.9 off\n"
        "  list                      every printer's address and whether it is on, JSON array\n"
        "  help                      this text\n"
        "  quit                      stop the fleet\n"
        "A printer's commands:\n")
        + VirtualPrinter::controlHelp();
}

QString VirtualPrinterFleet::control(const QString &line)
{
    const QStringList words = line.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return QStringLiteral("error empty command");
    const QString cmd = words.at(0).toLower();
    if (cmd == QLatin1String("printer")) {
        if (words.size() < 3)
            return QStringLiteral("error usage: printer ADDRESS COMMAND");
        VirtualPrinter *p = printer(words.at(1));
        if (!p)
            return QStringLiteral("error no printer at %1").arg(words.at(1));
        if (words.at(2).toLower() == QLatin1String("quit"))
            return QStringLiteral("error quit stops the whole fleet: quit");
        return p->control(words.mid(2).join(QLatin1Char(' ')));
    }
    if (cmd == QLatin1String("list")) {
        QJsonArray out;
        for (const auto &p : m_printers)
            out.append(QJsonObject{{QStringLiteral("address"), p->options().address},
                                   {QStringLiteral("powered"), p->isPowered()}});
        return QStringLiteral("ok ") + QString::fromUtf8(QJsonDocument(out).toJson(QJsonDocument::Compact));
    }
    if (cmd == QLatin1String("help"))
        return QStringLiteral("ok ") + controlHelp().replace(QLatin1Char('\n'), QLatin1String(" | "));
    if (cmd == QLatin1String("quit"))
        return QStringLiteral("ok quit");
    return QStringLiteral("error unknown command %1 (try help; a printer's commands follow printer ADDRESS)").arg(cmd);
}
