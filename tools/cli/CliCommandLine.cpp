#include "CliCommandLine.h"

#include "CliApp.h"
#include "CliVerbs.h"

#include "platform/DeviceNodeAccess.h"
#include "transport/serial/SerialPortManager.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>

namespace {
const QString HelpName = QStringLiteral("help");

// "--tcp" for a long name, "-h" for a letter.
QString dashed(const QString &name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

bool allDigits(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

struct TargetOption
{
    const char *name;
    CliTarget::Kind kind;
    const char *valueName;
};
const TargetOption TargetOptions[] = {{"tcp", CliTarget::Kind::Tcp, "ADDRESS"},
                                      {"usb", CliTarget::Kind::Usb, "NODE"},
                                      {"serial", CliTarget::Kind::Serial, "PATH[:BAUD]"},
                                      {"queue", CliTarget::Kind::Queue, "NAME"},
                                      {"preview", CliTarget::Kind::Preview, "PNG"}};
} // namespace

CliCommandLine::CliCommandLine()
{
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    m_parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), HelpName}));
}

void CliCommandLine::addOption(const QCommandLineOption &option)
{
    m_parser.addOption(option);
    if (!option.valueName().isEmpty())
        m_valueOptions += option.names();
}

void CliCommandLine::addTargetOptions()
{
    for (const TargetOption &t : TargetOptions)
        addOption(QCommandLineOption(QLatin1String(t.name), QString(), QLatin1String(t.valueName)));
}

void CliCommandLine::stopAtFirstWord()
{
    m_parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
}

bool CliCommandLine::helpRequested() const
{
    return m_parser.isSet(HelpName);
}

bool CliCommandLine::parse(const QStringList &args, QString *error)
{
    m_args = args;
    if (m_parser.parse(QStringList{QStringLiteral("quillmark")} + args))
        return true;
    const QStringList unknown = m_parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
        *error = CliApp::tr("未知的选项: %1").arg(dashed(unknown.first()));
        return false;
    }
    // QCommandLineParser takes the next word as an option's value whatever it
    // is, so a value is missing only after the last word.
    const QString last = args.value(args.size() - 1);
    if (last.startsWith(QLatin1Char('-')) && m_valueOptions.contains(last.mid(last.startsWith(QLatin1String("--")) ? 2 : 1))) {
        *error = CliApp::tr("%1 需要一个值").arg(last);
        return false;
    }
    // A value given to an option that takes none: --json=yes.
    for (const QString &arg : args) {
        if (arg == QLatin1String("--"))
            break;
        if (arg.startsWith(QLatin1String("--")) && arg.contains(QLatin1Char('='))) {
            *error = CliApp::tr("未知的选项: %1").arg(arg);
            return false;
        }
    }
    *error = m_parser.errorText();
    return false;
}

bool CliCommandLine::target(CliTarget::Endpoint *endpoint, QString *error) const
{
    *endpoint = CliTarget::Endpoint();
    for (const QString &name : m_parser.optionNames()) {
        const TargetOption *option = nullptr;
        for (const TargetOption &t : TargetOptions) {
            if (name == QLatin1String(t.name))
                option = &t;
        }
        if (!option)
            continue;
        if (endpoint->kind != CliTarget::Kind::None) {
            *error = CliTarget::tr("只能指定一个目标: %1").arg(dashed(name));
            return false;
        }
        const QString value = m_parser.value(name);
        if (value.isEmpty()) {
            *error = CliApp::tr("%1 需要一个值").arg(dashed(name));
            return false;
        }
        endpoint->kind = option->kind;
        endpoint->address = value;
        if (option->kind == CliTarget::Kind::Tcp) {
            *error = CliVerbs::addressProblem(dashed(name), value);
            if (!error->isEmpty())
                return false;
        }
        if (option->kind == CliTarget::Kind::Serial && !serialSpeed(value, endpoint, error))
            return false;
        if (option->kind == CliTarget::Kind::Serial || option->kind == CliTarget::Kind::Usb) {
            // A relative path is meant from here, not under /dev; a file or
            // folder is refused before anything is opened.
            endpoint->address = DeviceNodeAccess::resolvedPath(endpoint->address);
            *error = DeviceNodeAccess::notADeviceProblem(endpoint->address);
            if (!error->isEmpty())
                return false;
        }
    }
    return true;
}

bool CliCommandLine::serialSpeed(const QString &value, CliTarget::Endpoint *endpoint, QString *error)
{
    endpoint->address = value;
    const int colon = value.lastIndexOf(QLatin1Char(':'));
    if (colon <= 0)
        return true;
    const QString path = value.left(colon);
    const QString speed = value.mid(colon + 1);
    // A node whose own name holds a colon (/dev/serial/by-path/...) is the path.
    if (!allDigits(speed)
        && (QFileInfo::exists(DeviceNodeAccess::resolvedPath(value))
            || !QFileInfo::exists(DeviceNodeAccess::resolvedPath(path))))
        return true;
    QStringList speeds;
    for (const qint32 rate : SerialPortManager::baudRates())
        speeds.append(QString::number(rate));
    if (!speeds.contains(speed)) {
        *error = tr("--serial 的波特率无效: \"%1\"，应为 %2 之一").arg(speed, speeds.join(QStringLiteral(", ")));
        return false;
    }
    endpoint->address = path;
    endpoint->baud = speed;
    return true;
}

bool CliCommandLine::number(const QString &text, const QString &what, int min, int max, int *value, QString *error)
{
    if (!wholeNumber(text, min, max, value)) {
        *error = tr("%1 的值无效: \"%2\"，应为 %3 到 %4 的整数").arg(what, text).arg(min).arg(max);
        return false;
    }
    return true;
}

bool CliCommandLine::wholeNumber(const QString &text, int min, int max, int *value)
{
    bool ok = allDigits(text) && text.size() <= 9;
    const int n = ok ? text.toInt(&ok) : 0;
    if (!ok || n < min || n > max)
        return false;
    *value = n;
    return true;
}

bool CliCommandLine::decimal(const QString &text, double min, double max, double *value)
{
    bool ok = false;
    const double n = text.toDouble(&ok);
    // Written so that NaN fails every comparison.
    if (!ok || !std::isfinite(n) || !(n >= min && n <= max))
        return false;
    *value = n;
    return true;
}

bool CliCommandLine::number(const QString &name, int min, int max, int fallback, int *value, QString *error) const
{
    if (!m_parser.isSet(name)) {
        *value = fallback;
        return true;
    }
    return number(m_parser.value(name), dashed(name), min, max, value, error);
}
