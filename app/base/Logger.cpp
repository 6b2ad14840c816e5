#include "app/base/Logger.h"

#include "app/base/AppPaths.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>

#include <atomic>

namespace {
const char *const kDateFormat = "yyyy-MM-dd";
const char *const kTimeFormat = "yyyy-MM-dd hh:mm:ss";
const qint64 kBytesPerMiB = 1024 * 1024;
// yyyy-MM-dd.log and yyyy-MM-dd_N.log; nothing else in the folder is ours.
const char *const kLogNamePattern = "^\\d{4}-\\d{2}-\\d{2}(_\\d+)?\\.log$";
const char *const kLogSuffixFilter = "*.log";
const ushort kFirstPrintable = 0x20;
const ushort kDelete = 0x7F;
const ushort kLastC1 = 0x9F;
const ushort kLineSeparator = 0x2028;
const ushort kParagraphSeparator = 0x2029;
} // namespace

Logger *Logger::getInstance()
{
    static std::mutex creationMutex;
    static std::atomic<Logger *> instance{nullptr};
    Logger *existing = instance.load(std::memory_order_acquire);
    if (existing)
        return existing;
    std::lock_guard<std::mutex> lock(creationMutex);
    existing = instance.load(std::memory_order_acquire);
    if (!existing) {
        existing = new Logger(AppPaths::logDirectory());
        instance.store(existing, std::memory_order_release);
    }
    return existing;
}

Logger::Logger(const QString &logDirectory, QObject *parent)
    : QObject(parent), m_logDir(logDirectory)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (ensureLogDirectory())
            openLogFile();
    }
    writeLog(Info, tr("应用程序启动\n"));
}

Logger::~Logger()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    delete m_file;
    m_file = nullptr;
}

QString Logger::levelName(int level)
{
    switch (level) {
    case Debug: return QStringLiteral("DEBUG");
    case Info: return QStringLiteral("INFO");
    case Warning: return QStringLiteral("WARNING");
    case Error: return QStringLiteral("ERROR");
    case Critical: return QStringLiteral("CRITICAL");
    default: return QStringLiteral("UNKNOWN");
    }
}

QDateTime Logger::now() const
{
    return m_clock ? m_clock() : QDateTime::currentDateTime();
}

void Logger::setClock(std::function<QDateTime()> clock)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_clock = std::move(clock);
}

void Logger::setMaxFileSize(qint64 bytes)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_maxFileSize = bytes;
}

void Logger::setMaxFolderSize(qint64 bytes)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_maxFolderSize = bytes;
    pruneFolderLocked();
}

QString Logger::oneLine(const QString &text, int maxChars)
{
    int kept = maxChars >= 0 ? qMin(maxChars, text.size()) : text.size();
    if (kept > 0 && kept < text.size() && text.at(kept - 1).isHighSurrogate())
        --kept; // never cut a character in half
    QString out;
    out.reserve(kept + 16);
    for (int i = 0; i < kept; ++i) {
        const QChar c = text.at(i);
        const ushort u = c.unicode();
        if (u == '\n')
            out += QLatin1String("\\n");
        else if (u == '\r')
            out += QLatin1String("\\r");
        else if (u == '\t')
            out += QLatin1String("\\t");
        else if (u < kFirstPrintable || (u >= kDelete && u <= kLastC1))
            out += QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0'));
        else if (u == kLineSeparator || u == kParagraphSeparator)
            out += QStringLiteral("\\u%1").arg(u, 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    if (kept < text.size())
        out += QStringLiteral("...(%1 more)").arg(text.size() - kept);
    return out;
}

void Logger::pruneFolderLocked()
{
    QDir dir(m_logDir);
    static const QRegularExpression ours{QString::fromLatin1(kLogNamePattern)};
    QFileInfoList files;
    for (const QFileInfo &f : dir.entryInfoList(QStringList{QLatin1String(kLogSuffixFilter)}, QDir::Files,
                                                QDir::Time | QDir::Reversed))
        if (ours.match(f.fileName()).hasMatch())
            files << f;
    const QString current = m_file ? QFileInfo(m_file->fileName()).absoluteFilePath() : QString();
    // The open file may still grow to the size limit: the others get the rest.
    const qint64 budget = qMax<qint64>(0, m_maxFolderSize - m_maxFileSize);
    qint64 others = 0;
    for (const QFileInfo &f : files)
        if (f.absoluteFilePath() != current)
            others += f.size();
    // Oldest first; the open file is never deleted.
    for (const QFileInfo &f : files) {
        if (others <= budget)
            break;
        if (f.absoluteFilePath() == current)
            continue;
        if (QFile::remove(f.absoluteFilePath()))
            others -= f.size();
    }
}

QString Logger::currentFilePath() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_file ? m_file->fileName() : QString();
}

int Logger::logLevel() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_level;
}

