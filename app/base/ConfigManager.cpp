#include "app/base/ConfigManager.h"

#include "app/base/AppPaths.h"
#include "app/base/ConfigFileGuard.h"
#include "app/base/Logger.h"
#include "app/base/SampleReceipt.h"
#include "platform/AtomicFileWriter.h"
#include "text/HexText.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QNetworkInterface>
#include <QRegularExpression>
#include <QSettings>

namespace {

const char *const kFileName = "printtest.ini";
const char *const kDefaultBitmapPath = "configFile/img/bitmap.png";
const char *const kDefaultBarcodeType = "UPCA";
const char *const kDefaultBarcodeValue = "123456789012";
const int kDefaultFileLogoLimit = ConfigManager::DefaultLogoLimit;
const char *const kLogoDitherKey = "PrintTest/LogoDither";
const char *const kLogoBrightnessKey = "PrintTest/LogoBrightness";
const char *const kLogoContrastKey = "PrintTest/LogoContrast";
const char *const kLogoInvertKey = "PrintTest/LogoInvert";
const char *const kLogoConversionKeys[] = {kLogoDitherKey, kLogoBrightnessKey, kLogoContrastKey, kLogoInvertKey};
const char *const kDefaultSegment = "192.168.1.";
const int kDefaultNetworkMode = ConfigManager::Custom;

// The three default receipts: the same three dishes, totals and a fixed print
// time on each paper width.
struct ReceiptLayout
{
    int paperMm;
    const char *stamp;
};

const ReceiptLayout kReceipts[] = {
    {58, "2025-12-18 14:28:42"},
    {76, "2025-12-18 14:29:02"},
    {80, "2025-12-18 14:28:56"},
};

} // namespace

ConfigManager *ConfigManager::getInstance()
{
    static ConfigManager *instance = new ConfigManager(AppPaths::directory() + QStringLiteral("/configFile"));
    return instance;
}

ConfigManager::ConfigManager(const QString &configFolder, QObject *parent)
    : QObject(parent), m_folder(configFolder), m_filePath(QDir(configFolder).filePath(QLatin1String(kFileName)))
{
}

QString ConfigManager::toUpperHexText(const QByteArray &bytes)
{
    return HexText::upperPairs(bytes);
}

QByteArray ConfigManager::defaultTestPage()
{
    // The defaults never change: each is built once (GBK conversions are not cheap).
    static const QByteArray page = SampleReceipt::testPage();
    return page;
}

QByteArray ConfigManager::defaultReceipt(int paperMm)
{
    static const QMap<int, QByteArray> receipts = [] {
        QMap<int, QByteArray> built;
        for (const ReceiptLayout &l : kReceipts) {
            SampleReceipt::Receipt r;
            r.lineWidth = SampleReceipt::lineWidth(QString::number(l.paperMm));
            r.title = QStringLiteral("测试%1小票").arg(l.paperMm);
            r.labels = {QStringLiteral("商品名称"), QStringLiteral("数量"),     QStringLiteral("价格"),
                        QStringLiteral("份"),       QStringLiteral("合计金额"), QStringLiteral("单价折扣金额"),
                        QStringLiteral("金额小计"), QStringLiteral("打印时间:")};
            r.items = {{QStringLiteral("超级大拼盘"), 1, QStringLiteral("330.00")},
                       {QStringLiteral("香辣虾"), 1, QStringLiteral("53.00")},
                       {QStringLiteral("火锅"), 1, QStringLiteral("128.00")}};
            r.showTotals = true;
            r.total = QStringLiteral("511.00");
            r.printTime = QLatin1String(l.stamp);
            built.insert(l.paperMm, SampleReceipt::encode(r));
        }
        return built;
    }();
    return receipts.value(paperMm);
}

namespace {

// The hexadecimal texts of a new file: its contents and the values of missing keys.
struct DefaultHexTexts
{
    QString testPage;
    QString receipt58;
    QString receipt76;
    QString receipt80;
};

const DefaultHexTexts &defaultHexTexts()
{
    static const DefaultHexTexts texts{ConfigManager::toUpperHexText(ConfigManager::defaultTestPage()),
                                       ConfigManager::toUpperHexText(ConfigManager::defaultReceipt(58)),
                                       ConfigManager::toUpperHexText(ConfigManager::defaultReceipt(76)),
                                       ConfigManager::toUpperHexText(ConfigManager::defaultReceipt(80))};
    return texts;
}

} // namespace

