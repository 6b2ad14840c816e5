// The real program (main scene from the program's resources, real back end)
// driven as a person would: clicks on the navigation, the log and About
// buttons, the language switch; and the same window seen through the
// accessibility tree, as screen readers and desktop automation see it.
#include "FrameDriver.h"

#include "app/AppSession.h"
#include "app/Application.h"
#include "app/base/Logger.h"
#include "app/QmlLanguage.h"
#include "app/DeviceViewModel.h"
#include "support/TestAppDir.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSettings>
#include <QTest>

#include <memory>

namespace {

struct AccessibleNode
{
    QAccessible::Role role;
    QString name;
    QAccessibleInterface *iface;
};

void collect(QAccessibleInterface *iface, QList<AccessibleNode> &out, int depth = 0)
{
    if (!iface || depth > 64 || iface->state().invisible)
        return;
    out.append({iface->role(), iface->text(QAccessible::Name), iface});
    for (int i = 0; i < iface->childCount(); ++i)
        collect(iface->child(i), out, depth + 1);
}

QString todaysLog()
{
    return QString::fromUtf8(TestAppDir::readAll(Logger::getInstance()->currentFilePath()));
}

QWindow *visibleTopLevel(const QString &objectName)
{
    for (QWindow *w : QGuiApplication::topLevelWindows()) {
        if (w->objectName() == objectName && w->isVisible())
            return w;
    }
    return nullptr;
}

} // namespace

class FrameProgramTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void startsOnTheUsbPage();
    void navigationSwitchesModeAndPage_data();
    void navigationSwitchesModeAndPage();
    void everyControlIsFoundByItsTextInTheAccessibilityTree();
    void assistiveToolPressesANavigationEntry();
    void logButtonKeepsOneWindow();
    void aboutShowsTheVersionLog();
    void restartThatCannotStartKeepsTheWindow();
    void yesHidesTheWindowBeforeStoringAndRestartsWithSameArguments();

private:
    QList<AccessibleNode> accessibleTree() const;
    int contentIndex() const { return m_driver->item(QStringLiteral("contentSwipe"))->property("currentIndex").toInt(); }

    TestAppDir m_app;
    std::unique_ptr<AppSession> m_session;
    QQuickWindow *m_window = nullptr;
    std::unique_ptr<FrameDriver> m_driver;
};

void FrameProgramTest::initTestCase()
{
    Application::registerTypes();
    QAccessible::setActive(true);
    m_session = std::make_unique<AppSession>(*qApp, QUrl(QStringLiteral("qrc:/main.qml")));
    m_window = qobject_cast<QQuickWindow *>(m_session->rootObject());
    QVERIFY(m_window);
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_driver = std::make_unique<FrameDriver>(m_window);
}

void FrameProgramTest::cleanupTestCase()
{
    m_driver.reset();
    m_session.reset();
}

void FrameProgramTest::startsOnTheUsbPage()
{
    QCOMPARE(m_window->size(), QSize(1040, 780));
    QCOMPARE(m_window->title(), QStringLiteral("QuillmarkSystem"));
    QVERIFY(m_window->flags() & Qt::FramelessWindowHint);
    QVERIFY(m_driver->item(QStringLiteral("usbEntry"))->property("selected").toBool());
    QCOMPARE(contentIndex(), 0);
    QCOMPARE(m_session->viewModel().currentMode(), 1);
    QVERIFY(m_driver->item(QStringLiteral("usbStatusRow"))->isVisible());
    QVERIFY(!m_driver->item(QStringLiteral("tcpStatusRow"))->isVisible());
    const QString log = todaysLog();
    const int size = log.indexOf(QStringLiteral("[INFO] 窗口尺寸: 1040x780"));
    const int version = log.indexOf(QStringLiteral("[INFO] 版本号: V1.0.0.31"));
    QVERIFY2(size >= 0 && version > size, qPrintable(log));
    // The scene's own lines come before the log level is set.
    QVERIFY(version < log.indexOf(QStringLiteral("日志级别设置为")));
}

void FrameProgramTest::navigationSwitchesModeAndPage_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("logLine");
    QTest::newRow("TCP") << "tcpEntry" << 1 << 0 << "tcpStatusRow" << "[INFO] 切换到tcp";
    QTest::newRow("serial") << "serialEntry" << 2 << 2 << "serialStatusRow" << "[INFO] 切换到串口";
    QTest::newRow("driver") << "driverEntry" << 3 << 3 << "driverStatusRow" << "[INFO] 切换到驱动";
    QTest::newRow("USB") << "usbEntry" << 0 << 1 << "usbStatusRow" << "[INFO] 切换到usb";
}

