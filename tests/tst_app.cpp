#include "app/Application.h"
#include "app/base/ConfigManager.h"
#include "app/base/Logger.h"
#include "app/QmlLanguage.h"
#include "support/TestAppDir.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QUrl>

namespace {

QUrl writeScene(const TestAppDir &dir, const QString &name, const QByteArray &qml)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(qml);
    return QUrl::fromLocalFile(path);
}

QString todaysLog(const QString &appDir)
{
    return appDir + QStringLiteral("/LogFile/") + QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"))
        + QStringLiteral(".log");
}

} // namespace

class AppTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void sceneSeesEveryPublishedObjectAtFirstLoad();
    void brokenMainSceneExitsWithMinusOne();
    void programStartedInEmptyFolderWritesItsFiles();
    void segmentFromTheEnvironmentIsSearchedNotStored_data();
    void segmentFromTheEnvironmentIsSearchedNotStored();

private:
    TestAppDir m_app;
};

void AppTest::initTestCase()
{
    Application::registerTypes();
}

void AppTest::sceneSeesEveryPublishedObjectAtFirstLoad()
{
    const QUrl scene = writeScene(m_app, QStringLiteral("main.qml"), R"(
import QtQuick 2.15
import QtQuick.Window 2.15
Window {
    width: 1040; height: 780; visible: true; title: "QuillmarkSystem"
    Component.onCompleted: {
        var names = [typeof qmlLanguage, typeof deviceViewModel, typeof logger,
                     typeof configManager, typeof helperFunction];
        logger.info("scene sees: " + names.join(","));
        logger.info("mode " + deviceViewModel.currentMode);
        quitTimer.start();
    }
    Image { source: "image://barcode/probe" }
    Timer { id: quitTimer; interval: 50; onTriggered: Qt.quit() }
}
)");
    QCOMPARE(Application::run(*qApp, scene), 0);
    const QString log = QString::fromUtf8(TestAppDir::readAll(todaysLog(m_app.path())));
    QVERIFY2(log.contains(QStringLiteral("scene sees: object,object,object,object,object")), qPrintable(log));
    const int sceneLine = log.indexOf(QStringLiteral("scene sees"));
    const int levelLine = log.indexOf(QStringLiteral("日志级别设置为: INFO"));
    const int configLine = log.indexOf(QStringLiteral("配置管理器初始化完成"));
    QVERIFY(sceneLine > 0 && sceneLine < levelLine && levelLine < configLine);
    QCOMPARE(TestAppDir::readAll(m_app.filePath(QStringLiteral("configFile/printtest.ini"))),
             ConfigManager::defaultFileText());
    QCOMPARE(TestAppDir::readAll(m_app.filePath(QStringLiteral("configFile/initial.ini"))),
             QmlLanguage::defaultFileText());
    QCOMPARE(Logger::getInstance()->logLevel(), 1);
}

void AppTest::brokenMainSceneExitsWithMinusOne()
{
    const QUrl scene = writeScene(m_app, QStringLiteral("broken.qml"), "import QtQuick 2.15\nItem { nonsense: }\n");
    QCOMPARE(Application::run(*qApp, scene), Application::BrokenSceneExitCode);
}

