#include "app/QmlLanguage.h"

#include "app/base/AppPaths.h"
#include "app/base/ConfigFileGuard.h"
#include "app/base/Logger.h"
#include "platform/AtomicFileWriter.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QSettings>
#include <QTimer>
#include <QTranslator>
#include <QUrl>

namespace {
const char *const kFileName = "initial.ini";
const char *const kLanguageKey = "Language/Current";
const char *const kChinese = "zh_CN";
const char *const kEnglish = "en_US";
const char *const kChineseQm = ":/KVZQuillmark_zh_CN.qm";
const char *const kEnglishQm = ":/KVZQuillmark_en_US.qm";
// The pictures a new file names; none of them ships.
const char *const kLogoPath = "configFile/img/PrinterLogo.png";
const char *const kCarouselPath1 = "configFile/img/carouselImage-1.png";
const char *const kCarouselPath2 = "configFile/img/carouselImage-2.png";
const char *const kCarouselPath3 = "configFile/img/carouselImage-3.png";
const int kHiddenVisibility = 0;
const int kWindowedVisibility = 2; // QWindow::Windowed
} // namespace

// The translations live in the core library's resources, which a static
// library does not register by itself.
static void registerTranslationResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(translations);
        return true;
    }();
    Q_UNUSED(registered);
}

QmlLanguage::QmlLanguage(QCoreApplication *app, QQmlApplicationEngine *engine) : m_app(app), m_engine(engine)
{
    registerTranslationResources();
}

QmlLanguage::~QmlLanguage()
{
    delete m_translator;
}

namespace {
QString folderPath()
{
    return AppPaths::directory() + QStringLiteral("/configFile");
}

QString filePath()
{
    return folderPath() + QLatin1Char('/') + QLatin1String(kFileName);
}
} // namespace

QString QmlLanguage::configFolder() const
{
    return folderPath();
}

QString QmlLanguage::configFilePath() const
{
    return filePath();
}

QByteArray QmlLanguage::defaultFileText()
{
    return QByteArrayLiteral("[Language]\n"
                             "Current=zh_CN\n"
                             "\n"
                             "[Image]\n")
           + "LogoImgUrl=" + kLogoPath + '\n' + "CarouselImgUrl_1=" + kCarouselPath1 + '\n'
           + "CarouselImgUrl_2=" + kCarouselPath2 + '\n' + "CarouselImgUrl_3=" + kCarouselPath3 + '\n'
           + "\n[CodePage]\nCodePageSelect=" + QByteArray::number(DefaultCodePageSelect) + '\n';
}

void QmlLanguage::ensureConfigFile()
{
    Logger *log = Logger::getInstance();
    const QString folder = configFolder();
    if (!QDir(folder).exists()) {
        if (QDir().mkpath(folder))
            log->info(tr("创建配置文件夹: %1").arg(folder));
        else
            log->error(tr("创建配置文件夹失败: %1").arg(folder));
    }
    using ConfigFileGuard::State;
    const QString path = configFilePath();
    const State state = ConfigFileGuard::inspect(path);
    if (state == State::Usable)
        return;
    if (state == State::Missing) {
        log->info(tr("配置文件不存在，创建默认配置文件: %1").arg(path));
    } else {
        // An empty or damaged file would otherwise be trusted for good.
        log->error(tr("配置文件为空或已损坏，重新创建默认配置文件: %1").arg(path));
        if (state != State::Empty) {
            const QString copy = ConfigFileGuard::keepDamagedCopy(path);
            if (!copy.isEmpty())
                log->warning(tr("损坏的配置文件已备份为: %1").arg(copy));
        }
    }
    if (AtomicFileWriter::write(path, defaultFileText()))
        log->info(tr("默认配置文件创建成功: %1").arg(path));
    else
        log->error(tr("创建默认配置文件失败: %1").arg(path));
}

