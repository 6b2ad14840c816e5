#include "app/base/Logger.h"
#include "app/QmlLanguage.h"
#include "support/FileSizeLimit.h"
#include "support/TestAppDir.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QRegularExpression>
#include <QUrl>
#include <QXmlStreamReader>

namespace {

void writeFile(const QString &path, const QByteArray &text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text);
    QVERIFY(f.flush());
    // QSettings keeps a parsed file while its size and time are unchanged; two fixtures of the
    // same size written within one clock tick would otherwise read as the first one.
    static QDateTime stamp = QDateTime::currentDateTimeUtc().addSecs(-100000);
    stamp = stamp.addSecs(10);
    QVERIFY(f.setFileTime(stamp, QFileDevice::FileModificationTime));
}

QString logText()
{
    return QString::fromUtf8(TestAppDir::readAll(Logger::getInstance()->currentFilePath()));
}

} // namespace

class LanguageTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void firstStartCreatesDefaultFileAndLoadsChinese();
    void languageCodes_data();
    void languageCodes();
    void pictureUrlsNameFilesThatAreThere_data();
    void pictureUrlsNameFilesThatAreThere();
    void codePageSelectionSurvivesARestart();
    void storedCodePageChoiceIsKept_data();
    void storedCodePageChoiceIsKept();
    void restartStartsSuccessorWithSameArgumentsThenQuits();
    void failedRestartKeepsTheProgramRunning();
    void fullDiskLeavesNoEmptyFile();
    void emptyOrDamagedFileIsReplaced_data();
    void emptyOrDamagedFileIsReplaced();
    void englishFileReadsAsEnglish();
    void statusTextsReadAsStates_data();
    void statusTextsReadAsStates();

private:
    QString configFile() const { return m_app.filePath(QStringLiteral("configFile/initial.ini")); }
    TestAppDir m_app;
};

void LanguageTest::initTestCase()
{
    Logger::getInstance();
}

void LanguageTest::cleanup()
{
    QDir(m_app.filePath(QStringLiteral("configFile"))).removeRecursively();
}

void LanguageTest::firstStartCreatesDefaultFileAndLoadsChinese()
{
    QmlLanguage language(QCoreApplication::instance(), nullptr);
    QTranslator translator;
    language.getLanguageConfiguration(translator);
    QCOMPARE(TestAppDir::readAll(configFile()), QmlLanguage::defaultFileText());
    QCOMPARE(QmlLanguage::defaultFileText(),
             QByteArray("[Language]\nCurrent=zh_CN\n\n[Image]\nLogoImgUrl=configFile/img/PrinterLogo.png\n"
                        "CarouselImgUrl_1=configFile/img/carouselImage-1.png\n"
                        "CarouselImgUrl_2=configFile/img/carouselImage-2.png\n"
                        "CarouselImgUrl_3=configFile/img/carouselImage-3.png\n\n[CodePage]\nCodePageSelect=28\n"));
    QCOMPARE(language.getLanguage(), QStringLiteral("zh_CN"));
    // A new installation prints Chinese: GBK is position 28 of the code page list.
    QCOMPARE(language.getCodePageSelect(), 28);
    // None of the default pictures ships: the window shows its own logo, and
    // no picture is looked for in vain.
    QCOMPARE(language.getLogoImgUrl(), QString());
    QCOMPARE(language.getCarouselImgUrl3(), QString());
    const QString log = logText();
    QVERIFY(!log.contains(QStringLiteral("找不到图片")));
    QVERIFY(log.contains(QStringLiteral("[INFO] 创建配置文件夹: ") + m_app.path() + QStringLiteral("/configFile")));
    QVERIFY(log.contains(QStringLiteral("[INFO] 默认配置文件创建成功: ") + configFile()));
    QVERIFY(log.contains(QStringLiteral("[INFO] 成功加载中文翻译文件")));
}

void LanguageTest::languageCodes_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("logLine");
    // The translation is in place before the first line: English from the start.
    QTest::newRow("english") << QByteArray("[Language]\nCurrent=en_US\n") << "en_US"
                             << "[INFO] Reading the configuration file: ";
    QTest::newRow("french") << QByteArray("[Language]\nCurrent=fr_FR\n; another language\n") << ""
                            << "[WARNING] 未识别的语言代码: fr_FR，使用默认语言";
    QTest::newRow("missing") << QByteArray("[Image]\n") << "" << "[WARNING] 未识别的语言代码: 空，使用默认语言";
}

