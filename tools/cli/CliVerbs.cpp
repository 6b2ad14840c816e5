#include "CliVerbs.h"

#include "CliCommandLine.h"
#include "CliTarget.h"

#include "commands/BarcodeRules.h"
#include "commands/LogoCommands.h"
#include "commands/OperationRanges.h"
#include "commands/PictureOptions.h"
#include "render/VpRenderer.h"
#include "text/DottedQuad.h"
#include "text/TextEncoding.h"

#include <QFileInfo>
#include <QTextCodec>

namespace {
// The network settings the window's TCP page sends unless changed there:
// beep and cutter on, beep type "Hold", print mode "Chinese", density 2.
constexpr int WindowBeep = 1;
constexpr int WindowCut = 1;
constexpr int WindowBeepType = 0;
constexpr int WindowPrintMode = 1;
constexpr int WindowDensity = 2;
// The drawer pulse counts in steps of 2 ms.
constexpr int PulseStepMs = 2;
// The logo page's first print size, "正常" (its choices count from 1).
constexpr int LogoPreviewMode = 1;

// The longest pulse time in ms the drawer operation's parameter carries.
int maxPulseMs(int parameter)
{
    return OperationRanges::of(QStringLiteral("setControlPulseClicked"), parameter).max * PulseStepMs;
}

const QString QrType = QStringLiteral("QR_CODE");
const QStringList QrLevels{QStringLiteral("L"), QStringLiteral("M"), QStringLiteral("Q"), QStringLiteral("H")};
constexpr int DefaultQrLevel = 1; // M, as on the barcode page

QCommandLineOption valued(const char *name, const char *valueName)
{
    return QCommandLineOption(QLatin1String(name), QString(), QLatin1String(valueName));
}

QCommandLineOption flag(const char *name)
{
    return QCommandLineOption(QLatin1String(name));
}

// Typed name, then the barcode page's name.
const QList<QPair<QString, QString>> &symbologyAliases()
{
    static const QList<QPair<QString, QString>> aliases{
        {QStringLiteral("upc-a"), QStringLiteral("UPC-A")},     {QStringLiteral("upc-e"), QStringLiteral("UPC-E")},
        {QStringLiteral("ean13"), QStringLiteral("JAN13(EAN13)")}, {QStringLiteral("jan13"), QStringLiteral("JAN13(EAN13)")},
        {QStringLiteral("ean8"), QStringLiteral("JAN8(EAN8)")},  {QStringLiteral("jan8"), QStringLiteral("JAN8(EAN8)")},
        {QStringLiteral("code39"), QStringLiteral("CODE39")},    {QStringLiteral("itf"), QStringLiteral("ITF")},
        {QStringLiteral("codabar"), QStringLiteral("CODEBAR")},  {QStringLiteral("codebar"), QStringLiteral("CODEBAR")},
        {QStringLiteral("code93"), QStringLiteral("CODE93")},    {QStringLiteral("code128"), QStringLiteral("CODE128")},
    };
    return aliases;
}

QString simplified(const QString &typed)
{
    QString s = typed.toLower();
    s.remove(QLatin1Char('-'));
    s.remove(QLatin1Char('_'));
    return s;
}

bool add(CliVerbs::Plan *plan, const QString &operation, const QVariantList &values = {})
{
    CliOperations::Call call;
    if (!CliOperations::make(operation, values, &call))
        return false;
    plan->calls.append(call);
    return true;
}

bool choice(const CliCommandLine &line, const QString &name, const QStringList &choices, int fallback, int *index,
            QString *error)
{
    if (!line.isSet(name)) {
        *index = fallback;
        return true;
    }
    const QString value = line.value(name);
    *index = choices.indexOf(value.toUpper());
    if (*index >= 0)
        return true;
    *error = CliVerbs::tr("--%1 的值无效: \"%2\"，应为 %3 之一").arg(name, value, choices.join(QStringLiteral(", ")));
    return false;
}

bool positionalCount(const QStringList &words, int min, int max, const QString &missing, QString *error)
{
    if (words.size() < min) {
        *error = CliVerbs::tr("缺少 %1").arg(missing);
        return false;
    }
    if (max >= 0 && words.size() > max) {
        *error = CliVerbs::tr("多余的参数: %1").arg(words.at(max));
        return false;
    }
    return true;
}

bool address(const CliCommandLine &line, const char *name, QString *value, QString *error)
{
    const QString option = QStringLiteral("--") + QLatin1String(name);
    if (!line.isSet(QLatin1String(name))) {
        *error = CliVerbs::tr("缺少 %1（或者用 --dhcp）").arg(option);
        return false;
    }
    *value = line.value(QLatin1String(name));
    *error = CliVerbs::addressProblem(option, *value);
    return error->isEmpty();
}

bool planBeep(const CliCommandLine &line, CliVerbs::Plan *plan, QString *error)
{
    int times = 0;
    int steps = 0;
    const OperationRanges::Range beeps = OperationRanges::of(QStringLiteral("setBuzzerClicked"), 0);
    const OperationRanges::Range length = OperationRanges::of(QStringLiteral("setBuzzerClicked"), 1);
    if (!line.number(QStringLiteral("times"), beeps.min, beeps.max, 1, &times, error)
        || !line.number(QStringLiteral("duration"), length.min, length.max, 1, &steps, error))
        return false;
    return add(plan, QStringLiteral("setBuzzerClicked"), {times, steps});
}

bool planCut(const CliCommandLine &line, CliVerbs::Plan *plan, QString *error)
{
    // The cutter page's choices: 1 full cut, 2 partial cut, 3 feed and cut partially.
    int feed = 0;
    const OperationRanges::Range units = OperationRanges::of(QStringLiteral("setCutClicked"), 1);
    if (!line.number(QStringLiteral("feed"), units.min, units.max, 0, &feed, error))
        return false;
    const int mode = line.isSet(QStringLiteral("feed")) ? 3 : line.isSet(QStringLiteral("partial")) ? 2 : 1;
    return add(plan, QStringLiteral("setCutClicked"), {mode, feed});
}

bool planDrawer(const CliCommandLine &line, CliVerbs::Plan *plan, QString *error)
{
    int pin = 0;
    int onMs = 0;
    int offMs = 0;
    if (!choice(line, QStringLiteral("pin"), {QStringLiteral("2"), QStringLiteral("5")}, 0, &pin, error)
        || !line.number(QStringLiteral("on"), 0, maxPulseMs(1), CliVerbs::DefaultPulseOnMs, &onMs, error)
        || !line.number(QStringLiteral("off"), 0, maxPulseMs(2), CliVerbs::DefaultPulseOffMs, &offMs, error))
        return false;
    // The cash drawer page numbers the pins 1 (pin 2) and 2 (pin 5).
    return add(plan, QStringLiteral("setControlPulseClicked"), {pin + 1, onMs / PulseStepMs, offMs / PulseStepMs});
}

bool planPrint(const CliCommandLine &line, CliVerbs::Plan *plan, QString *error)
{
    const QStringList words = line.positional();
    if (!positionalCount(words, 1, -1, QStringLiteral("TEXT"), error))
        return false;
    const QString text = words.join(QLatin1Char(' '));
    if (text.isEmpty()) {
        *error = CliVerbs::tr("文本不能为空（只走纸请用 quillmark feed）");
        return false;
    }
    const QString codePage = line.isSet(QStringLiteral("codepage")) ? line.value(QStringLiteral("codepage"))
                                                                   : QStringLiteral("GBK");
    // The text builder prints nothing in a code page it has no codec for.
    if (!TextEncoding::isCodePage437(codePage)
        && !QTextCodec::codecForName(TextEncoding::servingCodePage(codePage).toUtf8())) {
        *error = CliVerbs::tr("未知的代码页: %1").arg(codePage);
        return false;
    }
    // Text the code page cannot carry is found before any printer is touched.
    const QString notice = TextEncoding::unencodableNotice(text, codePage);
    if (!notice.isEmpty()) {
        *error = notice;
        return false;
    }
    return add(plan, QStringLiteral("setCodePageClicked"), {codePage})
           && add(plan, QStringLiteral("setPrintAndLineFeedClicked"), {false, text});
}

bool planFeed(const CliCommandLine &line, CliVerbs::Plan *plan, QString *error)
{
    const QStringList words = line.positional();
    const OperationRanges::Range feedLines = OperationRanges::of(QStringLiteral("setPrintAndPaperFeedLineClicked"), 2);
    int lines = 0;
    if (!positionalCount(words, 1, 1, QStringLiteral("LINES"), error)
        || !CliCommandLine::number(words.first(), QStringLiteral("LINES"), feedLines.min, feedLines.max, &lines, error))
        return false;
    // Hexadecimal mode with no text: the feed alone, without an empty text block.
    return add(plan, QStringLiteral("setPrintAndPaperFeedLineClicked"), {true, QString(), lines});
}

bool planLogo(const CliCommandLine &line, const CliTarget::Endpoint &endpoint, CliVerbs::Plan *plan, QString *error)
{
    const QStringList words = line.positional();
    if (!positionalCount(words, 1, CliVerbs::MaxLogos, QStringLiteral("FILE"), error))
        return false;
    QStringList paths;
    for (const QString &word : words) {
        const QString path = QFileInfo(word).absoluteFilePath();
        if (!QFileInfo(path).isFile() || !LogoCommands::isUsablePicture(path)) {
            *error = CliVerbs::tr("无法用作图片: %1（不存在、无法读取或太大）").arg(word);
            return false;
        }
        paths.append(path);
    }
    if (line.isSet(QStringLiteral("dither"))) {
        const QString method = line.value(QStringLiteral("dither")).toLower();
        PictureOptions::Method parsed;
        if (!PictureOptions::methodFromName(method, &parsed)) {
            *error = CliVerbs::tr("--%1 的值无效: \"%2\"，应为 %3 之一")
                         .arg(QStringLiteral("dither"), line.value(QStringLiteral("dither")),
                              PictureOptions::methodNames().join(QStringLiteral(", ")));
            return false;
        }
        plan->dither = method;
    }
    if (line.isSet(QStringLiteral("width"))) {
        bool ok = false;
        const int width = line.value(QStringLiteral("width")).toInt(&ok);
        if (!ok || width < LogoCommands::MinLogoDots || width > LogoCommands::MaxLogoDots) {
            *error = CliVerbs::tr("--width 的值无效: \"%1\"，应为 %2 到 %3 点")
                         .arg(line.value(QStringLiteral("width")))
                         .arg(LogoCommands::MinLogoDots)
                         .arg(LogoCommands::MaxLogoDots);
            return false;
        }
        plan->logoWidth = width;
    }
    if (!add(plan, QStringLiteral("setLoadClickedMultiple"), {paths}) || !add(plan, QStringLiteral("setPrintClicked")))
        return false;
    // Storing prints nothing: a preview also prints each stored logo (normal
    // size), which draws what the printer keeps.
    if (endpoint.kind == CliTarget::Kind::Preview) {
        for (int logo = 0; logo < paths.size(); ++logo) {
            if (!add(plan, QStringLiteral("setPrintLogoClicked"), {LogoPreviewMode, logo}))
                return false;
        }
    }
    return true;
}

bool planBarcode(const CliCommandLine &line, CliVerbs::Plan *plan, QString *error)
{
    const QStringList words = line.positional();
    if (!positionalCount(words, 1, 2, QStringLiteral("TYPE"), error)
        || !positionalCount(words, 2, 2, QStringLiteral("DATA"), error))
        return false;
    const QString name = CliVerbs::symbologyName(words.at(0));
    const BarcodeRules::Symbology *symbology = BarcodeRules::find(name);
    if (!symbology) {
        *error = CliVerbs::tr("未知的条码类型: %1（可用: %2）")
                     .arg(words.at(0), CliVerbs::symbologyWords().join(QStringLiteral(", ")));
        return false;
    }
    const QString data = words.at(1);
    const QString problem = BarcodeRules::contentProblem(*symbology, data);
    if (!problem.isEmpty()) {
        *error = CliVerbs::tr("%1 条码数据无效: %2").arg(symbology->name, problem);
        return false;
    }
    if (symbology->charset != QLatin1String("CODE128"))
        return add(plan, symbology->operation, {data});
    // As the CODE128 dialog's manual mode hands it to the page: the values of code set B.
    QStringList values;
    for (const int v : BarcodeRules::code128SetB(data))
        values.append(QString::number(v));
    return add(plan, symbology->operation, {values.join(QStringLiteral(", "))});
}

bool planQr(const CliCommandLine &line, CliVerbs::Plan *plan, QString *error)
{
    const QStringList words = line.positional();
    const OperationRanges::Range modules = OperationRanges::of(QStringLiteral("setQRCodeClicked"), 0);
    int module = 0;
    int level = 0;
    if (!positionalCount(words, 1, -1, QStringLiteral("TEXT"), error)
        || !line.number(QStringLiteral("size"), modules.min, modules.max, CliVerbs::DefaultQrModule, &module, error)
        || !choice(line, QStringLiteral("level"), QrLevels, DefaultQrLevel, &level, error))
        return false;
    const QString text = words.join(QLatin1Char(' '));
    if (text.isEmpty()) {
        *error = CliVerbs::tr("文本不能为空");
        return false;
    }
    return add(plan, QStringLiteral("set2dBarCodeTypeClicked"), {QrType})
           && add(plan, QStringLiteral("setQRCodeClicked"), {module, level, text});
}

bool planNetwork(const CliCommandLine &line, const CliTarget::Endpoint &endpoint, CliVerbs::Plan *plan,
                 QString *error)
{
    if (endpoint.kind != CliTarget::Kind::Tcp && endpoint.kind != CliTarget::Kind::Usb) {
        *error = CliVerbs::tr("网络设置只能通过 --tcp 或 --usb 发送");
        return false;
    }
    const bool dhcp = line.isSet(QStringLiteral("dhcp"));
    if (dhcp) {
        for (const char *name : {"ip", "mask", "gateway"}) {
            if (line.isSet(QLatin1String(name))) {
                *error = CliVerbs::tr("--dhcp 不能与 --%1 一起使用").arg(QLatin1String(name));
                return false;
            }
        }
        // The address command over USB carries addresses only.
        if (endpoint.kind != CliTarget::Kind::Tcp) {
            *error = CliVerbs::tr("--dhcp 只能通过 --tcp 发送");
            return false;
        }
        plan->identify = true;
        return add(plan, QStringLiteral("setNetworkClicked"),
                   {QString(), QString(), QString(), 1, WindowBeep, WindowCut, WindowBeepType, WindowPrintMode,
                    WindowDensity});
    }
    QString ip;
    QString mask;
    QString gateway;
    if (!address(line, "ip", &ip, error) || !address(line, "mask", &mask, error)
        || !address(line, "gateway", &gateway, error))
        return false;
    if (endpoint.kind == CliTarget::Kind::Usb)
        return add(plan, QStringLiteral("setNetworkClicked"), {ip, mask, gateway, 0, 0, 0, 0, 0, 0});
    plan->identify = true;
    return add(plan, QStringLiteral("setNetworkClicked"),
               {ip, mask, gateway, 0, WindowBeep, WindowCut, WindowBeepType, WindowPrintMode, WindowDensity});
}

// ESC t takes one byte: the pages 0 to 255.
constexpr int LastCodePage = 255;

bool planTestPage(const CliCommandLine &line, CliVerbs::Plan *plan, QString *error)
{
    if (line.isSet(QStringLiteral("codepages"))) {
        if (line.isSet(QStringLiteral("receipt"))) {
            *error = CliVerbs::tr("--codepages 和 --receipt 只能选一个");
            return false;
        }
        const QString text = line.value(QStringLiteral("codepages"));
        QList<int> pages;
        for (const QString &item : text.split(QLatin1Char(','))) {
            bool ok = false;
            const int page = item.trimmed().toInt(&ok);
            if (!ok || page < 0 || page > LastCodePage) {
                *error = CliVerbs::tr("--codepages 的值无效: \"%1\"，应为 0 到 255 之间用逗号分隔的代码页编号").arg(text);
                return false;
            }
            pages.append(page);
        }
        return add(plan, QStringLiteral("setTestPrintCodePagesClicked"), {QVariant::fromValue(pages)});
    }
    if (!line.isSet(QStringLiteral("receipt")))
        return add(plan, QStringLiteral("setTestPrintTestPageClicked"));
    static const QStringList widths{QStringLiteral("58"), QStringLiteral("76"), QStringLiteral("80")};
    static const QStringList operations{QStringLiteral("setTestPrint58ReceiptsClicked"),
                                        QStringLiteral("setTestPrint76ReceiptsClicked"),
                                        QStringLiteral("setTestPrint80ReceiptsClicked")};
    int index = 0;
    if (!choice(line, QStringLiteral("receipt"), widths, 0, &index, error))
        return false;
    // The 58 mm receipt is previewed on its own paper; the 76 mm one (40
    // characters a line) fits the 80 mm paper.
    if (index == 0)
        plan->previewPaperDots = VpRenderer::Paper58Dots;
    return add(plan, operations.at(index));
}
} // namespace