void FrameProgramTest::navigationSwitchesModeAndPage()
{
    QFETCH(QString, entry);
    QFETCH(int, index);
    QFETCH(int, mode);
    QFETCH(QString, row);
    QFETCH(QString, logLine);
    const int logBefore = todaysLog().size();
    QVERIFY(m_driver->click(entry));
    QTRY_COMPARE(contentIndex(), index);
    QCOMPARE(m_session->viewModel().currentMode(), mode);
    QTRY_VERIFY(m_driver->item(row)->isVisible());
    QTRY_VERIFY(todaysLog().indexOf(logLine, logBefore) >= 0);
}

QList<AccessibleNode> FrameProgramTest::accessibleTree() const
{
    QList<AccessibleNode> nodes;
    collect(QAccessible::queryAccessibleInterface(m_window), nodes);
    return nodes;
}

void FrameProgramTest::everyControlIsFoundByItsTextInTheAccessibilityTree()
{
    QVERIFY(m_driver->click(QStringLiteral("usbEntry")));
    QTRY_VERIFY(m_driver->item(QStringLiteral("usbStatusRow"))->isVisible());
    const QList<AccessibleNode> nodes = accessibleTree();
    struct Expected
    {
        QString name;
        QList<QAccessible::Role> roles;
    };
    const QList<QAccessible::Role> pressable = {QAccessible::Button, QAccessible::PageTab};
    const QList<Expected> expected = {
        {QStringLiteral("关于"), pressable},
        {QStringLiteral("最小化"), pressable},
        {QStringLiteral("关闭"), pressable},
        {QStringLiteral("管理"), pressable},
        {QStringLiteral("Usb"), pressable},
        {QStringLiteral("Tcp"), pressable},
        {QStringLiteral("串口"), pressable},
        {QStringLiteral("驱动"), pressable},
        {QStringLiteral("English"), pressable},
        {QStringLiteral("打开日志"), pressable},
        {QStringLiteral("切换语言"), {QAccessible::StaticText}},
        {QStringLiteral("✗ 设备未连接"), {QAccessible::StaticText}},
        {QStringLiteral("版本：V1.0.0.31"), {QAccessible::StaticText}},
        {QStringLiteral("QuillmarkSystem"), {QAccessible::StaticText}},
    };
    QStringList missing;
    for (const Expected &e : expected) {
        const bool found = std::any_of(nodes.begin(), nodes.end(), [&](const AccessibleNode &n) {
            return n.name == e.name && e.roles.contains(n.role);
        });
        if (!found)
            missing << e.name;
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));

    // Nothing a person can press is nameless.
    for (const AccessibleNode &n : nodes) {
        if (n.role == QAccessible::Button || n.role == QAccessible::PageTab || n.role == QAccessible::CheckBox)
            QVERIFY2(!n.name.isEmpty(), qPrintable(QStringLiteral("nameless control of role %1").arg(n.role)));
    }
}

void FrameProgramTest::assistiveToolPressesANavigationEntry()
{
    const QList<AccessibleNode> nodes = accessibleTree();
    auto tcp = std::find_if(nodes.begin(), nodes.end(),
                            [](const AccessibleNode &n) { return n.name == QLatin1String("Tcp"); });
    QVERIFY(tcp != nodes.end());
    QAccessibleActionInterface *actions = tcp->iface->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(contentIndex(), 1);
    QCOMPARE(m_session->viewModel().currentMode(), 0);
    QVERIFY(m_driver->click(QStringLiteral("usbEntry")));
    QTRY_COMPARE(contentIndex(), 0);
}

void FrameProgramTest::logButtonKeepsOneWindow()
{
    QVERIFY(m_driver->click(QStringLiteral("openLogButton")));
    QTRY_VERIFY(visibleTopLevel(QStringLiteral("logDialog")));
    QWindow *log = visibleTopLevel(QStringLiteral("logDialog"));
    QVERIFY(m_driver->click(QStringLiteral("openLogButton")));
    QTest::qWait(50);
    int logWindows = 0;
    for (QWindow *w : QGuiApplication::topLevelWindows())
        logWindows += w->objectName() == QLatin1String("logDialog") ? 1 : 0;
    QCOMPARE(logWindows, 1);
    QVERIFY(log->isVisible());

    // Lines written while it is open show up in it.
    QVERIFY(m_driver->click(QStringLiteral("tcpEntry")));
    QTRY_VERIFY(log->property("lineCount").toInt() >= 1);
    QVERIFY(m_driver->click(QStringLiteral("usbEntry")));
    log->close();
    QTRY_VERIFY(!visibleTopLevel(QStringLiteral("logDialog")));
}