void AppTest::programStartedInEmptyFolderWritesItsFiles()
{
    // The real program, copied into an empty folder: its files appear beside it.
    TestAppDir folder;
    const QString program = folder.filePath(QStringLiteral("QuillmarkSystem"));
    QVERIFY(QFile::copy(QStringLiteral(QM_APP_BIN), program));
    QProcess app;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    app.setProcessEnvironment(env);
    app.setProgram(program);
    app.start();
    QVERIFY(app.waitForStarted(10000));
    const QString log = todaysLog(folder.path());
    QTRY_VERIFY_WITH_TIMEOUT(TestAppDir::readAll(log).contains("配置管理器初始化完成"), 20000);
    QCOMPARE(app.state(), QProcess::Running);
    app.terminate();
    QVERIFY(app.waitForFinished(10000));
    // The pictures a new initial.ini names do not ship: nothing is looked for in vain.
    const QString warnings = QString::fromUtf8(app.readAllStandardError());
    QVERIFY2(!warnings.contains(QStringLiteral("Cannot open")), qPrintable(warnings));

    QCOMPARE(TestAppDir::readAll(folder.filePath(QStringLiteral("configFile/initial.ini"))),
             QmlLanguage::defaultFileText());
    QCOMPARE(TestAppDir::readAll(folder.filePath(QStringLiteral("configFile/printtest.ini"))),
             ConfigManager::defaultFileText());
    const QStringList lines = QString::fromUtf8(TestAppDir::readAll(log)).split(QLatin1Char('\n'));
    const QRegularExpression format(QStringLiteral(R"(^\[\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\] \[(DEBUG|INFO|WARNING|ERROR|CRITICAL)\] )"));
    QStringList order;
    for (const QString &line : lines) {
        if (line.isEmpty())
            continue;
        QVERIFY2(format.match(line).hasMatch(), qPrintable(line));
        order << line.section(QStringLiteral("] "), 2);
    }
    const QStringList expected{QStringLiteral("日志文件创建成功: ") + log,
                               QStringLiteral("应用程序启动"),
                               QStringLiteral("创建配置文件夹: ") + folder.filePath(QStringLiteral("configFile")),
                               QStringLiteral("读取配置文件路径: ") + folder.filePath(QStringLiteral("configFile/initial.ini")),
                               QStringLiteral("成功加载中文翻译文件"),
                               QStringLiteral("日志级别设置为: INFO"),
                               QStringLiteral("初始化配置管理器"),
                               QStringLiteral("配置管理器初始化完成")};
    int at = -1;
    for (const QString &e : expected) {
        const int found = order.indexOf(e, at + 1);
        QVERIFY2(found > at, qPrintable(e));
        at = found;
    }
}

void AppTest::segmentFromTheEnvironmentIsSearchedNotStored_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("searched");
    QTest::addColumn<QString>("logLine");
    QTest::newRow("the demo's segment") << QByteArray("127.0.0.") << QStringLiteral("127.0.0.")
                                        << QStringLiteral("[INFO] 本次运行搜索网段 127.0.0.（QM_TCP_SEGMENT，未保存）");
    QTest::newRow("without the last point") << QByteArray(" 10.1.2") << QStringLiteral("10.1.2.")
                                             << QStringLiteral("[INFO] 本次运行搜索网段 10.1.2.（QM_TCP_SEGMENT，未保存）");
    QTest::newRow("no segment") << QByteArray("300.1.1.") << QStringLiteral("192.168.1.")
                                << QStringLiteral("[WARNING] QM_TCP_SEGMENT 不是有效的网段: 300.1.1.（应为前三个数字，如 "
                                                  "10.1.2.），使用保存的设置");
}

void AppTest::segmentFromTheEnvironmentIsSearchedNotStored()
{
    // scripts/run.sh names its printer's segment: the window searches it from
    // the first press of the search button, and the settings stay as they were.
    QFETCH(QByteArray, value);
    QFETCH(QString, searched);
    QFETCH(QString, logLine);
    QFile::remove(m_app.filePath(QStringLiteral("configFile/printtest.ini")));
    const QUrl scene = writeScene(m_app, QStringLiteral("segment.qml"), R"(
import QtQuick 2.15
import QtQuick.Window 2.15
Window {
    Timer {
        interval: 0; running: true
        onTriggered: {
            logger.info("segment " + configManager.getTcpNetworkSegment() + " mode " + configManager.getTcpNetworkMode());
            Qt.quit();
        }
    }
}
)");
    qputenv(ConfigManager::RunSegmentVariable, value);
    const int code = Application::run(*qApp, scene);
    qunsetenv(ConfigManager::RunSegmentVariable);
    QCOMPARE(code, 0);
    const QString log = QString::fromUtf8(TestAppDir::readAll(todaysLog(m_app.path())));
    QVERIFY2(log.contains(QStringLiteral("segment %1 mode 1").arg(searched)), qPrintable(log.right(600)));
    QVERIFY2(log.contains(logLine), qPrintable(log.right(600)));
    QCOMPARE(TestAppDir::readAll(m_app.filePath(QStringLiteral("configFile/printtest.ini"))),
             ConfigManager::defaultFileText());
}

QTEST_MAIN(AppTest)
#include "tst_app.moc"
