#include "app/base/Logger.h"
#include "support/TestAppDir.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <memory>

namespace {

QStringList lines(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QString today()
{
    return QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
}

} // namespace

class LoggerTest : public QObject
{
    Q_OBJECT
private slots:
    void freshDirectoryGetsDatedFileWithStartupLines();
    void lineFormatAndSignalCarryTheWholeLine();
    void levelNames_data();
    void levelNames();
    void thresholdDropsLowerLevels();
    void startingOnAFullFileOpensIndexOne();
    void sizeRotationWritesNoticesAcrossFiles();
    void dateChangeStartsNewFileAtIndexZero();
    void unwritableDirectoryStillSignals();
    void saveLogFileCreatesFoldersAndWritesUtf8();
    void concurrentWritersProduceWholeLines();
    void instanceLivesBesideTheExecutable();
    void outsideTextStaysOnOneLine_data();
    void outsideTextStaysOnOneLine();
    void oldestLogsGoWhenTheFolderIsFull();
    void rotationKeepsTheFolderUnderItsCap();
};

void LoggerTest::freshDirectoryGetsDatedFileWithStartupLines()
{
    QTemporaryDir dir;
    const QString logDir = dir.filePath(QStringLiteral("app/LogFile"));
    Logger logger(logDir);
    const QString expected = QDir(logDir).filePath(today() + QStringLiteral(".log"));
    QCOMPARE(logger.currentFilePath(), expected);
    const QStringList l = lines(expected);
    QVERIFY(l.size() >= 2);
    QVERIFY(l.at(0).endsWith(QStringLiteral("[INFO] 日志文件创建成功: ") + expected));
    QVERIFY(l.at(1).endsWith(QStringLiteral("[INFO] 应用程序启动")));
}

void LoggerTest::lineFormatAndSignalCarryTheWholeLine()
{
    QTemporaryDir dir;
    Logger logger(dir.path());
    logger.setClock([] { return QDateTime(QDate::currentDate(), QTime(10, 15, 2)); });
    QSignalSpy spy(&logger, &Logger::newLogMessage);
    logger.warning(QStringLiteral("two\nlines"));
    QCOMPARE(spy.count(), 1);
    const QString expected = QStringLiteral("[%1 10:15:02] [WARNING] two\nlines").arg(today());
    QCOMPARE(spy.at(0).at(0).toInt(), int(Logger::Warning));
    QCOMPARE(spy.at(0).at(1).toString(), expected);
    QVERIFY(QString::fromUtf8(TestAppDir::readAll(logger.currentFilePath())).endsWith(expected + QLatin1Char('\n')));
}

void LoggerTest::levelNames_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("name");
    QTest::newRow("debug") << 0 << "DEBUG";
    QTest::newRow("info") << 1 << "INFO";
    QTest::newRow("warning") << 2 << "WARNING";
    QTest::newRow("error") << 3 << "ERROR";
    QTest::newRow("critical") << 4 << "CRITICAL";
    QTest::newRow("negative") << -1 << "UNKNOWN";
    QTest::newRow("five") << 5 << "UNKNOWN";
}

void LoggerTest::levelNames()
{
    QFETCH(int, level);
    QFETCH(QString, name);
    QCOMPARE(Logger::levelName(level), name);
}

void LoggerTest::thresholdDropsLowerLevels()
{
    QTemporaryDir dir;
    Logger logger(dir.path());
    QSignalSpy spy(&logger, &Logger::newLogMessage);
    logger.debug(QStringLiteral("kept at start"));
    logger.setLogLevel(1);
    logger.debug(QStringLiteral("dropped"));
    logger.info(QStringLiteral("kept"));
    QCOMPARE(spy.count(), 3);
    QVERIFY(spy.at(1).at(1).toString().endsWith(QStringLiteral("[INFO] 日志级别设置为: INFO")));
    const QString text = QString::fromUtf8(TestAppDir::readAll(logger.currentFilePath()));
    QVERIFY(text.contains(QStringLiteral("[DEBUG] kept at start")));
    QVERIFY(!text.contains(QStringLiteral("dropped")));
}

void LoggerTest::startingOnAFullFileOpensIndexOne()
{
    QTemporaryDir dir;
    QFile full(dir.filePath(today() + QStringLiteral(".log")));
    QVERIFY(full.open(QIODevice::WriteOnly));
    QVERIFY(full.resize(Logger::DefaultMaxFileSize));
    full.close();
    Logger logger(dir.path());
    QCOMPARE(logger.currentFilePath(), dir.filePath(today() + QStringLiteral("_1.log")));
}

