#include "support/spooler_TestCupsd.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>

#include <cups/cups.h>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char CupsdProgram[] = "/usr/sbin/cupsd";
const char LpadminProgram[] = "/usr/sbin/lpadmin";
constexpr int PollMs = 50;
constexpr int StopTimeoutMs = 10000;

bool writeFile(const QString &path, const QByteArray &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text) == text.size();
}

} // namespace

TestCupsd::~TestCupsd()
{
    stop();
}

bool TestCupsd::isInstalled(QString *why)
{
    for (const char *program : {CupsdProgram, LpadminProgram}) {
        if (!QFileInfo(QString::fromLatin1(program)).isExecutable()) {
            if (why)
                *why = QStringLiteral("%1 is not installed (Debian package cups)").arg(QLatin1String(program));
            return false;
        }
    }
    // The scheduler runs its printer back-ends as lp: that takes real root,
    // not the mapped root of a user namespace (unshare -r).
    QFile uidMap(QStringLiteral("/proc/self/uid_map"));
    const QByteArray map = uidMap.open(QIODevice::ReadOnly) ? uidMap.readAll().simplified() : QByteArray();
    if (::geteuid() != 0 || (!map.isEmpty() && map != "0 0 4294967295")) {
        if (why)
            *why = QStringLiteral("cupsd needs real root to run its printer back-ends");
        return false;
    }
    return true;
}

QString TestCupsd::server() const
{
    return m_dir.filePath(QStringLiteral("cups.sock"));
}

bool TestCupsd::start(QString *error)
{
    if (!isInstalled(error))
        return false;
    if (!m_dir.isValid()) {
        *error = QStringLiteral("no temporary folder");
        return false;
    }
    const QString root = m_dir.path();
    // The scheduler's helpers run as lp and must reach the spool below.
    ::chmod(QFile::encodeName(root).constData(), 0755);
    for (const char *sub : {"spool", "spool/tmp", "cache", "state", "logs", "ppd"})
        QDir(root).mkpath(QString::fromLatin1(sub));

    const QByteArray cupsdConf = "LogLevel debug\n"
                                 "Listen " + QFile::encodeName(server()) + "\n"
                                 "Browsing Off\n"
                                 "DefaultAuthType None\n"
                                 "WebInterface No\n"
                                 "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                 "<Policy default>\n  <Limit All>\n    Order deny,allow\n    Allow all\n"
                                 "  </Limit>\n</Policy>\n";
    const QByteArray r = QFile::encodeName(root);
    const QByteArray filesConf = "ServerRoot " + r + "\n"
                                 "RequestRoot " + r + "/spool\n"
                                 "TempDir " + r + "/spool/tmp\n"
                                 "CacheDir " + r + "/cache\n"
                                 "StateDir " + r + "/state\n"
                                 "AccessLog " + r + "/logs/access_log\n"
                                 "ErrorLog " + r + "/logs/error_log\n"
                                 "PageLog " + r + "/logs/page_log\n"
                                 "Printcap " + r + "/printcap\n"
                                 "User lp\nGroup lp\nSystemGroup root\nFileDevice No\n";
    if (!writeFile(root + "/cupsd.conf", cupsdConf) || !writeFile(root + "/cups-files.conf", filesConf)) {
        *error = QStringLiteral("cannot write the scheduler configuration");
        return false;
    }

    m_cupsd.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_cupsd.start(QString::fromLatin1(CupsdProgram),
                  {"-f", "-c", root + "/cupsd.conf", "-s", root + "/cups-files.conf"});
    if (!m_cupsd.waitForStarted(StartTimeoutMs)) {
        *error = QStringLiteral("cupsd did not start: ") + m_cupsd.errorString();
        return false;
    }
    if (!waitUntilAnswering(StartTimeoutMs)) {
        *error = QStringLiteral("cupsd does not answer on ") + server() + "\n" + errorLog();
        stop();
        return false;
    }
    return true;
}