QStringList CliVerbs::names()
{
    return {QStringLiteral("beep"), QStringLiteral("cut"),  QStringLiteral("drawer"),  QStringLiteral("print"),
            QStringLiteral("feed"), QStringLiteral("logo"), QStringLiteral("barcode"), QStringLiteral("qr"),
            QStringLiteral("network"), QStringLiteral("test-page"), QStringLiteral("reset")};
}

void CliVerbs::addOptions(const QString &verb, CliCommandLine *line)
{
    if (verb == QLatin1String("beep")) {
        line->addOption(valued("times", "N"));
        line->addOption(valued("duration", "N"));
    } else if (verb == QLatin1String("cut")) {
        line->addOption(flag("partial"));
        line->addOption(valued("feed", "N"));
    } else if (verb == QLatin1String("drawer")) {
        line->addOption(valued("pin", "2|5"));
        line->addOption(valued("on", "MS"));
        line->addOption(valued("off", "MS"));
    } else if (verb == QLatin1String("print")) {
        line->addOption(valued("codepage", "NAME"));
    } else if (verb == QLatin1String("logo")) {
        line->addOption(valued("dither", "METHOD"));
        line->addOption(valued("width", "DOTS"));
    } else if (verb == QLatin1String("qr")) {
        line->addOption(valued("size", "N"));
        line->addOption(valued("level", "L|M|Q|H"));
    } else if (verb == QLatin1String("network")) {
        line->addOption(valued("ip", "ADDRESS"));
        line->addOption(valued("mask", "MASK"));
        line->addOption(valued("gateway", "ADDRESS"));
        line->addOption(flag("dhcp"));
    } else if (verb == QLatin1String("test-page")) {
        line->addOption(valued("receipt", "58|76|80"));
        line->addOption(valued("codepages", "N,M,..."));
    }
}

