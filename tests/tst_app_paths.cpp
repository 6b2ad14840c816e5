// Where the folders go: beside a portable executable, in the XDG folders for
// an installed one, and in the test override.

#include "app/base/AppPaths.h"

#include <QtTest>

class AppPathsTest : public QObject
{
    Q_OBJECT
private slots:
    void folders_data();
    void folders();
    void overrideWins();
};

void AppPathsTest::folders_data()
{
    QTest::addColumn<QString>("appDir");
    QTest::addColumn<bool>("writable");
    QTest::addColumn<QStringList>("env"); // NAME=value
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("logs");

    const QStringList home{"HOME=/home/ann"};
    QTest::newRow("portable") << "/opt/qm" << true << home << "/opt/qm" << "/opt/qm/LogFile";
    QTest::newRow("read-only folder") << "/opt/qm" << false << home << "/home/ann/.config/QuillmarkSystem"
                                      << "/home/ann/.local/state/QuillmarkSystem/LogFile";
    QTest::newRow("installed, writable for root")
        << "/usr/bin" << true << home << "/home/ann/.config/QuillmarkSystem"
        << "/home/ann/.local/state/QuillmarkSystem/LogFile";
    QTest::newRow("usr/local") << "/usr/local/bin" << true << home << "/home/ann/.config/QuillmarkSystem"
                               << "/home/ann/.local/state/QuillmarkSystem/LogFile";
    QTest::newRow("a folder named usr-something is no system folder")
        << "/usrdata/qm" << true << home << "/usrdata/qm" << "/usrdata/qm/LogFile";
    QTest::newRow("XDG variables") << "/usr/bin" << false
                                   << QStringList{"HOME=/home/ann", "XDG_CONFIG_HOME=/cfg", "XDG_STATE_HOME=/state/"}
                                   << "/cfg/QuillmarkSystem" << "/state/QuillmarkSystem/LogFile";
    QTest::newRow("relative XDG values are ignored")
        << "/usr/bin" << false << QStringList{"HOME=/home/ann", "XDG_CONFIG_HOME=cfg", "XDG_STATE_HOME=state"}
        << "/home/ann/.config/QuillmarkSystem" << "/home/ann/.local/state/QuillmarkSystem/LogFile";
}

void AppPathsTest::folders()
{
    QFETCH(QString, appDir);
    QFETCH(bool, writable);
    QFETCH(QStringList, env);
    QFETCH(QString, base);
    QFETCH(QString, logs);
    QProcessEnvironment e;
    for (const QString &pair : env)
        e.insert(pair.section('=', 0, 0), pair.section('=', 1));
    QCOMPARE(AppPaths::baseDirectoryFor(appDir, writable, e), base);
    QCOMPARE(AppPaths::logDirectoryFor(appDir, writable, e), logs);
}

void AppPathsTest::overrideWins()
{
    AppPaths::setDirectory(QStringLiteral("/tmp/override"));
    QCOMPARE(AppPaths::directory(), QStringLiteral("/tmp/override"));
    QCOMPARE(AppPaths::logDirectory(), QStringLiteral("/tmp/override/LogFile"));
    AppPaths::setDirectory(QString());
    QVERIFY(AppPaths::directory() != QLatin1String("/tmp/override"));
}

QTEST_MAIN(AppPathsTest)
#include "tst_app_paths.moc"
