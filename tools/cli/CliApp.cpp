#include "CliApp.h"

#include "CliExporter.h"
#include "CliHelp.h"
#include "CliOperations.h"
#include "CliOutput.h"
#include "CliScript.h"
#include "CliStatusReport.h"
#include "CliTarget.h"

#include "app/base/AppPaths.h"
#include "app/base/ConfigManager.h"
#include "app/base/Logger.h"
#include "commands/RealTimeStatusForm.h"
#include "transport/serial/SerialPortManager.h"
#include "transport/spooler/PrintDriverManager.h"
#include "transport/tcp/TcpDeviceManager.h"
#include "transport/usb/USBDeviceManager.h"

#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QRegularExpression>
#include <QSettings>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <unistd.h>

#ifndef QM_VERSION
#define QM_VERSION "0"
#endif

// The translations live in the core library's resources.
static void registerTranslations()
{
    Q_INIT_RESOURCE(translations);
}

namespace {
bool isHelp(const QString &arg)
{
    return arg == QLatin1String("--help") || arg == QLatin1String("-h");
}

QString jsonText(const QJsonValue &value)
{
    if (value.isArray())
        return QString::fromUtf8(QJsonDocument(value.toArray()).toJson(QJsonDocument::Indented)).trimmed();
    if (value.isObject())
        return QString::fromUtf8(QJsonDocument(value.toObject()).toJson(QJsonDocument::Indented)).trimmed();
    if (value.isBool())
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    if (value.isDouble())
        return QString::number(value.toDouble());
    return value.toString();
}

// "10.1.2" or "10.1.2." gives "10.1.2."; anything else an empty text.
QString normalisedSegment(const QString &text)
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

bool readAllBytes(const QString &path, QByteArray *bytes, QString *error)
{
    QFile file;
    bool opened;
    if (path == QLatin1String("-"))
        opened = file.open(stdin, QIODevice::ReadOnly);
    else {
        file.setFileName(path);
        opened = !QFileInfo(path).isDir() && file.open(QIODevice::ReadOnly);
    }
    if (!opened) {
        *error = CliApp::tr("无法读取文件 %1: %2")
                     .arg(path, QFileInfo(path).isDir() ? CliApp::tr("是一个文件夹") : file.errorString());
        return false;
    }
    *bytes = file.readAll();
    return true;
}
} // namespace

void CliApp::installTranslation(QCoreApplication &app, QTranslator &translator)
{
    registerTranslations();
    QString code = qEnvironmentVariable("QM_LANGUAGE");
    if (code.isEmpty()) {
        const QString ini = AppPaths::directory() + QStringLiteral("/configFile/initial.ini");
        if (QFile::exists(ini)) {
            QSettings s(ini, QSettings::IniFormat);
            s.setIniCodec("UTF-8");
            code = s.value(QStringLiteral("Language/Current")).toString();
        } else {
            code = QLocale().language() == QLocale::Chinese ? QStringLiteral("zh_CN") : QStringLiteral("en_US");
        }
    }
    if (code == QLatin1String("en_US") || code == QLatin1String("zh_CN")) {
        if (translator.load(QStringLiteral(":/KVZQuillmark_%1.qm").arg(code)))
            app.installTranslator(&translator);
    }
}

CliApp::CliApp(const QStringList &arguments) : m_args(arguments) {}

int CliApp::usageError(const QString &message)
{
    CliOutput::error(message);
    CliOutput::hint(CliHelp::seeHelp(m_command));
    return ExitUsage;
}

void CliApp::startBackEnd()
{
    Logger *log = Logger::getInstance();
    log->setLogLevel(1);
    ConfigManager::getInstance()->initialize();
    log->info(tr("命令行: quillmark %1").arg(m_args.join(QLatin1Char(' '))));
}

int CliApp::exec()
{
    if (m_args.isEmpty()) {
        CliOutput::hint(CliHelp::text());
        return ExitUsage;
    }
    const QString first = m_args.first();
    if (isHelp(first)) {
        CliOutput::print(CliHelp::text());
        return ExitOk;
    }
    if (first == QLatin1String("help")) {
        CliOutput::print(CliHelp::text(m_args.value(1)));
        return ExitOk;
    }
    if (first == QLatin1String("--version")) {
        CliOutput::print(QStringLiteral("quillmark " QM_VERSION));
        return ExitOk;
    }
    if (!CliHelp::commands().contains(first))
        return usageError(tr("未知的命令: %1").arg(first));

    m_command = first;
    const QStringList rest = m_args.mid(1);
    // For run, words after the operation belong to the operation.
    static const QStringList takesValue{QStringLiteral("--tcp"), QStringLiteral("--usb"), QStringLiteral("--serial"),
                                        QStringLiteral("--queue"), QStringLiteral("--script")};
    for (int i = 0; i < rest.size(); ++i) {
        const QString &arg = rest.at(i);
        if (isHelp(arg)) {
            CliOutput::print(CliHelp::text(m_command));
            return ExitOk;
        }
        if (m_command != QLatin1String("run"))
            continue;
        if (takesValue.contains(arg))
            ++i;
        else if (!arg.startsWith(QLatin1String("--")))
            break;
    }
    if (m_command == QLatin1String("scan"))
        return scan(rest);
    if (m_command == QLatin1String("list"))
        return list(rest);
    if (m_command == QLatin1String("ops"))
        return ops(rest);
    if (m_command == QLatin1String("run"))
        return run(rest);
    if (m_command == QLatin1String("status"))
        return status(rest);
    if (m_command == QLatin1String("exporter"))
        return CliExporter(rest).exec();
    return raw(rest);
}