bool QmlLanguage::storeValue(const QString &key, const QVariant &value)
{
    if (ConfigFileGuard::storeValue(configFilePath(), key, value))
        return true;
    Logger::getInstance()->error(tr("保存配置项失败: %1 (%2)").arg(key, configFilePath()));
    return false;
}

QString QmlLanguage::imageUrl(const QString &relativePath, const char *defaultPath) const
{
    // A picture of the folder's own: the window shows its built-in one
    // unless the file is there. Only a picture chosen by hand is missed.
    if (relativePath.trimmed().isEmpty())
        return QString();
    const QString path = QDir::cleanPath(AppPaths::directory() + QLatin1Char('/') + relativePath);
    if (QFileInfo(path).isFile())
        return QUrl::fromLocalFile(path).toString();
    if (relativePath != QLatin1String(defaultPath))
        Logger::getInstance()->warning(tr("找不到图片: %1").arg(path));
    return QString();
}

QStringList QmlLanguage::languageCodes()
{
    return {QLatin1String(kChinese), QLatin1String(kEnglish)};
}

QString QmlLanguage::storedLanguage()
{
    const QString path = filePath();
    if (!QFileInfo(path).isFile())
        return QString();
    QSettings s(path, QSettings::IniFormat);
    s.setIniCodec("UTF-8");
    return s.value(QLatin1String(kLanguageKey)).toString();
}

bool QmlLanguage::loadTranslation(QTranslator &translator, const QString &code)
{
    registerTranslationResources();
    if (code == QLatin1String(kChinese))
        return translator.load(QLatin1String(kChineseQm));
    if (code == QLatin1String(kEnglish))
        return translator.load(QLatin1String(kEnglishQm));
    translator.load(QString()); // empties it
    return false;
}

void QmlLanguage::useTranslation(QTranslator &translator, const QString &code)
{
    loadTranslation(translator, code);
    if (m_app) {
        m_app->removeTranslator(&translator);
        m_app->installTranslator(&translator);
    }
}

void QmlLanguage::getLanguageConfiguration(QTranslator &translator)
{
    // The stored choice is in place before the first log line.
    const QString early = storedLanguage();
    useTranslation(translator, early);
    Logger *log = Logger::getInstance();
    ensureConfigFile();
    const QString path = configFilePath();
    log->info(tr("读取配置文件路径: %1").arg(path));

    QSettings s(path, QSettings::IniFormat);
    s.setIniCodec("UTF-8");
    const QString code = s.value(QLatin1String(kLanguageKey)).toString();
    const QString shownCode = code.isEmpty() ? tr("空") : code;
    log->info(tr("从配置文件读取到语言代码: %1").arg(shownCode));
    log->debug(tr("应用程序基础目录: %1").arg(AppPaths::directory()));

    m_logoUrl = imageUrl(s.value(QStringLiteral("Image/LogoImgUrl")).toString(), kLogoPath);
    m_carouselUrl1 = imageUrl(s.value(QStringLiteral("Image/CarouselImgUrl_1")).toString(), kCarouselPath1);
    m_carouselUrl2 = imageUrl(s.value(QStringLiteral("Image/CarouselImgUrl_2")).toString(), kCarouselPath2);
    m_carouselUrl3 = imageUrl(s.value(QStringLiteral("Image/CarouselImgUrl_3")).toString(), kCarouselPath3);

    bool isNumber = false;
    const int stored = s.value(QStringLiteral("CodePage/CodePageSelect")).toInt(&isNumber);
    m_codePageSelect = isNumber ? stored : DefaultCodePageSelect;
    log->info(QStringLiteral("CodePageSelect: %1").arg(m_codePageSelect));

    // A damaged file was replaced by the default one.
    if (code != early)
        useTranslation(translator, code);
    if (code == QLatin1String(kChinese)) {
        m_language = code;
        log->info(tr("成功加载中文翻译文件"));
    } else if (code == QLatin1String(kEnglish)) {
        m_language = code;
        log->info(tr("成功加载英文翻译文件"));
    } else {
        m_language.clear();
        log->warning(tr("未识别的语言代码: %1，使用默认语言").arg(shownCode));
    }
}