bool Logger::ensureLogDirectory()
{
    QDir dir(m_logDir);
    if (dir.exists())
        return true;
    if (dir.mkpath(QStringLiteral("."))) {
        qDebug().noquote() << tr("日志目录创建成功:") << m_logDir;
        return true;
    }
    qCritical().noquote() << tr("无法创建日志目录:") << m_logDir;
    return false;
}

QString Logger::fileNameFor(const QString &date, int index) const
{
    const QString name = index == 0 ? QStringLiteral("%1.log").arg(date)
                                    : QStringLiteral("%1_%2.log").arg(date).arg(index);
    return QDir(m_logDir).filePath(name);
}

void Logger::openLogFile()
{
    delete m_file;
    m_file = nullptr;

    m_currentDate = now().toString(QLatin1String(kDateFormat));
    QString path = fileNameFor(m_currentDate, m_fileIndex);
    QFileInfo info(path);
    if (info.exists() && info.size() >= m_maxFileSize) {
        ++m_fileIndex;
        path = fileNameFor(m_currentDate, m_fileIndex);
    }

    auto *file = new QFile(path);
    if (file->open(QIODevice::Append | QIODevice::Text)) {
        m_file = file;
        pruneFolderLocked();
        writeLineLocked(Info, tr("日志文件创建成功: %1").arg(path));
    } else {
        qCritical().noquote() << tr("无法创建日志文件:") << path;
        delete file;
    }
}

void Logger::checkRotationLocked()
{
    const QString today = now().toString(QLatin1String(kDateFormat));
    if (today != m_currentDate) {
        writeLineLocked(Info, tr("日期变更，切换到新的日志文件"));
        m_fileIndex = 0;
        if (ensureLogDirectory())
            openLogFile();
        else
            m_currentDate = today;
        return;
    }
    if (m_file && m_file->size() >= m_maxFileSize) {
        const QString limit = QString::number(double(m_maxFileSize) / kBytesPerMiB, 'g', 15);
        writeLineLocked(Info, tr("日志文件大小达到限制 (%1 MB)，创建新文件").arg(limit));
        delete m_file;
        m_file = nullptr;
        ++m_fileIndex;
        openLogFile();
    }
}

void Logger::writeLineLocked(int level, const QString &message)
{
    const QString line = QStringLiteral("[%1] [%2] %3")
                             .arg(now().toString(QLatin1String(kTimeFormat)), levelName(level), message);
    if (m_file) {
        m_file->write(line.toUtf8());
        m_file->write("\n");
        m_file->flush();
    }
    qDebug().noquote() << line;
    emit newLogMessage(level, line);
}

void Logger::writeLog(int level, const QString &message)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (level < m_level)
        return;
    checkRotationLocked();
    writeLineLocked(level, message);
}

void Logger::setLogLevel(int level)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_level = level;
    }
    writeLog(Info, tr("日志级别设置为: %1").arg(levelName(level)));
}

bool Logger::saveLogFile(const QString &filePath, const QString &message)
{
    qDebug().noquote() << "filePath:" << filePath;
    qDebug().noquote() << "message:" << message;

    const QFileInfo info(filePath);
    QDir dir = info.absoluteDir();
    if (!dir.exists() && !dir.mkpath(QStringLiteral("."))) {
        qDebug().noquote() << tr("无法创建目录:") << dir.absolutePath();
        return false;
    }
    QFile file(filePath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        qDebug().noquote() << tr("无法打开文件进行写入:") << filePath;
        return false;
    }
    QTextStream out(&file);
    out.setCodec("UTF-8");
    out << message << '\n';
    out.flush();
    file.close();
    qDebug().noquote() << tr("日志保存成功:") << filePath;
    return true;
}
