#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>

#include <functional>
#include <mutex>

class QFile;

// The program's single log sink: dated files under "LogFile" beside the
// executable, the debug output and newLogMessage for the log dialog.
class Logger : public QObject
{
    Q_OBJECT
public:
    enum Level { Debug = 0, Info = 1, Warning = 2, Error = 3, Critical = 4 };

    static constexpr qint64 DefaultMaxFileSize = 50LL * 1024 * 1024;
    // The log folder never grows beyond this: whenever a log file is opened the
    // oldest log files are deleted until the others leave room for the open
    // one to reach DefaultMaxFileSize (so ten full files at most).
    static constexpr qint64 DefaultMaxFolderSize = 10 * DefaultMaxFileSize;
    // Longest excerpt of outside text (a web page, a reply) written to the log.
    static constexpr int MaxExcerptChars = 200;

    // The process-wide instance, created on first use and never destroyed.
    static Logger *getInstance();

    // A logger writing under logDirectory; getInstance() uses
    // AppPaths::logDirectory(). Opens the file and writes the
    // start-up line.
    explicit Logger(const QString &logDirectory, QObject *parent = nullptr);
    ~Logger() override;

    void setLogLevel(int level);
    int logLevel() const;
    void writeLog(int level, const QString &message);

    static QString levelName(int level);
    // Text from outside (pages, replies, typed text) made safe for one log
    // line: line breaks and other control characters escaped (\n, \r, \t,
    // \xNN), and, with maxChars >= 0, cut to that many characters followed by
    // "...(N more)". A forged "[time] [ERROR]" line thus stays inside its entry.
    static QString oneLine(const QString &text, int maxChars = -1);
    QString logDirectory() const { return m_logDir; }
    QString currentFilePath() const;

    // Test hooks: the clock that dates lines and files, and the size limit.
    void setClock(std::function<QDateTime()> clock);
    void setMaxFileSize(qint64 bytes);
    void setMaxFolderSize(qint64 bytes);

    Q_INVOKABLE void debug(const QString &message) { writeLog(Debug, message); }
    Q_INVOKABLE void info(const QString &message) { writeLog(Info, message); }
    Q_INVOKABLE void warning(const QString &message) { writeLog(Warning, message); }
    Q_INVOKABLE void error(const QString &message) { writeLog(Error, message); }
    Q_INVOKABLE void critical(const QString &message) { writeLog(Critical, message); }
    Q_INVOKABLE static bool saveLogFile(const QString &filePath, const QString &message);

signals:
    void newLogMessage(int level, const QString &message);

private:
    QDateTime now() const;
    bool ensureLogDirectory();
    void openLogFile();
    QString fileNameFor(const QString &date, int index) const;
    void checkRotationLocked();
    void pruneFolderLocked();
    void writeLineLocked(int level, const QString &message);

    QString m_logDir;
    int m_level = 0;
    QFile *m_file = nullptr;
    // std::mutex rather than QMutex: ThreadSanitizer sees its ordering.
    mutable std::mutex m_mutex;
    QString m_currentDate;
    qint64 m_maxFileSize = DefaultMaxFileSize;
    qint64 m_maxFolderSize = DefaultMaxFolderSize;
    int m_fileIndex = 0;
    std::function<QDateTime()> m_clock;
};
