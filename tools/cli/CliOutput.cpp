#include "CliOutput.h"

#include "app/base/Logger.h"

#include <QJsonArray>
#include <QJsonObject>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {
void writeTo(FILE *stream, const QString &text)
{
    QByteArray bytes = text.toUtf8();
    if (!bytes.endsWith('\n'))
        bytes.append('\n');
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

void filterMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    static const bool debug = qEnvironmentVariableIsSet("QM_CLI_DEBUG");
    if (debug || type == QtFatalMsg)
        writeTo(stderr, message);
}
} // namespace

void CliOutput::installMessageFilter()
{
    qInstallMessageHandler(filterMessages);
}

bool CliOutput::colourEnabled()
{
    static const bool enabled = ::isatty(STDOUT_FILENO) && ::isatty(STDERR_FILENO)
                                && !qEnvironmentVariableIsSet("NO_COLOR")
                                && qgetenv("TERM") != QByteArrayLiteral("dumb");
    return enabled;
}

QString CliOutput::paint(const QString &text, Colour colour)
{
    if (!colourEnabled())
        return text;
    const char *code = "1";
    switch (colour) {
    case Colour::Red: code = "31"; break;
    case Colour::Green: code = "32"; break;
    case Colour::Yellow: code = "33"; break;
    case Colour::Bold: code = "1"; break;
    }
    return QStringLiteral("\033[%1m%2\033[0m").arg(QLatin1String(code), text);
}

void CliOutput::print(const QString &text)
{
    writeTo(stdout, text);
}

void CliOutput::error(const QString &message)
{
    Logger::getInstance()->error(message);
    writeTo(stderr, paint(message, Colour::Red));
}

void CliOutput::hint(const QString &message)
{
    writeTo(stderr, message);
}

QString CliOutput::jsonText(const QJsonValue &value, QJsonDocument::JsonFormat format)
{
    if (value.isArray())
        return QString::fromUtf8(QJsonDocument(value.toArray()).toJson(format)).trimmed();
    if (value.isObject())
        return QString::fromUtf8(QJsonDocument(value.toObject()).toJson(format)).trimmed();
    if (value.isBool())
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    if (value.isDouble())
        return QString::number(value.toDouble());
    return value.toString();
}
