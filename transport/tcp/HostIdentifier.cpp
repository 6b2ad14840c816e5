#include "transport/tcp/HostIdentifier.h"

#include "app/base/Logger.h"
#include "platform/MacAddressLookup.h"
#include "platform/NetbiosNameQuery.h"
#include "text/DottedQuad.h"
#include "transport/tcp/HttpRequest.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEventLoop>
#include <QDebug>
#include <QTcpSocket>
#include <QTextCodec>
#include <QTimer>

namespace {

// The lines this class writes are the LAN search's: they keep its translation
// context.
struct SearchLog
{
    Q_DECLARE_TR_FUNCTIONS(ScanWorker)
};

// A Chinese page title may come in GBK as well as in the local encoding.
bool textContains(const QString &localText, const QByteArray &body, const QString &needle)
{
    if (localText.contains(needle))
        return true;
    static QTextCodec *gbk = QTextCodec::codecForName("GBK");
    return gbk && body.contains(gbk->fromUnicode(needle));
}

} // namespace

HostIdentifier::HostIdentifier(const QString &ip, const Settings &settings, const MacAddressLookup *macLookup,
                               QObject *parent)
    : QObject(parent), m_ip(ip), m_settings(settings), m_macLookup(macLookup)
{
    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
}

HostIdentifier::~HostIdentifier()
{
    stopAll();
}

void HostIdentifier::start()
{
    Logger *log = Logger::getInstance();
    if (m_settings.stage == Stage::FirstPass)
        log->info(SearchLog::tr("try to connect :%1").arg(m_ip));
    else if (m_settings.stage == Stage::SecondPass)
        log->info(SearchLog::tr("[第二次搜索] try to connect :%1").arg(m_ip));

    // Only numeric IPv4 addresses are probed: a text that is none (a bad
    // segment) must not turn into a name lookup.
    bool valid = false;
    m_address = QHostAddress(DottedQuad::toIPv4(m_ip, &valid));
    if (!valid) {
        const QString error = QCoreApplication::translate("QAbstractSocket", "Host not found");
        QTimer::singleShot(0, this, [this, error] { onConnectFailed(error); });
        return;
    }
    m_socket = new QTcpSocket(this);
    connect(m_socket, &QTcpSocket::connected, this, &HostIdentifier::onConnected);
    connect(m_socket, &QAbstractSocket::errorOccurred, this, [this] {
        if (!m_portOpen && m_socket)
            onConnectFailed(m_socket->errorString());
    });
    if (m_settings.connectTimeoutMs > 0) {
        connect(m_timer, &QTimer::timeout, this, [this] {
            if (m_portOpen)
                return;
            // The connection may be made already while this thread was busy:
            // look once before giving the host up (a zero wait would not look
            // at all, and 1 ms is all a connection made by now needs).
            if (m_socket && m_socket->waitForConnected(LastLookMs))
                return;
            onConnectFailed(connectTimedOut());
        });
        m_timer->start(m_settings.connectTimeoutMs);
    }
    // A connect that fails at once (no route to the address) reports its
    // error from inside this call: finish() then defers finished().
    m_starting = true;
    m_socket->connectToHost(m_address, m_settings.printPort);
    m_starting = false;
}

void HostIdentifier::endConnectWaits(const std::vector<HostIdentifier *> &hosts)
{
    // The event loop delivers every connection the kernel has finished, all
    // sockets looked at together, round after round until a round finds
    // nothing to deliver (a connection takes a few rounds). Rounds, not time,
    // bound the look: a thread that the machine's load keeps from running
    // still sees every connection made by now. A wait on each socket instead
    // would cost its length for every silent host.
    QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
    for (int round = 0; dispatcher && round < FinalLookRounds; ++round) {
        if (!dispatcher->processEvents(QEventLoop::ExcludeUserInputEvents))
            break;
    }
    for (HostIdentifier *host : hosts) {
        if (!host->m_portOpen)
            host->onConnectFailed(connectTimedOut());
    }
}

QString HostIdentifier::connectTimedOut()
{
    return QCoreApplication::translate("QAbstractSocket", "Socket operation timed out");
}

void HostIdentifier::onConnectFailed(const QString &error)
{
    if (m_done || m_aborted || m_portOpen)
        return;
    m_connectError = error;
    finish();
}