void LoggerTest::sizeRotationWritesNoticesAcrossFiles()
{
    QTemporaryDir dir;
    Logger logger(dir.path());
    logger.setMaxFileSize(1024 * 1024);
    const QString first = logger.currentFilePath();
    logger.info(QString(1024 * 1024, QLatin1Char('x')));
    logger.info(QStringLiteral("after"));
    const QString second = dir.filePath(today() + QStringLiteral("_1.log"));
    QCOMPARE(logger.currentFilePath(), second);
    QVERIFY(lines(first).last().endsWith(QStringLiteral("日志文件大小达到限制 (1 MB)，创建新文件")));
    const QStringList l = lines(second);
    QCOMPARE(l.size(), 2);
    QVERIFY(l.at(0).endsWith(QStringLiteral("日志文件创建成功: ") + second));
    QVERIFY(l.at(1).endsWith(QStringLiteral("[INFO] after")));
}

void LoggerTest::dateChangeStartsNewFileAtIndexZero()
{
    QTemporaryDir dir;
    QFile full(dir.filePath(today() + QStringLiteral(".log")));
    QVERIFY(full.open(QIODevice::WriteOnly));
    QVERIFY(full.resize(Logger::DefaultMaxFileSize));
    full.close();
    Logger logger(dir.path());
    const QString old = logger.currentFilePath();
    QVERIFY(old.endsWith(QStringLiteral("_1.log")));

    const QDateTime tomorrow(QDate::currentDate().addDays(1), QTime(0, 0, 1));
    logger.setClock([tomorrow] { return tomorrow; });
    logger.info(QStringLiteral("after midnight"));

    const QString next = dir.filePath(tomorrow.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(".log"));
    QCOMPARE(logger.currentFilePath(), next);
    QVERIFY(lines(old).last().endsWith(QStringLiteral("日期变更，切换到新的日志文件")));
    QVERIFY(lines(next).last().endsWith(QStringLiteral("after midnight")));
}

void LoggerTest::outsideTextStaysOnOneLine_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("maxChars");
    QTest::addColumn<QString>("logged");
    QTest::newRow("plain") << "KVZ-L7N 打印机" << -1 << "KVZ-L7N 打印机";
    QTest::newRow("forged entry") << "ok\n[2026-01-01 00:00:00] [ERROR] forged" << -1
                                  << "ok\\n[2026-01-01 00:00:00] [ERROR] forged";
    QTest::newRow("CR LF and tab") << "a\r\n\tb" << -1 << "a\\r\\n\\tb";
    QTest::newRow("terminal escape and NUL") << QString::fromLatin1("\x1b[31mred\x00", 9) << -1 << "\\x1b[31mred\\x00";
    QTest::newRow("DEL and C1 next line") << QString::fromUtf8("a\x7f\xc2\x85" "b") << -1 << "a\\x7f\\x85b";
    QTest::newRow("Unicode line separator") << QString(QChar(0x2028)) << -1 << "\\u2028";
    QTest::newRow("cut to the excerpt") << QString(1000, QLatin1Char('x')) << 10 << "xxxxxxxxxx...(990 more)";
    QTest::newRow("cut never halves a character")
        << QStringLiteral("ab") + QString::fromUcs4(U"\U0001F5A8") << 3 << "ab...(2 more)";
    QTest::newRow("short text not cut") << "abc" << 10 << "abc";
}

void LoggerTest::outsideTextStaysOnOneLine()
{
    QFETCH(QString, text);
    QFETCH(int, maxChars);
    QFETCH(QString, logged);
    QCOMPARE(Logger::oneLine(text, maxChars), logged);
}

namespace {

void sparseLog(const QDir &dir, const QString &name, qint64 size, int daysAgo)
{
    QFile f(dir.filePath(name));
    QVERIFY(f.open(QIODevice::WriteOnly));
    QVERIFY(f.resize(size));
    QVERIFY(f.setFileTime(QDateTime::currentDateTime().addDays(-daysAgo), QFileDevice::FileModificationTime));
}

qint64 logBytes(const QDir &dir)
{
    qint64 total = 0;
    for (const QFileInfo &f : dir.entryInfoList({QStringLiteral("*.log")}, QDir::Files))
        total += f.size();
    return total;
}
} // namespace