void LanguageTest::languageCodes()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, language);
    QFETCH(QString, logLine);
    writeFile(configFile(), file);
    QmlLanguage lang(QCoreApplication::instance(), nullptr);
    QTranslator translator;
    lang.getLanguageConfiguration(translator);
    QCOMPARE(lang.getLanguage(), language);
    QVERIFY(logText().contains(logLine));
    if (language == QLatin1String("en_US")) {
        // The English file really is loaded: a known source text comes out in English.
        QCOMPARE(translator.translate("Logger", "日志级别设置为: %1"), QStringLiteral("Log level set to: %1"));
        QVERIFY(logText().contains(QStringLiteral("[INFO] English translation loaded")));
    } else {
        QVERIFY(translator.isEmpty());
    }
}

void LanguageTest::pictureUrlsNameFilesThatAreThere_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("present"); // a file made before the start, or none
    QTest::addColumn<QString>("url");     // relative to the application folder, or none
    QTest::addColumn<bool>("missed");
    const QString logo = QStringLiteral("configFile/img/PrinterLogo.png");
    QTest::newRow("default logo, absent") << logo << QString() << QString() << false;
    QTest::newRow("default logo, present") << logo << logo << logo << false;
    QTest::newRow("chosen logo, absent") << QStringLiteral("img/shop.png") << QString() << QString() << true;
    QTest::newRow("chosen logo, present") << QStringLiteral("img/../shop.png") << QStringLiteral("shop.png")
                                          << QStringLiteral("shop.png") << false;
    QTest::newRow("empty key") << QString() << QString() << QString() << false;
}

void LanguageTest::pictureUrlsNameFilesThatAreThere()
{
    QFETCH(QString, stored);
    QFETCH(QString, present);
    QFETCH(QString, url);
    QFETCH(bool, missed);
    if (!present.isEmpty())
        writeFile(m_app.filePath(present), "PNG");
    writeFile(configFile(), "[Language]\nCurrent=zh_CN\n[Image]\nLogoImgUrl=" + stored.toUtf8() + "\n");
    const int missedBefore = logText().count(QStringLiteral("[WARNING] 找不到图片: "));
    QmlLanguage lang(QCoreApplication::instance(), nullptr);
    QTranslator translator;
    lang.getLanguageConfiguration(translator);
    QCOMPARE(lang.getLogoImgUrl(), url.isEmpty() ? QString() : QUrl::fromLocalFile(m_app.filePath(url)).toString());
    const QString log = logText();
    QCOMPARE(log.count(QStringLiteral("[WARNING] 找不到图片: ")), missedBefore + (missed ? 1 : 0));
    if (missed)
        QVERIFY(log.contains(QStringLiteral("[WARNING] 找不到图片: ") + m_app.filePath(stored)));
    if (!present.isEmpty())
        QFile::remove(m_app.filePath(present));
}

void LanguageTest::codePageSelectionSurvivesARestart()
{
    {
        QmlLanguage lang(QCoreApplication::instance(), nullptr);
        lang.setCodePageSelect(3);
        QCOMPARE(lang.getCodePageSelect(), 3);
    }
    QmlLanguage next(QCoreApplication::instance(), nullptr);
    QTranslator translator;
    next.getLanguageConfiguration(translator);
    QCOMPARE(next.getCodePageSelect(), 3);
    QVERIFY(logText().contains(QStringLiteral("CodePageSelect已保存到配置文件: 3")));
}

void LanguageTest::storedCodePageChoiceIsKept_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("selection");
    // Files written before GBK became the default hold 0 (ASMO-708) as a choice.
    QTest::newRow("ASMO-708 chosen") << QByteArray("[Language]\nCurrent=zh_CN\n[CodePage]\nCodePageSelect=0\n") << 0;
    QTest::newRow("CP437 chosen") << QByteArray("[Language]\nCurrent=zh_CN\n[CodePage]\nCodePageSelect=7\n") << 7;
    QTest::newRow("no choice: GBK") << QByteArray("[Language]\nCurrent=zh_CN\n") << 28;
    QTest::newRow("no number: GBK") << QByteArray("[Language]\nCurrent=zh_CN\n[CodePage]\nCodePageSelect=abc\n") << 28;
}

void LanguageTest::storedCodePageChoiceIsKept()
{
    QFETCH(QByteArray, file);
    QFETCH(int, selection);
    writeFile(configFile(), file);
    QmlLanguage lang(QCoreApplication::instance(), nullptr);
    QTranslator translator;
    lang.getLanguageConfiguration(translator);
    QCOMPARE(lang.getCodePageSelect(), selection);
    QCOMPARE(TestAppDir::readAll(configFile()), file);
}