QByteArray ConfigManager::defaultFileText()
{
    static const QByteArray text = [] {
        const DefaultHexTexts &hex = defaultHexTexts();
        QStringList lines;
        lines << QStringLiteral("[PrintTest]")
              << QStringLiteral("BitMapPath=") + QLatin1String(kDefaultBitmapPath)
              << QStringLiteral("BarCodeType=") + QLatin1String(kDefaultBarcodeType)
              << QStringLiteral("BarCodeValue=") + QLatin1String(kDefaultBarcodeValue)
              << QStringLiteral("TestPageText=") + hex.testPage
              << QStringLiteral("Receipt58Text=") + hex.receipt58
              << QStringLiteral("Receipt76Text=") + hex.receipt76
              << QStringLiteral("Receipt80Text=") + hex.receipt80
              << QStringLiteral("LogoMaxWidth=%1").arg(kDefaultFileLogoLimit)
              << QStringLiteral("LogoMaxHeight=%1").arg(kDefaultFileLogoLimit)
              << QString()
              << QStringLiteral("[Network]")
              << QStringLiteral("TcpNetworkSegment=") + QLatin1String(kDefaultSegment)
              << QStringLiteral("TcpNetworkMode=%1").arg(kDefaultNetworkMode);
        return (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
    }();
    return text;
}

void ConfigManager::initialize()
{
    Logger *log = Logger::getInstance();
    log->info(tr("初始化配置管理器"));
    QDir dir(m_folder);
    if (!dir.exists()) {
        if (dir.mkpath(QStringLiteral(".")))
            log->info(tr("创建配置文件夹: %1").arg(m_folder));
        else
            log->error(tr("创建配置文件夹失败: %1").arg(m_folder));
    }
    loadFile();
    log->info(tr("配置管理器初始化完成"));
}

bool ConfigManager::writeDefaultFile()
{
    return AtomicFileWriter::write(m_filePath, defaultFileText());
}

void ConfigManager::loadFile()
{
    using ConfigFileGuard::State;
    Logger *log = Logger::getInstance();
    log->info(tr("读取打印测试配置文件路径: %1").arg(m_filePath));
    const State state = ConfigFileGuard::inspect(m_filePath);
    if (state == State::Missing) {
        log->info(tr("配置文件不存在，创建默认配置文件: %1").arg(m_filePath));
    } else if (state != State::Usable) {
        // An empty or damaged file would otherwise be trusted for good.
        log->error(tr("打印测试配置文件为空或已损坏，重新创建默认配置文件: %1").arg(m_filePath));
        if (state != State::Empty) {
            const QString copy = ConfigFileGuard::keepDamagedCopy(m_filePath);
            if (!copy.isEmpty())
                log->warning(tr("损坏的配置文件已备份为: %1").arg(copy));
        }
    }
    if (state != State::Usable) {
        if (writeDefaultFile())
            log->info(tr("默认打印测试配置文件创建成功: %1").arg(m_filePath));
        else
            log->error(tr("创建默认打印测试配置文件失败: %1").arg(m_filePath));
    }
    // After a failed write whatever can be read is used, the rest from the defaults.
    readValues();
    log->info(tr("打印测试配置加载完成"));
}

void ConfigManager::readValues()
{
    // Every key falls back to the value a new file holds; a file that lacks
    // keys or holds values that make no sense is reported once.
    const bool fileUsable = ConfigFileGuard::inspect(m_filePath) == ConfigFileGuard::State::Usable;
    QSettings s(m_filePath, QSettings::IniFormat);
    s.setIniCodec("UTF-8");
    QStringList bad;
    auto text = [&](const char *key, const QString &fallback) {
        const QString name = QLatin1String(key);
        if (!s.contains(name)) {
            bad << name;
            return fallback;
        }
        return s.value(name).toString();
    };
    auto positive = [&](const char *key, int fallback) {
        const QString name = QLatin1String(key);
        bool ok = false;
        const int value = s.value(name).toString().trimmed().toInt(&ok);
        if (!s.contains(name) || !ok || value <= 0) {
            bad << name;
            return fallback;
        }
        return value;
    };
    m_bitMapPath = text("PrintTest/BitMapPath", QLatin1String(kDefaultBitmapPath));
    m_barCodeType = text("PrintTest/BarCodeType", QLatin1String(kDefaultBarcodeType));
    m_barCodeValue = text("PrintTest/BarCodeValue", QLatin1String(kDefaultBarcodeValue));
    const DefaultHexTexts &hex = defaultHexTexts();
    m_testPageText = text("PrintTest/TestPageText", hex.testPage);
    m_receipt58Text = text("PrintTest/Receipt58Text", hex.receipt58);
    m_receipt76Text = text("PrintTest/Receipt76Text", hex.receipt76);
    m_receipt80Text = text("PrintTest/Receipt80Text", hex.receipt80);
    m_logoMaxWidth = positive("PrintTest/LogoMaxWidth", kDefaultFileLogoLimit);
    m_logoMaxHeight = positive("PrintTest/LogoMaxHeight", kDefaultFileLogoLimit);
    // The conversion keys are optional: missing ones are no fault.
    auto optionalInt = [&](const char *key) {
        const QString name = QLatin1String(key);
        if (!s.contains(name))
            return 0;
        bool ok = false;
        const int value = s.value(name).toString().trimmed().toInt(&ok);
        if (!ok)
            bad << name;
        return ok ? value : 0;
    };
    m_logoConversionStored = false;
    for (const char *key : kLogoConversionKeys)
        m_logoConversionStored = m_logoConversionStored || s.contains(QLatin1String(key));
    m_logoDither = s.value(QLatin1String(kLogoDitherKey)).toString().trimmed();
    m_logoBrightness = optionalInt(kLogoBrightnessKey);
    m_logoContrast = optionalInt(kLogoContrastKey);
    m_logoInvert = false;
    const QString invertKey = QLatin1String(kLogoInvertKey);
    if (s.contains(invertKey)) {
        const QString invert = s.value(invertKey).toString().trimmed().toLower();
        if (invert == QLatin1String("true") || invert == QLatin1String("1"))
            m_logoInvert = true;
        else if (invert != QLatin1String("false") && invert != QLatin1String("0"))
            bad << invertKey;
    }
    const QString segment = text("Network/TcpNetworkSegment", QLatin1String(kDefaultSegment));
    TcpNetworkMode mode = TcpNetworkMode(kDefaultNetworkMode);
    const QString modeKey = QStringLiteral("Network/TcpNetworkMode");
    const QString modeText = s.value(modeKey).toString().trimmed();
    if (modeText == QLatin1String("0"))
        mode = Local;
    else if (modeText == QLatin1String("1"))
        mode = Custom;
    else
        bad << modeKey;
    {
        std::lock_guard<std::mutex> lock(m_networkMutex);
        m_tcpSegment = segment;
        m_tcpMode = mode;
    }
    if (fileUsable && !bad.isEmpty())
        Logger::getInstance()->warning(
            tr("打印测试配置文件缺少或损坏的项已使用默认值: %1").arg(bad.join(QStringLiteral(", "))));
}

bool ConfigManager::saveValue(const QString &key, const QVariant &value)
{
    if (ConfigFileGuard::storeValue(m_filePath, key, value))
        return true;
    Logger::getInstance()->error(tr("保存配置项失败: %1 (%2)").arg(key, m_filePath));
    emit saveFailed(key, tr("设置未能保存，请检查配置文件夹是否可写、磁盘是否已满: %1").arg(m_filePath));
    return false;
}

void ConfigManager::setBarCodeType(const QString &type)
{
    m_barCodeType = type;
    if (saveValue(QStringLiteral("PrintTest/BarCodeType"), type))
        Logger::getInstance()->info(tr("条码类型已保存: %1").arg(type));
}

void ConfigManager::setBarCodeValue(const QString &value)
{
    m_barCodeValue = value;
    if (saveValue(QStringLiteral("PrintTest/BarCodeValue"), value))
        Logger::getInstance()->info(tr("条码值已保存: %1").arg(value));
}

void ConfigManager::setBitMapPath(const QString &path)
{
    m_bitMapPath = path;
    if (saveValue(QStringLiteral("PrintTest/BitMapPath"), path))
        Logger::getInstance()->info(tr("位图路径已保存: %1").arg(path));
}

void ConfigManager::setLogoConversion(const QString &dither, int brightness, int contrast, bool invert)
{
    const bool wasStored = m_logoConversionStored;
    const bool changed = !wasStored || dither != m_logoDither || brightness != m_logoBrightness
                         || contrast != m_logoContrast || invert != m_logoInvert;
    if (!changed)
        return;
    bool saved = true;
    if (!wasStored || dither != m_logoDither)
        saved = saveValue(QLatin1String(kLogoDitherKey), dither) && saved;
    if (!wasStored || brightness != m_logoBrightness)
        saved = saveValue(QLatin1String(kLogoBrightnessKey), QString::number(brightness)) && saved;
    if (!wasStored || contrast != m_logoContrast)
        saved = saveValue(QLatin1String(kLogoContrastKey), QString::number(contrast)) && saved;
    if (!wasStored || invert != m_logoInvert)
        saved = saveValue(QLatin1String(kLogoInvertKey), invert ? QStringLiteral("true") : QStringLiteral("false"))
                && saved;
    m_logoConversionStored = true;
    m_logoDither = dither;
    m_logoBrightness = brightness;
    m_logoContrast = contrast;
    m_logoInvert = invert;
    if (saved)
        Logger::getInstance()->info(tr("图片转换设置已保存: %1 亮度 %2 对比度 %3 反相 %4")
                                        .arg(dither)
                                        .arg(brightness)
                                        .arg(contrast)
                                        .arg(invert ? tr("是") : tr("否")));
    emit logoConversionChanged();
}

void ConfigManager::setTestPageText(const QString &text)
{
    m_testPageText = text;
    if (saveValue(QStringLiteral("PrintTest/TestPageText"), text))
        Logger::getInstance()->info(tr("测试页文本已保存"));
}

void ConfigManager::setReceipt58Text(const QString &text)
{
    m_receipt58Text = text;
    if (saveValue(QStringLiteral("PrintTest/Receipt58Text"), text))
        Logger::getInstance()->info(tr("58小票文本已保存"));
}

void ConfigManager::setReceipt76Text(const QString &text)
{
    m_receipt76Text = text;
    if (saveValue(QStringLiteral("PrintTest/Receipt76Text"), text))
        Logger::getInstance()->info(tr("76小票文本已保存"));
}

void ConfigManager::setReceipt80Text(const QString &text)
{
    m_receipt80Text = text;
    if (saveValue(QStringLiteral("PrintTest/Receipt80Text"), text))
        Logger::getInstance()->info(tr("80小票文本已保存"));
}

QString ConfigManager::getTcpNetworkSegment() const
{
    std::lock_guard<std::mutex> lock(m_networkMutex);
    return m_tcpSegment;
}

void ConfigManager::setTcpNetworkSegment(const QString &segment)
{
    {
        std::lock_guard<std::mutex> lock(m_networkMutex);
        m_tcpSegment = segment;
    }
    if (saveValue(QStringLiteral("Network/TcpNetworkSegment"), segment))
        Logger::getInstance()->info(tr("TCP网段已保存: %1").arg(segment));
}

void ConfigManager::useTcpNetworkSegmentForRun(const QString &segment)
{
    std::lock_guard<std::mutex> lock(m_networkMutex);
    m_tcpSegment = segment;
    m_tcpMode = Custom;
}

void ConfigManager::useEnvironmentSegmentForRun()
{
    const QString value = qEnvironmentVariable(RunSegmentVariable).trimmed();
    if (value.isEmpty())
        return;
    const QString segment = normalisedSegment(value);
    if (segment.isEmpty()) {
        Logger::getInstance()->warning(
            tr("%1 不是有效的网段: %2（应为前三个数字，如 10.1.2.），使用保存的设置")
                .arg(QLatin1String(RunSegmentVariable), value));
        return;
    }
    useTcpNetworkSegmentForRun(segment);
    Logger::getInstance()->info(
        tr("本次运行搜索网段 %1（%2，未保存）").arg(segment, QLatin1String(RunSegmentVariable)));
}

void ConfigManager::useLogoConversionForRun(const QString &dither, int width)
{
    if (!dither.isEmpty()) {
        m_logoConversionStored = true;
        m_logoDither = dither;
    }
    if (width > 0)
        m_logoMaxWidth = width;
}

ConfigManager::TcpNetworkMode ConfigManager::getTcpNetworkMode() const
{
    std::lock_guard<std::mutex> lock(m_networkMutex);
    return m_tcpMode;
}

void ConfigManager::setTcpNetworkMode(TcpNetworkMode mode)
{
    {
        std::lock_guard<std::mutex> lock(m_networkMutex);
        m_tcpMode = mode;
    }
    if (saveValue(QStringLiteral("Network/TcpNetworkMode"), QString::number(int(mode))))
        Logger::getInstance()->info(
            tr("TCP网段模式已保存: %1").arg(int(mode) != 0 ? tr("自定义网段") : tr("本机网段")));
}

ConfigManager::DeviceModel ConfigManager::getCurrentDeviceModel() const
{
    return m_deviceModel;
}

QString ConfigManager::getCurrentDeviceName() const
{
    return m_deviceName;
}

QString ConfigManager::modelName(DeviceModel model)
{
    switch (model) {
    case Standard: return QStringLiteral("Standard");
    case L7N: return QStringLiteral("L7N");
    case L7S: return QStringLiteral("L7S");
    default: return QStringLiteral("Unknown");
    }
}

ConfigManager::DeviceModel ConfigManager::modelFromName(const QString &name)
{
    if (name.isEmpty())
        return Unknown;
    const QString lower = name.toLower();
    if (lower.contains(QLatin1String("l7n")))
        return L7N;
    if (lower.contains(QLatin1String("l7s")))
        return L7S;
    return Standard;
}

void ConfigManager::setCurrentDeviceModel(DeviceModel model)
{
    if (model == m_deviceModel)
        return;
    m_deviceModel = model;
    Logger::getInstance()->info(tr("当前设备型号已设置为: %1").arg(modelName(model)));
    emit currentDeviceChanged();
}

void ConfigManager::setCurrentDeviceName(const QString &name)
{
    if (name == m_deviceName)
        return;
    m_deviceName = name;
    Logger::getInstance()->info(tr("当前设备名称已设置为: %1").arg(Logger::oneLine(name)));
    const DeviceModel before = m_deviceModel;
    setCurrentDeviceModel(modelFromName(name));
    // A new model has said so already.
    if (m_deviceModel == before)
        emit currentDeviceChanged();
}

QString ConfigManager::pickLocalAddress(const QList<NetInterface> &interfaces)
{
    const QHostAddress loopback(QStringLiteral("127.0.0.1"));
    for (const NetInterface &iface : interfaces) {
        if (!iface.up)
            continue;
        if (iface.humanReadableName.contains(QLatin1String("VMware"))
            || iface.humanReadableName.contains(QLatin1String("VirtualBox")))
            continue;
        for (const QHostAddress &address : iface.addresses) {
            if (address.protocol() == QAbstractSocket::IPv4Protocol && address != loopback)
                return address.toString();
        }
    }
    return QStringLiteral("0.0.0.0");
}

QString ConfigManager::segmentOf(const QString &address)
{
    if (address.isEmpty() || address == QLatin1String("0.0.0.0"))
        return QString();
    const int lastDot = address.lastIndexOf(QLatin1Char('.'));
    if (lastDot <= 0)
        return QString();
    return address.left(lastDot + 1);
}

QString ConfigManager::normalisedSegment(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("^(\\d{1,3})\\.(\\d{1,3})\\.(\\d{1,3})\\.?$"));
    const QRegularExpressionMatch m = re.match(text.trimmed());
    if (!m.hasMatch())
        return QString();
    QStringList parts;
    for (int i = 1; i <= 3; ++i) {
        const int n = m.captured(i).toInt();
        if (n > 255)
            return QString();
        parts.append(QString::number(n));
    }
    return parts.join(QLatin1Char('.')) + QLatin1Char('.');
}

QString ConfigManager::getLocalIpAddress() const
{
    QList<NetInterface> interfaces;
    for (const QNetworkInterface &iface : QNetworkInterface::allInterfaces()) {
        NetInterface entry;
        entry.humanReadableName = iface.humanReadableName();
        entry.up = iface.flags().testFlag(QNetworkInterface::IsUp);
        for (const QNetworkAddressEntry &a : iface.addressEntries())
            entry.addresses << a.ip();
        interfaces << entry;
    }
    return pickLocalAddress(interfaces);
}

QString ConfigManager::getLocalIpNetworkSegment() const
{
    return segmentOf(getLocalIpAddress());
}