void LoggerTest::oldestLogsGoWhenTheFolderIsFull()
{
    // Twelve old full files (sparse, so the test needs no real disk space).
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    for (int day = 1; day <= 12; ++day)
        sparseLog(dir, QStringLiteral("2025-01-%1.log").arg(day, 2, 10, QLatin1Char('0')),
                  Logger::DefaultMaxFileSize, 100 - day);
    sparseLog(dir, QStringLiteral("notes.txt"), Logger::DefaultMaxFolderSize, 200);

    Logger logger(dir.path());
    QVERIFY(logBytes(dir) <= Logger::DefaultMaxFolderSize);
    // The oldest went, the newest and today's stayed; other files are not ours.
    QVERIFY(!dir.exists(QStringLiteral("2025-01-01.log")));
    QVERIFY(!dir.exists(QStringLiteral("2025-01-02.log")));
    QVERIFY(!dir.exists(QStringLiteral("2025-01-03.log")));
    QVERIFY(dir.exists(QStringLiteral("2025-01-04.log")));
    QVERIFY(dir.exists(QStringLiteral("2025-01-12.log")));
    QVERIFY(QFile::exists(logger.currentFilePath()));
    QVERIFY(dir.exists(QStringLiteral("notes.txt")));
}

void LoggerTest::rotationKeepsTheFolderUnderItsCap()
{
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    Logger logger(dir.path());
    const qint64 fileCap = 1024;
    const qint64 folderCap = 4 * 1024;
    logger.setMaxFileSize(fileCap);
    logger.setMaxFolderSize(folderCap);
    const QString line(200, QLatin1Char('y'));
    for (int i = 0; i < 200; ++i) {
        logger.info(line);
        // At most the line that crosses the file limit over the cap.
        QVERIFY2(logBytes(dir) <= folderCap + 300, qPrintable(QString::number(logBytes(dir))));
    }
    QVERIFY(lines(logger.currentFilePath()).last().endsWith(line));
}

void LoggerTest::unwritableDirectoryStillSignals()
{
    QTemporaryDir dir;
    // A file where the directory should be: nothing can be created below it.
    QFile blocker(dir.filePath(QStringLiteral("blocked")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Logger logger(dir.filePath(QStringLiteral("blocked/LogFile")));
    QVERIFY(logger.currentFilePath().isEmpty());
    QSignalSpy spy(&logger, &Logger::newLogMessage);
    logger.error(QStringLiteral("still shown"));
    QCOMPARE(spy.count(), 1);
}

void LoggerTest::saveLogFileCreatesFoldersAndWritesUtf8()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a/b/c/log.txt"));
    QVERIFY(Logger::saveLogFile(path, QStringLiteral("日志 line")));
    QCOMPARE(TestAppDir::readAll(path), QStringLiteral("日志 line\n").toUtf8());
    QVERIFY(Logger::saveLogFile(path, QStringLiteral("short")));
    QCOMPARE(TestAppDir::readAll(path), QByteArray("short\n"));
}

void LoggerTest::concurrentWritersProduceWholeLines()
{
    QTemporaryDir dir;
    Logger logger(dir.path());
    logger.setMaxFileSize(64 * 1024); // several rotations while the threads write
    const int threads = 4;
    const int perThread = 500;
    std::vector<std::unique_ptr<QThread>> workers;
    for (int t = 0; t < threads; ++t) {
        workers.emplace_back(QThread::create([&logger, t] {
            for (int i = 0; i < perThread; ++i)
                logger.info(QStringLiteral("worker %1 line %2 end").arg(t).arg(i));
        }));
        workers.back()->start();
    }
    for (auto &w : workers)
        QVERIFY(w->wait(30000));

    int count = 0;
    const QRegularExpression whole(QStringLiteral(
        R"(^\[\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\] \[INFO\] (worker \d line \d+ end|日志.*|应用程序启动)$)"));
    for (const QString &name : QDir(dir.path()).entryList({QStringLiteral("*.log")})) {
        for (const QString &line : lines(dir.filePath(name))) {
            if (line.contains(QLatin1String("worker")))
                ++count;
            QVERIFY2(line.isEmpty() || whole.match(line).hasMatch(), qPrintable(line));
        }
    }
    QCOMPARE(count, threads * perThread);
}

void LoggerTest::instanceLivesBesideTheExecutable()
{
    TestAppDir app;
    Logger *a = Logger::getInstance();
    QCOMPARE(Logger::getInstance(), a);
    QCOMPARE(a->logDirectory(), app.path() + QStringLiteral("/LogFile"));
    QVERIFY(QFile::exists(app.filePath(QStringLiteral("LogFile/") + today() + QStringLiteral(".log"))));
}

QTEST_GUILESS_MAIN(LoggerTest)
#include "tst_logger.moc"