bool CliVerbs::plan(const QString &verb, const CliCommandLine &line, const CliTarget::Endpoint &endpoint, Plan *plan,
                    QString *error)
{
    *plan = Plan();
    // Verbs without words of their own take none.
    static const QStringList takesWords{QStringLiteral("print"), QStringLiteral("feed"), QStringLiteral("logo"),
                                        QStringLiteral("barcode"), QStringLiteral("qr")};
    if (!takesWords.contains(verb) && !positionalCount(line.positional(), 0, 0, QString(), error))
        return false;
    bool ok = false;
    if (verb == QLatin1String("beep"))
        ok = planBeep(line, plan, error);
    else if (verb == QLatin1String("cut"))
        ok = planCut(line, plan, error);
    else if (verb == QLatin1String("drawer"))
        ok = planDrawer(line, plan, error);
    else if (verb == QLatin1String("print"))
        ok = planPrint(line, plan, error);
    else if (verb == QLatin1String("feed"))
        ok = planFeed(line, plan, error);
    else if (verb == QLatin1String("logo"))
        ok = planLogo(line, endpoint, plan, error);
    else if (verb == QLatin1String("barcode"))
        ok = planBarcode(line, plan, error);
    else if (verb == QLatin1String("qr"))
        ok = planQr(line, plan, error);
    else if (verb == QLatin1String("network"))
        ok = planNetwork(line, endpoint, plan, error);
    else if (verb == QLatin1String("test-page"))
        ok = planTestPage(line, plan, error);
    else if (verb == QLatin1String("reset"))
        ok = add(plan, QStringLiteral("setInitMachineClicked"));
    // A verb whose calls do not fit the operations is a mistake here, and
    // error is still empty then.
    Q_ASSERT(ok || !error->isEmpty());
    return ok;
}

QString CliVerbs::addressProblem(const QString &option, const QString &value)
{
    if (DottedQuad::isValid(value))
        return QString();
    return tr("%1 的值不是 IPv4 地址: \"%2\"（应为四组 0-255 的数字，如 192.168.1.100）").arg(option, CliTarget::shown(value));
}

QString CliVerbs::symbologyName(const QString &typed)
{
    const QString wanted = simplified(typed);
    for (const auto &alias : symbologyAliases()) {
        if (simplified(alias.first) == wanted)
            return alias.second;
    }
    for (const BarcodeRules::Symbology &s : BarcodeRules::symbologies()) {
        if (simplified(s.name) == wanted)
            return s.name;
    }
    return QString();
}

QStringList CliVerbs::symbologyWords()
{
    // The first name of each symbology.
    QStringList words;
    QStringList seen;
    for (const auto &alias : symbologyAliases()) {
        if (!seen.contains(alias.second))
            words.append(alias.first);
        seen.append(alias.second);
    }
    return words;
}