int CliApp::scan(const QStringList &args)
{
    bool json = false;
    QString segment;
    for (int i = 0; i < args.size(); ++i) {
        const QString arg = args.at(i);
        if (arg == QLatin1String("--json")) {
            json = true;
        } else if (arg == QLatin1String("--segment") || arg.startsWith(QLatin1String("--segment="))) {
            const QString value = arg.contains(QLatin1Char('=')) ? arg.section(QLatin1Char('='), 1) : args.value(++i);
            segment = normalisedSegment(value);
            if (segment.isEmpty())
                return usageError(tr("无效的网段: %1（应为前三个数字，如 10.1.2.）").arg(value));
        } else {
            return usageError(tr("未知的选项: %1").arg(arg));
        }
    }
    startBackEnd();
    if (!segment.isEmpty())
        ConfigManager::getInstance()->useTcpNetworkSegmentForRun(segment);

    TcpDeviceManager tcp;
    QEventLoop loop;
    bool finished = false;
    QObject::connect(&tcp, &TcpDeviceManager::sigScanOverTcp, &loop, [&] {
        finished = true;
        loop.quit();
    });
    QTimer::singleShot(ScanLimitMs, &loop, &QEventLoop::quit);
    tcp.refreshDeviceList();
    if (!finished)
        loop.exec();
    if (!finished) {
        CliOutput::error(tr("搜索没有在 %1 秒内结束").arg(ScanLimitMs / 1000));
        return ExitUnreachable;
    }
    const QVariantList devices = tcp.getDeviceList();
    if (json) {
        CliOutput::print(jsonText(QJsonArray::fromVariantList(devices)));
        return ExitOk;
    }
    for (const QVariant &v : devices) {
        const QVariantMap d = v.toMap();
        CliOutput::print(QStringLiteral("%1\t%2\t%3").arg(d.value(QStringLiteral("ip")).toString(),
                                                          d.value(QStringLiteral("mac")).toString(),
                                                          d.value(QStringLiteral("name")).toString()));
    }
    return ExitOk;
}

int CliApp::list(const QStringList &args)
{
    bool json = false;
    QString kind;
    for (const QString &arg : args) {
        if (arg == QLatin1String("--json"))
            json = true;
        else if (!arg.startsWith(QLatin1Char('-')) && kind.isEmpty())
            kind = arg;
        else
            return usageError(tr("未知的选项: %1").arg(arg));
    }
    if (kind != QLatin1String("usb") && kind != QLatin1String("serial") && kind != QLatin1String("queues"))
        return usageError(tr("请指定要列出的内容: usb、serial 或 queues"));
    startBackEnd();

    if (kind == QLatin1String("usb")) {
        USBDeviceManager usb;
        usb.refreshDeviceList();
        const QVariantList devices = usb.getDeviceList();
        if (json) {
            CliOutput::print(jsonText(QJsonArray::fromVariantList(devices)));
            return ExitOk;
        }
        for (const QVariant &v : devices) {
            const QVariantMap d = v.toMap();
            CliOutput::print(QStringLiteral("%1\t%2\t%3\t%4")
                                 .arg(d.value(QStringLiteral("devPath")).toString(), d.value(QStringLiteral("vpid")).toString(),
                                      d.value(QStringLiteral("model")).toString(),
                                      d.value(QStringLiteral("manufacturer")).toString()));
        }
        return ExitOk;
    }
    QStringList names;
    if (kind == QLatin1String("serial")) {
        SerialPortManager serial;
        serial.refreshAvailablePorts();
        names = serial.availablePorts();
    } else {
        PrintDriverManager queues;
        queues.refreshPrinters();
        names = queues.getAvailablePrinters();
    }
    if (json)
        CliOutput::print(jsonText(QJsonArray::fromStringList(names)));
    else if (!names.isEmpty())
        CliOutput::print(names.join(QLatin1Char('\n')));
    return ExitOk;
}