void FrameProgramTest::aboutShowsTheVersionLog()
{
    QVERIFY(m_driver->click(QStringLiteral("aboutButton")));
    QTRY_VERIFY(visibleTopLevel(QStringLiteral("versionLogDialog")));
    QWindow *about = visibleTopLevel(QStringLiteral("versionLogDialog"));
    QCOMPARE(about->title(), QStringLiteral("版本更新日志"));
    QCOMPARE(about->size(), QSize(700, 550));
    QCOMPARE(about->modality(), Qt::ApplicationModal);
    about->close();
    QTRY_VERIFY(!visibleTopLevel(QStringLiteral("versionLogDialog")));
}

void FrameProgramTest::restartThatCannotStartKeepsTheWindow()
{
    QCOMPARE(m_session->language().getLanguage(), QStringLiteral("zh_CN"));
    const QString missing = m_app.filePath(QStringLiteral("no-such-program"));
    m_session->language().setRestartProgram(missing);
    QVERIFY(m_driver->click(QStringLiteral("languageButton")));
    QTRY_VERIFY(m_driver->item(QStringLiteral("restartYesButton")));
    QVERIFY(m_driver->click(QStringLiteral("restartYesButton")));
    // "是" switched the running translation to English first: the log follows it.
    QTRY_VERIFY(todaysLog().contains(
        QStringLiteral("[ERROR] Failed to restart the application, please manually restart the application")));
    QVERIFY(todaysLog().contains(QStringLiteral("[ERROR] Could not start ") + missing
                                 + QStringLiteral(": The program file does not exist")));
    QTRY_VERIFY(m_window->isVisible());
    // The program now runs in English: the language button offers Chinese.
    QTRY_COMPARE(m_driver->item(QStringLiteral("languageButton"))->property("text").toString(), QStringLiteral("Chinese"));
}

void FrameProgramTest::yesHidesTheWindowBeforeStoringAndRestartsWithSameArguments()
{
    const QString record = m_app.filePath(QStringLiteral("successor.txt"));
    const QString script = m_app.filePath(QStringLiteral("successor.sh"));
    {
        QFile f(script);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1.tmp'; mv '%1.tmp' '%1'\n").arg(record).toUtf8());
    }
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_session->language().setRestartProgram(script);

    // The failed attempt above stored English; this one goes back.
    QCOMPARE(m_session->language().getLanguage(), QStringLiteral("en_US"));
    const QString target = QStringLiteral("zh_CN");
    const int logBefore = todaysLog().size();
    QVERIFY(m_driver->click(QStringLiteral("languageButton")));
    QTRY_VERIFY(m_driver->item(QStringLiteral("restartYesButton")));
    QTRY_VERIFY(m_driver->item(QStringLiteral("restartYesButton"))->isVisible());
    QVERIFY(m_driver->click(QStringLiteral("restartYesButton")));
    QTRY_VERIFY(QFile::exists(record));
    QVERIFY(!m_window->isVisible());

    const QString log = todaysLog();
    // Hidden while still in English, stored after switching back to Chinese.
    const int hidden = log.indexOf(QStringLiteral("The main window is hidden, ready to restart the application"), logBefore);
    const int stored = log.indexOf(QStringLiteral("设置语言到配置文件: ") + target, logBefore);
    QVERIFY2(hidden >= 0 && stored > hidden, qPrintable(log.mid(logBefore)));
    QSettings ini(m_app.filePath(QStringLiteral("configFile/initial.ini")), QSettings::IniFormat);
    QCOMPARE(ini.value(QStringLiteral("Language/Current")).toString(), target);
    const QString args = QString::fromUtf8(TestAppDir::readAll(record));
    QCOMPARE(args.split(QLatin1Char('\n'), Qt::SkipEmptyParts), QCoreApplication::arguments().mid(1));
}

QTEST_MAIN(FrameProgramTest)
#include "tst_frame_program.moc"