void LanguageTest::restartStartsSuccessorWithSameArgumentsThenQuits()
{
    const QString record = m_app.filePath(QStringLiteral("successor.txt"));
    const QString script = m_app.filePath(QStringLiteral("successor.sh"));
    writeFile(script, QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1.tmp'; mv '%1.tmp' '%1'\n")
                          .arg(record)
                          .toUtf8());
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QmlLanguage lang(QCoreApplication::instance(), nullptr);
    lang.setRestartProgram(script);
    QElapsedTimer clock;
    QTimer::singleShot(0, [&] {
        clock.start();
        lang.setLanguage2Config(QStringLiteral("en_US"));
    });
    const int code = QCoreApplication::exec();
    const qint64 elapsed = clock.elapsed();
    QCOMPARE(code, 0);
    QVERIFY2(elapsed >= QmlLanguage::RestartExitDelayMs - 20, qPrintable(QString::number(elapsed)));

    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record), 5000);
    QStringList expected = QCoreApplication::arguments().mid(1);
    const QString got = QString::fromUtf8(TestAppDir::readAll(record));
    QCOMPARE(got.split(QLatin1Char('\n'), Qt::SkipEmptyParts), expected);

    QSettings s(configFile(), QSettings::IniFormat);
    QCOMPARE(s.value(QStringLiteral("Language/Current")).toString(), QStringLiteral("en_US"));
    QCOMPARE(lang.getLanguage(), QStringLiteral("en_US"));
    const QString log = logText();
    QVERIFY(log.contains(QStringLiteral("[WARNING] 应用程序将重启以应用新的语言设置")));
    QVERIFY(log.contains(QStringLiteral("[INFO] 新应用实例启动成功，当前应用即将退出")));
}

void LanguageTest::failedRestartKeepsTheProgramRunning()
{
    // Quitting without a successor would leave the user with no program: the
    // current one stays and the log says why.
    QmlLanguage lang(QCoreApplication::instance(), nullptr);
    const QString missing = m_app.filePath(QStringLiteral("does-not-exist"));
    lang.setRestartProgram(missing);
    QTimer::singleShot(0, [&] { lang.setLanguage2Config(QStringLiteral("zh_CN")); });
    QTimer::singleShot(3 * QmlLanguage::RestartExitDelayMs, [] { QCoreApplication::exit(42); });
    QCOMPARE(QCoreApplication::exec(), 42);
    const QString log = logText();
    QVERIFY(log.contains(QStringLiteral("[ERROR] 重启应用失败，请手动重启应用程序")));
    QVERIFY(log.contains(QStringLiteral("[ERROR] 无法启动 ") + missing + QStringLiteral(": 程序文件不存在")));
}

void LanguageTest::fullDiskLeavesNoEmptyFile()
{
    QSignalSpy log(Logger::getInstance(), &Logger::newLogMessage);
    {
        QVERIFY(QDir().mkpath(m_app.filePath(QStringLiteral("configFile"))));
        FileSizeLimit full(0);
        QVERIFY(full.active());
        QmlLanguage lang(QCoreApplication::instance(), nullptr);
        QTranslator translator;
        lang.getLanguageConfiguration(translator);
        QVERIFY(!QFile::exists(configFile()));
    }
    bool failureLogged = false;
    for (const QList<QVariant> &args : qAsConst(log))
        failureLogged |= args.at(1).toString().contains(QStringLiteral("[ERROR] 创建默认配置文件失败: ") + configFile());
    QVERIFY(failureLogged);
    // Space again: the next start writes the whole file and loads Chinese.
    QmlLanguage next(QCoreApplication::instance(), nullptr);
    QTranslator translator;
    next.getLanguageConfiguration(translator);
    QCOMPARE(TestAppDir::readAll(configFile()), QmlLanguage::defaultFileText());
    QCOMPARE(next.getLanguage(), QStringLiteral("zh_CN"));
}

void LanguageTest::emptyOrDamagedFileIsReplaced_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("copyKept");
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("zero blocks") << QByteArray(512, '\0') << true;
}

void LanguageTest::emptyOrDamagedFileIsReplaced()
{
    QFETCH(QByteArray, contents);
    QFETCH(bool, copyKept);
    writeFile(configFile(), contents);
    QmlLanguage lang(QCoreApplication::instance(), nullptr);
    QTranslator translator;
    lang.getLanguageConfiguration(translator);
    QCOMPARE(TestAppDir::readAll(configFile()), QmlLanguage::defaultFileText());
    QCOMPARE(lang.getLanguage(), QStringLiteral("zh_CN"));
    QVERIFY(logText().contains(QStringLiteral("[ERROR] 配置文件为空或已损坏，重新创建默认配置文件: ") + configFile()));
    const QStringList copies =
        QDir(m_app.filePath(QStringLiteral("configFile"))).entryList({QStringLiteral("initial.ini.damaged-*")});
    QCOMPARE(copies.size(), copyKept ? 1 : 0);
}