int CliApp::ops(const QStringList &args)
{
    bool json = false;
    for (const QString &arg : args) {
        if (arg == QLatin1String("--json"))
            json = true;
        else
            return usageError(tr("未知的选项: %1").arg(arg));
    }
    const QList<CliOperations::Operation> all = CliOperations::all();
    if (json) {
        CliOutput::print(jsonText(CliOperations::toJson(all)));
        return ExitOk;
    }
    QStringList lines;
    for (const CliOperations::Operation &op : all)
        lines.append(op.signature());
    CliOutput::print(lines.join(QLatin1Char('\n')));
    return ExitOk;
}

int CliApp::operationFailed(CliTarget &target, const QStringList &errors, const QString &scriptPath, int lineNumber)
{
    const bool lost = !target.isConnected();
    QStringList messages = errors;
    if (lost)
        messages.append(target.lostMessage());
    for (const QString &m : qAsConst(messages))
        CliOutput::error(scriptPath.isEmpty() ? m : CliScript::lineMessage(scriptPath, lineNumber, m));
    return lost ? ExitUnreachable : ExitFault;
}

int CliApp::run(const QStringList &args)
{
    CliTarget::Endpoint endpoint;
    QString scriptPath;
    bool haveScript = false;
    QString operation;
    QStringList operationArgs;
    int i = 0;
    while (i < args.size()) {
        QString error;
        if (CliTarget::takeOption(args, &i, &endpoint, &error))
            continue;
        if (!error.isEmpty())
            return usageError(error);
        const QString arg = args.at(i);
        if (arg == QLatin1String("--script") || arg.startsWith(QLatin1String("--script="))) {
            if (arg.contains(QLatin1Char('='))) {
                scriptPath = arg.section(QLatin1Char('='), 1);
                ++i;
            } else {
                if (i + 1 >= args.size())
                    return usageError(tr("%1 需要一个值").arg(arg));
                scriptPath = args.at(i + 1);
                i += 2;
            }
            haveScript = true;
            continue;
        }
        if (arg.startsWith(QLatin1String("--")))
            return usageError(tr("未知的选项: %1").arg(arg));
        operation = arg;
        operationArgs = args.mid(i + 1);
        break;
    }
    if (endpoint.kind == CliTarget::Kind::None)
        return usageError(tr("缺少目标: --tcp、--usb、--serial 或 --queue"));
    if (haveScript && !operation.isEmpty())
        return usageError(tr("--script 和操作只能二选一"));
    if (!haveScript && operation.isEmpty())
        return usageError(tr("缺少操作（quillmark ops 列出所有操作）"));
    if (haveScript && scriptPath.isEmpty())
        return usageError(tr("%1 需要一个值").arg(QStringLiteral("--script")));

    // Everything that can be checked is checked before the printer is touched.
    QList<CliOperations::Call> calls;
    QList<int> lineNumbers;
    const bool streamed = haveScript && scriptPath == QLatin1String("-");
    if (haveScript && !streamed) {
        QList<CliScript::Line> lines;
        QString error;
        if (!CliScript::readFile(scriptPath, &lines, &error))
            return usageError(error);
        for (const CliScript::Line &line : qAsConst(lines)) {
            CliOperations::Call call;
            if (!CliOperations::prepare(line.words.first(), line.words.mid(1), &call, &error))
                return usageError(CliScript::lineMessage(scriptPath, line.number, error));
            calls.append(call);
            lineNumbers.append(line.number);
        }
    } else if (!haveScript) {
        CliOperations::Call call;
        QString error;
        if (!CliOperations::prepare(operation, operationArgs, &call, &error))
            return usageError(error);
        calls.append(call);
        lineNumbers.append(0);
    }

    startBackEnd();
    CliTarget target(endpoint);
    QString openError;
    if (!target.open(&openError)) {
        CliOutput::error(openError);
        return ExitUnreachable;
    }

    // One call: runs it, prints a result, and gives the exit status or -1 to go on.
    auto perform = [&](const CliOperations::Call &call, int lineNumber) -> int {
        const QString where = haveScript ? scriptPath : QString();
        auto fail = [&](const QStringList &errors) { return operationFailed(target, errors, where, lineNumber); };
        // A printer that went away since the last line stops the run before this one.
        QStringList errors;
        if (!target.stillConnected())
            return fail(errors);
        target.beginOperation();
        QVariant result;
        const bool invoked = CliOperations::invoke(target.manager(), call, &result);
        if (!target.finishOperation(&errors) || !invoked)
            return fail(errors);
        if (result.isValid())
            CliOutput::print(jsonText(QJsonValue::fromVariant(result)));
        return -1;
    };

    if (!streamed) {
        for (int n = 0; n < calls.size(); ++n) {
            const int code = perform(calls.at(n), lineNumbers.at(n));
            if (code >= 0)
                return code;
        }
        return ExitOk;
    }

    // Standard input: each line runs as it comes.
    // Read with read(2), not stdio: a line must run as soon as it arrives.
    QFile in;
    in.open(STDIN_FILENO, QIODevice::ReadOnly | QIODevice::Unbuffered);
    int number = 0;
    while (true) {
        const QByteArray bytes = in.readLine();
        if (bytes.isEmpty())
            break;
        ++number;
        QStringList words;
        QString error;
        if (!CliScript::splitWords(QString::fromUtf8(bytes), &words, &error))
            return usageError(CliScript::lineMessage(scriptPath, number, error));
        if (words.isEmpty())
            continue;
        CliOperations::Call call;
        if (!CliOperations::prepare(words.first(), words.mid(1), &call, &error))
            return usageError(CliScript::lineMessage(scriptPath, number, error));
        const int code = perform(call, number);
        if (code >= 0)
            return code;
    }
    return ExitOk;
}