void QmlLanguage::setLanguage(int indexOfLanguage)
{
    QString file;
    QString displayName;
    if (indexOfLanguage == 1) {
        file = QLatin1String(kChineseQm);
        displayName = tr("中文");
    } else if (indexOfLanguage == 0) {
        file = QLatin1String(kEnglishQm);
        displayName = tr("英文");
    } else {
        file = QLatin1String(kEnglishQm);
        displayName = tr("英文(默认)");
    }
    if (m_translator && m_app)
        m_app->removeTranslator(m_translator);
    delete m_translator;
    m_translator = new QTranslator;
    m_translator->load(file);
    Logger::getInstance()->info(tr("语言切换: %1").arg(displayName));
    if (m_app)
        m_app->installTranslator(m_translator);
    if (m_engine)
        m_engine->retranslate();
}

void QmlLanguage::setLanguage2Config(const QString &languageCode)
{
    Logger *log = Logger::getInstance();
    ensureConfigFile();
    log->info(tr("设置语言到配置文件: %1").arg(languageCode));
    log->debug(tr("配置文件路径: %1").arg(configFilePath()));
    const bool stored = storeValue(QLatin1String(kLanguageKey), languageCode);
    if (m_language != languageCode) {
        m_language = languageCode;
        emit languageChanged();
    }
    if (stored)
        log->info(tr("语言设置已保存到配置文件: %1").arg(languageCode));
    log->warning(tr("应用程序将重启以应用新的语言设置"));

    QStringList args = QCoreApplication::arguments();
    if (!args.isEmpty())
        args.removeFirst();
    const QString program = m_restartProgram.isEmpty() ? QCoreApplication::applicationFilePath() : m_restartProgram;
    QProcess successor;
    successor.setProgram(program);
    successor.setArguments(args);
    const bool started = successor.startDetached();
    if (started) {
        log->info(tr("新应用实例启动成功，当前应用即将退出"));
        QTimer::singleShot(RestartExitDelayMs, [] { QCoreApplication::exit(0); });
    } else {
        // Without a successor, quitting would leave the user with no program at
        // all: keep this one and bring its window back.
        log->error(tr("重启应用失败，请手动重启应用程序"));
        const QFileInfo file(program);
        const QString reason = !file.exists()        ? tr("程序文件不存在")
                               : !file.isExecutable() ? tr("程序文件不可执行")
                                                      : successor.errorString();
        log->error(tr("无法启动 %1: %2").arg(program, reason));
        showMainWindow();
    }
}

void QmlLanguage::showMainWindow()
{
    if (!m_engine || m_engine->rootObjects().isEmpty())
        return;
    m_engine->rootObjects().first()->setProperty("visibility", kWindowedVisibility);
}

void QmlLanguage::hideMainWindow()
{
    if (!m_engine || m_engine->rootObjects().isEmpty())
        return;
    m_engine->rootObjects().first()->setProperty("visibility", kHiddenVisibility);
    Logger::getInstance()->info(tr("主窗口已隐藏，准备重启应用"));
}

void QmlLanguage::setCodePageSelect(int newCodePageSelect)
{
    m_codePageSelect = newCodePageSelect;
    qDebug() << "m_codePageSelect:" << m_codePageSelect;
    ensureConfigFile();
    if (storeValue(QStringLiteral("CodePage/CodePageSelect"), newCodePageSelect))
        Logger::getInstance()->info(tr("CodePageSelect已保存到配置文件: %1").arg(newCodePageSelect));
}

int QmlLanguage::getLocalLanguage() const
{
    return QLocale::system().language() == QLocale::Chinese ? 1 : 0;
}