void HostIdentifier::onConnected()
{
    if (m_done || m_aborted || m_portOpen)
        return;
    m_portOpen = true;
    m_timer->stop();
    m_timer->disconnect();
    Logger *log = Logger::getInstance();
    if (m_settings.stage == Stage::FirstPass)
        log->info(SearchLog::tr("%1 connected!").arg(m_ip));
    else if (m_settings.stage == Stage::SecondPass)
        log->info(SearchLog::tr("[第二次搜索] %1 connected!").arg(m_ip));
    m_socket->disconnect(this);
    m_socket->close();
    m_socket->deleteLater();
    m_socket = nullptr;

    // The connect has just made the kernel resolve the neighbour. Where the
    // neighbour table names none (a host behind a router, or one served by
    // this machine), the NetBIOS answer's unit id is the MAC address.
    QString entry;
    m_mac = m_macLookup ? m_macLookup->macAddress(m_ip, &entry) : QString();
    if (m_settings.stage == Stage::FirstPass)
        log->info(SearchLog::tr("IP: %1 arp:msg: %2").arg(m_ip, Logger::oneLine(entry, Logger::MaxExcerptChars)));
    if (m_mac.isEmpty()) {
        startNetbios();
        // A search keeps only hosts with a MAC address: the page waits for
        // the answer.
        if (m_settings.stage != Stage::SingleTest) {
            m_macAwaited = true;
            return;
        }
    }
    if (m_settings.netbiosAlongside && !m_netbiosStarted)
        startNetbios();
    logMac();
    fetchPage();
}

void HostIdentifier::logMac()
{
    if (m_settings.stage == Stage::FirstPass)
        Logger::getInstance()->info(SearchLog::tr("IP: %1 destMac: %2").arg(m_ip, m_mac));
    else if (m_settings.stage == Stage::SecondPass)
        Logger::getInstance()->info(SearchLog::tr("[第二次搜索] IP: %1 destMac: %2").arg(m_ip, m_mac));
}

void HostIdentifier::fetchPage()
{
    const QString url = QStringLiteral("http://%1/").arg(m_ip);
    if (firstPass())
        Logger::getInstance()->info(SearchLog::tr("get url: %1 ").arg(url));
    else if (m_settings.stage == Stage::SingleTest)
        qDebug() << "testSingleDevice get url:" << url;
    m_page.clear();
    m_http = new HttpRequest(this);
    connect(m_http, &HttpRequest::finished, this,
            [this](int, const QByteArray &body, const QString &) { onPageFinished(body); });
    m_http->get(url, m_settings.maxPageBytes);
    m_timer->disconnect();
    connect(m_timer, &QTimer::timeout, this, &HostIdentifier::onPageTimeout);
    m_timer->start(m_settings.fetchLimitMs);
}

void HostIdentifier::onPageTimeout()
{
    if (!m_http)
        return;
    if (firstPass())
        Logger::getInstance()->warning(SearchLog::tr("Abort request after timeout"));
    m_http->abort();
    m_page.clear();
    startRawFetch();
}

void HostIdentifier::onPageFinished(const QByteArray &body)
{
    m_timer->stop();
    if (m_http->bodyCut()) {
        // An endless page: what has arrived is enough to read the model.
        qWarning() << "page of" << m_ip << "cut at" << body.size() << "bytes";
    }
    m_page = body;
    if (m_page.isEmpty())
        startRawFetch();
    else
        identify();
}

void HostIdentifier::startRawFetch()
{
    // The same request object asks again, bare, and takes the answer as it
    // comes: some printers' web servers answer in ways no parser accepts.
    m_http->disconnect(this);
    connect(m_http, &HttpRequest::finished, this,
            [this](int, const QByteArray &data, const QString &errorText) { onRawFinished(data, errorText); });
    m_http->getRaw(QStringLiteral("http://%1/").arg(m_ip), m_settings.rawLimitMs, m_settings.rawTotalLimitMs,
                   m_settings.maxPageBytes);
}

void HostIdentifier::onRawFinished(const QByteArray &data, const QString &errorText)
{
    m_page = data;
    if (m_page.isEmpty() && !errorText.isEmpty() && firstPass()) {
        qWarning() << "fetch failed:" << errorText;
        Logger::getInstance()->warning(SearchLog::tr("fetch failed : %1").arg(Logger::oneLine(errorText, Logger::MaxExcerptChars)));
    }
    identify();
}