int CliApp::status(const QStringList &args)
{
    CliTarget::Endpoint endpoint;
    bool json = false;
    int i = 0;
    while (i < args.size()) {
        QString error;
        if (CliTarget::takeOption(args, &i, &endpoint, &error))
            continue;
        if (!error.isEmpty())
            return usageError(error);
        if (args.at(i) == QLatin1String("--json")) {
            json = true;
            ++i;
            continue;
        }
        return usageError(tr("未知的选项: %1").arg(args.at(i)));
    }
    if (endpoint.kind == CliTarget::Kind::None)
        return usageError(tr("缺少目标: --tcp、--usb、--serial 或 --queue"));
    if (endpoint.kind == CliTarget::Kind::Queue)
        return usageError(tr("打印队列不回答状态查询: 请用 --tcp、--usb 或 --serial"));

    startBackEnd();
    CliTarget target(endpoint);
    QString openError;
    if (!target.open(&openError)) {
        if (json)
            CliOutput::print(jsonText(QJsonObject{{QStringLiteral("reachable"), false},
                                                  {QStringLiteral("ready"), false},
                                                  {QStringLiteral("error"), openError}}));
        CliOutput::error(openError);
        return ExitUnreachable;
    }
    CliStatusReport report;
    for (int s = RealTimeStatusForm::PrinterStatus; s <= RealTimeStatusForm::PaperStatus; ++s) {
        const QString payload = target.queryStatus(s);
        report.add(s, payload);
        const QString message = RealTimeStatusForm::decodeReply(RealTimeStatusForm::statusName(s), payload);
        if (!message.isEmpty())
            Logger::getInstance()->info(message);
    }
    if (json)
        CliOutput::print(jsonText(report.json()));
    else
        CliOutput::print(report.text());
    if (!report.answeredAll()) {
        CliOutput::error(target.isConnected() ? tr("打印机没有回答状态查询: %1").arg(CliTarget::describe(endpoint))
                                              : target.lostMessage());
        return ExitUnreachable;
    }
    return report.hasFault() ? ExitFault : ExitOk;
}

int CliApp::raw(const QStringList &args)
{
    CliTarget::Endpoint endpoint;
    QString path;
    int i = 0;
    while (i < args.size()) {
        QString error;
        if (CliTarget::takeOption(args, &i, &endpoint, &error))
            continue;
        if (!error.isEmpty())
            return usageError(error);
        const QString arg = args.at(i);
        if ((arg.startsWith(QLatin1String("--")) || !path.isEmpty()))
            return usageError(tr("未知的选项: %1").arg(arg));
        path = arg;
        ++i;
    }
    if (endpoint.kind == CliTarget::Kind::None)
        return usageError(tr("缺少目标: --tcp、--usb、--serial 或 --queue"));
    if (path.isEmpty())
        return usageError(tr("缺少文件（- 表示标准输入）"));
    QByteArray bytes;
    QString error;
    if (!readAllBytes(path, &bytes, &error))
        return usageError(error);

    startBackEnd();
    CliTarget target(endpoint);
    if (!target.open(&error)) {
        CliOutput::error(error);
        return ExitUnreachable;
    }
    Logger::getInstance()->info(tr("发送文件 %1（%2 字节）").arg(path).arg(bytes.size()));
    target.beginOperation();
    const bool handedOver = target.sendBytes(bytes);
    QStringList errors;
    if (!target.finishOperation(&errors) || !handedOver || !target.stillConnected())
        return operationFailed(target, errors, QString(), 0);
    return ExitOk;
}