bool TestCupsd::waitUntilAnswering(int timeoutMs) const
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        if (m_cupsd.state() != QProcess::Running)
            return false;
        QLocalSocket probe;
        probe.connectToServer(server());
        if (probe.waitForConnected(PollMs)) {
            probe.disconnectFromServer();
            return true;
        }
        QThread::msleep(PollMs);
    }
    return false;
}

bool TestCupsd::runTool(const QString &program, const QStringList &args, QString *error) const
{
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("CUPS_SERVER"), server());
    tool.setProcessEnvironment(env);
    tool.start(program, args);
    if (!tool.waitForFinished(CommandTimeoutMs) || tool.exitStatus() != QProcess::NormalExit
        || tool.exitCode() != 0) {
        *error = program + " " + args.join(' ') + ": " + QString::fromLocal8Bit(tool.readAllStandardError());
        tool.kill();
        tool.waitForFinished();
        return false;
    }
    return true;
}

bool TestCupsd::addRawQueue(const QString &name, const QString &deviceUri, QString *error)
{
    // abort-job: a job the printer does not take is dropped, the queue stays
    // enabled for the next one.
    return runTool(QString::fromLatin1(LpadminProgram),
                   {"-p", name, "-E", "-v", deviceUri, "-m", "raw", "-o", "printer-error-policy=abort-job"}, error);
}

bool TestCupsd::removeQueue(const QString &name, QString *error)
{
    return runTool(QString::fromLatin1(LpadminProgram), {"-x", name}, error);
}

QStringList TestCupsd::jobNames(const QString &queue, QStringList *formats) const
{
    QStringList names;
    http_t *http = httpConnect2(QFile::encodeName(server()).constData(), 0, nullptr, AF_UNSPEC,
                                HTTP_ENCRYPTION_IF_REQUESTED, 1, CommandTimeoutMs, nullptr);
    if (!http)
        return names;
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof(uri), "ipp", nullptr, "localhost", 0, "/printers/%s",
                     queue.toUtf8().constData());
    ipp_t *request = ippNewRequest(IPP_OP_GET_JOBS);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "which-jobs", nullptr, "all");
    const char *const attrs[] = {"job-id", "job-name", "document-format"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 3, nullptr, attrs);
    ipp_t *response = cupsDoRequest(http, request, "/");
    for (ipp_attribute_t *a = response ? ippFirstAttribute(response) : nullptr; a; a = ippNextAttribute(response)) {
        const char *name = ippGetName(a);
        if (!name)
            continue;
        if (qstrcmp(name, "job-name") == 0)
            names << QString::fromUtf8(ippGetString(a, 0, nullptr));
        else if (formats && qstrcmp(name, "document-format") == 0)
            *formats << QString::fromUtf8(ippGetString(a, 0, nullptr));
    }
    ippDelete(response);
    httpClose(http);
    return names;
}

QString TestCupsd::errorLog() const
{
    QFile log(m_dir.filePath(QStringLiteral("logs/error_log")));
    if (!log.open(QIODevice::ReadOnly))
        return {};
    const QByteArray text = log.readAll();
    return QString::fromUtf8(text.right(4000));
}

qint64 TestCupsd::pid() const
{
    return m_cupsd.processId();
}

bool TestCupsd::isRunning() const
{
    return m_cupsd.state() == QProcess::Running;
}

void TestCupsd::pause()
{
    if (isRunning() && ::kill(static_cast<pid_t>(pid()), SIGSTOP) == 0)
        m_paused = true;
}

void TestCupsd::resume()
{
    if (m_paused && isRunning())
        ::kill(static_cast<pid_t>(pid()), SIGCONT);
    m_paused = false;
}

void TestCupsd::crash()
{
    resume();
    if (isRunning()) {
        m_cupsd.kill();
        m_cupsd.waitForFinished(StopTimeoutMs);
    }
}

void TestCupsd::stop()
{
    resume();
    if (!isRunning())
        return;
    m_cupsd.terminate();
    if (!m_cupsd.waitForFinished(StopTimeoutMs)) {
        m_cupsd.kill();
        m_cupsd.waitForFinished(StopTimeoutMs);
    }
}