namespace {
struct Message
{
    QString context;
    QString source;
    QString translation;
    QString type;
    int texts = 0; // source elements: one a message
};

QList<Message> englishMessages(QString *error)
{
    QFile file(QStringLiteral(QM_SOURCE_DIR "/resources/KVZQuillmark_en_US.ts"));
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return {};
    }
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message m;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement && xml.name() == QLatin1String("message")) {
            messages.append(m);
        } else if (token != QXmlStreamReader::StartElement) {
            continue;
        } else if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            m = Message{context, QString(), QString(), QString()};
        } else if (xml.name() == QLatin1String("source")) {
            m.source = xml.readElementText();
            ++m.texts;
        } else if (xml.name() == QLatin1String("translation")) {
            m.type = xml.attributes().value(QLatin1String("type")).toString();
            m.translation = xml.readElementText();
        }
    }
    *error = xml.errorString();
    return xml.hasError() ? QList<Message>() : messages;
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("%\\d+"));
    QStringList found;
    for (auto it = re.globalMatch(text); it.hasNext();)
        found.append(it.next().captured());
    found.sort();
    return found;
}
} // namespace

void LanguageTest::englishFileReadsAsEnglish()
{
    // Words run together ("WorkingMode", "IPSettings"): a small letter before a
    // capital, or two capitals before a small letter. Names that the Chinese
    // text carries as well (NetBIOS, QuillmarkSystem, rgbToHex) are kept.
    static const QRegularExpression joined(QStringLiteral("[A-Za-z0-9_.]*(?:[a-z][A-Z]|[A-Z]{2}[a-z])[A-Za-z0-9_.]*"));
    static const QRegularExpression gluedColon(QStringLiteral("[A-Za-z]:%\\d"));
    static const QRegularExpression chinese(QStringLiteral("[\\x{4e00}-\\x{9fff}]"));
    QString error;
    const QList<Message> messages = englishMessages(&error);
    QVERIFY2(messages.size() > 900, qPrintable(error));
    QStringList faults;
    for (const Message &m : messages) {
        if (m.type == QLatin1String("vanished") || m.type == QLatin1String("obsolete"))
            continue;
        const QString where = m.context + QLatin1String(" \"") + m.source + QLatin1String("\": \"") + m.translation
                              + QLatin1Char('"');
        if (m.texts != 1)
            faults.append(QLatin1String("one message holds several texts: ") + where);
        if (m.type == QLatin1String("unfinished") || m.translation.trimmed().isEmpty())
            faults.append(QLatin1String("not translated: ") + where);
        if (placeholders(m.source) != placeholders(m.translation))
            faults.append(QLatin1String("placeholders differ: ") + where);
        if (m.source.endsWith(QLatin1Char('\n')) != m.translation.endsWith(QLatin1Char('\n')))
            faults.append(QLatin1String("line end differs: ") + where);
        if (m.translation.contains(chinese))
            faults.append(QLatin1String("Chinese left: ") + where);
        if (m.translation.contains(gluedColon))
            faults.append(QLatin1String("no space after the colon: ") + where);
        for (auto it = joined.globalMatch(m.translation); it.hasNext();) {
            const QString word = it.next().captured();
            if (!m.source.contains(word))
                faults.append(QLatin1String("words run together (") + word + QLatin1String("): ") + where);
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void LanguageTest::statusTextsReadAsStates_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("english");
    // What the printer reports, never what to do.
    const char *const rows[][2] = {
        {"两个钱箱都关闭", "Both cash drawers closed"},
        {"一个或两个钱箱打开", "One or both cash drawers open"},
        {"脱机", "Offline"},
        {"联机", "Online"},
        {"上盖开", "Cover open"},
        {"上盖关", "Cover closed"},
        {"按下走纸键", "Feed button pressed"},
        {"未按走纸键", "Feed button not pressed"},
        {"打印机缺纸", "Out of paper"},
        {"打印机不缺纸", "Paper loaded"},
        {"有错误情况", "Error"},
        {"没有出错情况", "No error"},
        {"切刀有错误", "Cutter error"},
        {"切刀无错误", "No cutter error"},
        {"有不可恢复错误", "Unrecoverable error"},
        {"无不可恢复错误", "No unrecoverable error"},
        {"打印头温度或电压超出范围", "Print head temperature or voltage out of range"},
        {"打印头温度和电压正常", "Print head temperature and voltage normal"},
        {"纸尽", "Paper end"},
        {"有纸", "Paper present"},
        {"错误状态:\n", "Error status:\n"},
        {"传送纸状态:\n", "Paper status:\n"},
    };
    for (const auto &row : rows)
        QTest::newRow(row[1]) << QString::fromUtf8(row[0]) << QString::fromUtf8(row[1]);
}

void LanguageTest::statusTextsReadAsStates()
{
    QFETCH(QString, source);
    QFETCH(QString, english);
    QTranslator translator;
    QVERIFY(QmlLanguage::loadTranslation(translator, QStringLiteral("en_US")));
    QCOMPARE(translator.translate("RealTimeStatusForm", source.toUtf8().constData()), english);
}

QTEST_GUILESS_MAIN(LanguageTest)
#include "tst_language.moc"