void HostIdentifier::identify()
{
    if (m_settings.stage == Stage::SingleTest)
        qDebug() << "testSingleDevice get data:" << m_page.left(256);
    m_model = recognizeModel(m_page);
    if (m_model.isEmpty() && m_settings.netbiosFallback) {
        if (firstPass())
            Logger::getInstance()->info(SearchLog::tr("未知型号，开始使用nbtstat 搜索"));
        m_nameAsModel = true;
        if (!m_netbiosStarted)
            startNetbios();
    }
    m_pageDone = true;
    finishWhenReady();
}

void HostIdentifier::startNetbios()
{
    m_netbiosStarted = true;
    m_netbios = new NetbiosNameQuery(this);
    connect(m_netbios, &NetbiosNameQuery::finished, this, &HostIdentifier::onNetbiosName);
    m_netbios->start(m_ip, m_settings.netbiosTimeoutMs);
}

void HostIdentifier::onNetbiosName(const QString &name)
{
    const QString unitId = m_netbios->unitId();
    m_netbios->deleteLater();
    m_netbios = nullptr;
    m_netbiosName = name;
    if (m_mac.isEmpty())
        m_mac = unitId;
    if (m_macAwaited) {
        m_macAwaited = false;
        if (m_mac.isEmpty()) {
            finish();
            return;
        }
        logMac();
        fetchPage();
        return;
    }
    finishWhenReady();
}

void HostIdentifier::finishWhenReady()
{
    if (!m_pageDone || m_netbios)
        return;
    // As the name table lists it: the name up to its first blank.
    if (m_nameAsModel)
        m_model = m_netbiosName.split(QLatin1Char(' '), Qt::SkipEmptyParts).value(0);
    finish();
}

void HostIdentifier::finish()
{
    if (m_done || m_aborted)
        return;
    m_done = true;
    stopAll();
    if (m_starting) {
        // Whoever started this host may start the next one on finished():
        // from inside start() a range of such hosts would nest without end.
        QTimer::singleShot(0, this, [this] {
            if (!m_aborted)
                emit finished();
        });
        return;
    }
    emit finished();
}

void HostIdentifier::abort()
{
    m_aborted = true;
    stopAll();
}

void HostIdentifier::stopAll()
{
    if (m_timer)
        m_timer->stop();
    if (m_socket) {
        m_socket->disconnect(this);
        m_socket->abort();
    }
    if (m_http) {
        m_http->disconnect(this);
        m_http->abort();
    }
    if (m_netbios)
        m_netbios->disconnect(this);
}

QString HostIdentifier::recognizeModel(const QByteArray &body)
{
    Logger *log = Logger::getInstance();
    const QString text = QString::fromLocal8Bit(body);
    log->info(SearchLog::tr("htmlContent: %1").arg(Logger::oneLine(text, Logger::MaxExcerptChars)));
    if (body.contains("Table1"))
        return QStringLiteral("KVZ-L7D");
    if (text.contains(QLatin1String("nativeColorPicker")) || text.contains(QLatin1String("color-swatch"))) {
        log->info(SearchLog::tr("通过 nativeColorPicker 判断型号: KVZ-L7N"));
        return QStringLiteral("KVZ-L7N");
    }
    if (body.contains("configureNetwork")) {
        log->info(SearchLog::tr("通过 configureNetwork 判断型号: KVZ-L7N"));
        return QStringLiteral("KVZ-L7N");
    }
    if (text.contains(QLatin1String("fetch('/w5500.js')")) && text.contains(QLatin1String("rgbToHex"))) {
        log->info(SearchLog::tr("通过 rgbToHex 判断型号: KVZ-L7N"));
        return QStringLiteral("KVZ-L7N");
    }
    const bool uploadForm = body.contains("upload-form");
    if (!uploadForm && body.contains("Copyright"))
        return QStringLiteral("KVZ-L7K");
    if (!uploadForm)
        return QString();
    if (body.contains("Ethernet Web Page Configuration"))
        return QStringLiteral("KVZ-L7S");
    if (textContains(text, body, QStringLiteral("以太网网页配置")) && text.contains(QLatin1String("size='16'")))
        return QStringLiteral("KVZ-L7W");
    return QStringLiteral("KVZ-L7S");
}
