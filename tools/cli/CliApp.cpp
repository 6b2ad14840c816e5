#include "CliApp.h"

#include "CliCommandLine.h"
#include "CliExporter.h"
#include "CliBatchRun.h"
#include "CliHelp.h"
#include "CliInputFile.h"
#include "CliInventory.h"
#include "CliOperations.h"
#include "CliOutput.h"
#include "CliRender.h"
#include "CliRangeScan.h"
#include "CliScript.h"
#include "CliStatusReport.h"
#include "CliTarget.h"
#include "CliVerbs.h"

#include "app/QmlLanguage.h"
#include "app/base/ConfigManager.h"
#include "app/base/Logger.h"
#include "app/base/PrinterModel.h"
#include "fleet/TargetFile.h"
#include "platform/CupsPrintQueueService.h"
#include "commands/RealTimeStatusForm.h"
#include "transport/serial/SerialPortManager.h"
#include "transport/spooler/PrintDriverManager.h"
#include "transport/tcp/ScanWorker.h"
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
#include <QTextStream>
#include <QTimer>
#include <QTranslator>

#include <algorithm>
#include <cstdio>
#include <unistd.h>

#ifndef QM_VERSION
#define QM_VERSION "0"
#endif

namespace {
bool isHelp(const QString &arg)
{
    return arg == QLatin1String("--help") || arg == QLatin1String("-h");
}

QCommandLineOption flag(const char *name)
{
    return QCommandLineOption(QLatin1String(name));
}

} // namespace

void CliApp::installTranslation(QCoreApplication &app, QTranslator &translator)
{
    const QString asked = qEnvironmentVariable("QM_LANGUAGE");
    const QStringList known = QmlLanguage::languageCodes();
    QString code = known.contains(asked) ? asked : QmlLanguage::storedLanguage();
    if (code.isEmpty())
        code = QLocale().language() == QLocale::Chinese ? QStringLiteral("zh_CN") : QStringLiteral("en_US");
    if (QmlLanguage::loadTranslation(translator, code))
        app.installTranslator(&translator);
    if (!asked.isEmpty() && !known.contains(asked))
        CliOutput::hint(tr("QM_LANGUAGE 的值无效: \"%1\"，应为 %2 之一").arg(asked, known.join(QStringLiteral(", "))));
}

CliApp::CliApp(const QStringList &arguments) : m_args(arguments) {}

int CliApp::usageError(const QString &message)
{
    CliOutput::error(message);
    CliOutput::hint(CliHelp::seeHelp(m_command));
    return ExitUsage;
}

int CliApp::parseCommand(CliCommandLine &line, const QStringList &args)
{
    QString error;
    const bool parsed = line.parse(args, &error);
    if (line.helpRequested()) {
        CliOutput::print(CliHelp::text(m_command));
        return ExitOk;
    }
    return parsed ? -1 : usageError(error);
}

int CliApp::parseWithTarget(CliCommandLine &line, const QStringList &args, CliTarget::Endpoint *endpoint)
{
    line.addTargetOptions();
    const int code = parseCommand(line, args);
    if (code >= 0)
        return code;
    QString error;
    if (!line.target(endpoint, &error))
        return usageError(error);
    if (endpoint->kind == CliTarget::Kind::None)
        return usageError(tr("缺少目标: --tcp、--usb、--serial 或 --queue"));
    return -1;
}

bool CliApp::open(CliTarget &target)
{
    QString error;
    if (target.open(&error))
        return true;
    CliOutput::error(error);
    return false;
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
    // Commands with option parsers of their own leave the help to this one.
    static const QStringList ownParsers{CliRender::command(), QStringLiteral("exporter"), QStringLiteral("inventory")};
    if (ownParsers.contains(m_command)
        && (rest.contains(QStringLiteral("--help")) || rest.contains(QStringLiteral("-h")))) {
        CliOutput::print(CliHelp::text(m_command));
        return ExitOk;
    }
    if (m_command == CliRender::command())
        return CliRender::run(rest);
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
    if (m_command == QLatin1String("inventory"))
        return CliInventory(rest).exec();
    if (m_command == QLatin1String("raw"))
        return raw(rest);
    return verb(rest);
}

int CliApp::scan(const QStringList &args)
{
    CliCommandLine line;
    line.addOption(flag("json"));
    line.addOption(QCommandLineOption(QStringLiteral("segment"), QString(), QStringLiteral("SEGMENT")));
    CliRangeScan::addOptions(&line);
    const int code = parseCommand(line, args);
    if (code >= 0)
        return code;
    if (!line.positional().isEmpty())
        return usageError(tr("未知的选项: %1").arg(line.positional().first()));
    const bool json = line.isSet(QStringLiteral("json"));
    if (line.isSet(QStringLiteral("range")))
        return scanRanges(line, json);
    for (const char *rangeOnly : {"connect-timeout", "max-open"}) {
        if (line.isSet(QLatin1String(rangeOnly)))
            return usageError(tr("--%1 只能与 --range 一起使用").arg(QLatin1String(rangeOnly)));
    }
    QString segment;
    if (line.isSet(QStringLiteral("segment"))) {
        const QString value = line.value(QStringLiteral("segment"));
        segment = ConfigManager::normalisedSegment(value);
        if (segment.isEmpty())
            return usageError(tr("无效的网段: %1（应为前三个数字，如 10.1.2.）").arg(value));
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
        CliOutput::print(CliOutput::jsonText(QJsonArray::fromVariantList(devices)));
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

int CliApp::scanRanges(const CliCommandLine &line, bool json)
{
    if (line.isSet(QStringLiteral("segment")))
        return usageError(tr("--segment 和 --range 只能二选一"));
    CliRangeScan search;
    QString error;
    if (!search.configure(line, ScanWorker::ProbeConnectTimeoutMs, &error))
        return usageError(error);
    startBackEnd();
    // Each printer as soon as it is identified.
    return search.run([json](const RangeScanner::Printer &printer) {
        CliOutput::print(json ? CliOutput::jsonText(CliRangeScan::json(printer), QJsonDocument::Compact)
                              : CliRangeScan::line(printer));
    });
}

int CliApp::list(const QStringList &args)
{
    CliCommandLine line;
    line.addOption(flag("json"));
    const int code = parseCommand(line, args);
    if (code >= 0)
        return code;
    const QStringList words = line.positional();
    if (words.size() > 1)
        return usageError(tr("未知的选项: %1").arg(words.at(1)));
    const bool json = line.isSet(QStringLiteral("json"));
    const QString kind = words.value(0);
    if (kind != QLatin1String("usb") && kind != QLatin1String("serial") && kind != QLatin1String("queues"))
        return usageError(tr("请指定要列出的内容: usb、serial 或 queues"));
    startBackEnd();

    if (kind == QLatin1String("usb")) {
        USBDeviceManager usb;
        usb.refreshDeviceList();
        const QVariantList devices = usb.getDeviceList();
        if (json) {
            CliOutput::print(CliOutput::jsonText(QJsonArray::fromVariantList(devices)));
            return ExitOk;
        }
        for (const QVariant &v : devices) {
            const QVariantMap d = v.toMap();
            CliOutput::print(QStringLiteral("%1\t%2\t%3\t%4")
                                 .arg(d.value(QStringLiteral("devPath")).toString(), d.value(QStringLiteral("vpid")).toString(),
                                      d.value(QStringLiteral("model")).toString(),
                                      d.value(QStringLiteral("manufacturer")).toString()));
        }
        if (devices.isEmpty())
            CliOutput::hint(tr("没有找到 USB 打印机（/dev/usb/lp*）"));
        return ExitOk;
    }
    QStringList names;
    if (kind == QLatin1String("serial")) {
        SerialPortManager serial;
        serial.refreshAvailablePorts();
        names = serial.availablePorts();
    } else {
        // Asked here and waited for: a command line has no window to keep alive.
        CupsPrintQueueService cups;
        QString why;
        if (!cups.askQueueNames(&names, &why)) {
            CliOutput::error(tr("无法连接打印服务（CUPS 调度程序）: %1").arg(why));
            return ExitUnreachable;
        }
        names.erase(std::remove_if(names.begin(), names.end(), PrintDriverManager::isExcludedPrinter), names.end());
    }
    if (json)
        CliOutput::print(CliOutput::jsonText(QJsonArray::fromStringList(names)));
    else if (!names.isEmpty())
        CliOutput::print(names.join(QLatin1Char('\n')));
    else
        CliOutput::hint(kind == QLatin1String("serial") ? tr("没有找到串口") : tr("CUPS 中没有打印队列"));
    return ExitOk;
}

int CliApp::ops(const QStringList &args)
{
    CliCommandLine line;
    line.addOption(flag("json"));
    const int code = parseCommand(line, args);
    if (code >= 0)
        return code;
    if (!line.positional().isEmpty())
        return usageError(tr("未知的选项: %1").arg(line.positional().first()));
    const QList<CliOperations::Operation> all = CliOperations::all();
    if (line.isSet(QStringLiteral("json"))) {
        CliOutput::print(CliOutput::jsonText(CliOperations::toJson(all)));
        return ExitOk;
    }
    QStringList lines;
    for (const CliOperations::Operation &op : all) {
        const QString note = CliOperations::note(op.name);
        lines.append(note.isEmpty() ? op.signature() : op.signature() + QStringLiteral("    # ") + note);
    }
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

int CliApp::perform(CliTarget &target, const CliOperations::Call &call, const QString &scriptPath, int lineNumber)
{
    // A printer that went away since the last call stops the run before this one.
    if (!target.stillConnected())
        return operationFailed(target, QStringList(), scriptPath, lineNumber);
    const int status = CliTarget::statusOperation(call.operation.name);
    if (status >= 0)
        return queryStatus(target, status, scriptPath, lineNumber);
    target.beginOperation();
    QVariant result;
    const bool invoked = CliOperations::invoke(target.manager(), call, &result);
    QStringList errors;
    if (!target.finishOperation(&errors) || !invoked)
        return operationFailed(target, errors, scriptPath, lineNumber);
    if (result.isValid())
        CliOutput::print(CliOutput::jsonText(QJsonValue::fromVariant(result)));
    return -1;
}

int CliApp::queryStatus(CliTarget &target, int status, const QString &scriptPath, int lineNumber)
{
    // A query counts only with its answer, which is shown as `status` shows it.
    target.beginOperation();
    const QString payload = target.queryStatus(status);
    QStringList errors;
    target.finishOperation(&errors);
    CliStatusReport report;
    report.add(status, payload);
    if (!report.answeredAll()) {
        if (target.isConnected())
            errors.append(tr("打印机没有回答状态查询: %1").arg(CliTarget::describe(target.endpoint())));
        const int code = operationFailed(target, errors, scriptPath, lineNumber);
        return code == ExitFault ? ExitUnreachable : code;
    }
    CliOutput::print(report.text());
    if (!report.hasFault())
        return -1;
    const QString fault = tr("故障: %1").arg(report.faults().join(QStringLiteral(", ")));
    CliOutput::error(scriptPath.isEmpty() ? fault : CliScript::lineMessage(scriptPath, lineNumber, fault));
    return ExitFault;
}

int CliApp::run(const QStringList &args)
{
    CliCommandLine line;
    line.addOption(QCommandLineOption(QStringLiteral("script"), QString(), QStringLiteral("FILE")));
    line.addOption(QCommandLineOption(QStringLiteral("targets"), QString(), QStringLiteral("FILE")));
    line.addOption(QCommandLineOption(QStringLiteral("jobs"), QString(), QStringLiteral("N")));
    line.addOption(flag("json"));
    line.addOption(QCommandLineOption(QStringLiteral("connect-timeout"), QString(), QStringLiteral("MS")));
    line.addOption(QCommandLineOption(QStringLiteral("timeout"), QString(), QStringLiteral("MS")));
    // Words after the operation belong to the operation, even those that
    // look like options.
    line.stopAtFirstWord();
    line.addTargetOptions();
    int code = parseCommand(line, args);
    if (code >= 0)
        return code;
    CliTarget::Endpoint endpoint;
    QString error;
    if (!line.target(&endpoint, &error))
        return usageError(error);
    const bool batch = line.isSet(QStringLiteral("targets"));
    if (batch && endpoint.kind != CliTarget::Kind::None)
        return usageError(tr("--targets 和 --tcp、--usb、--serial、--queue 只能二选一"));
    if (!batch && endpoint.kind == CliTarget::Kind::None)
        return usageError(tr("缺少目标: --tcp、--usb、--serial 或 --queue"));
    for (const char *batchOnly : {"jobs", "json"}) {
        if (!batch && line.isSet(QLatin1String(batchOnly)))
            return usageError(tr("--%1 只能与 --targets 一起使用").arg(QLatin1String(batchOnly)));
    }
    CliBatchRun::Settings batchSettings;
    if (!line.number(QStringLiteral("connect-timeout"), 1, CliBackEnd::MaxTimeoutMs,
                     CliBatchRun::DefaultConnectTimeoutMs, &batchSettings.connectTimeoutMs, &error)
        || !line.number(QStringLiteral("timeout"), 1, CliBackEnd::MaxTimeoutMs,
                        CliBatchRun::DefaultAnswerTimeoutMs, &batchSettings.answerTimeoutMs, &error)
        || !line.number(QStringLiteral("jobs"), 1, CliBatchRun::MaxJobs, CliBatchRun::DefaultJobs,
                        &batchSettings.jobs, &error))
        return usageError(error);
    batchSettings.json = line.isSet(QStringLiteral("json"));

    const bool haveScript = line.isSet(QStringLiteral("script"));
    const QString scriptPath = line.value(QStringLiteral("script"));
    const QString operation = line.positional().value(0);
    const QStringList operationArgs = line.positional().mid(1);
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
    // Many printers: a script on standard input is read whole first, and
    // every printer's run reads it from there.
    QByteArray batchInput;
    if (haveScript && (!streamed || batch)) {
        QList<CliScript::Line> lines;
        if (streamed) {
            QFile in;
            in.open(stdin, QIODevice::ReadOnly);
            batchInput = in.readAll();
            QTextStream text(batchInput);
            text.setCodec("UTF-8");
            if (!CliScript::readLines(scriptPath, text, &lines, &error))
                return usageError(error);
        } else if (!CliScript::readFile(scriptPath, &lines, &error)) {
            return usageError(error);
        }
        for (const CliScript::Line &scriptLine : qAsConst(lines)) {
            CliOperations::Call call;
            if (!CliOperations::prepare(scriptLine.words.first(), scriptLine.words.mid(1), &call, &error))
                return usageError(CliScript::lineMessage(scriptPath, scriptLine.number, error));
            calls.append(call);
            lineNumbers.append(scriptLine.number);
        }
    } else if (!haveScript) {
        CliOperations::Call call;
        if (!CliOperations::prepare(operation, operationArgs, &call, &error))
            return usageError(error);
        calls.append(call);
        lineNumbers.append(0);
    }

    if (batch) {
        const QString targetsPath = line.value(QStringLiteral("targets"));
        TargetFile file;
        if (!TargetFile::read(targetsPath, &file, &error))
            return usageError(error);
        if (!file.problems.isEmpty()) {
            for (const TargetFile::Problem &p : qAsConst(file.problems))
                CliOutput::error(TargetFile::lineMessage(targetsPath, p.line, p.message));
            return usageError(tr("目标文件 %1 有错误的行；什么也没有发送").arg(targetsPath));
        }
        if (file.targets.isEmpty())
            return usageError(tr("目标文件 %1 中没有目标").arg(targetsPath));
        const QStringList work = haveScript ? QStringList{QStringLiteral("--script"),
                                                          streamed ? scriptPath : QFileInfo(scriptPath).absoluteFilePath()}
                                            : QStringList{operation} + operationArgs;
        startBackEnd();
        return CliBatchRun(file.targets, work, batchInput, calls.size(), batchSettings).exec();
    }

    startBackEnd();
    CliTarget target(endpoint);
    if (line.isSet(QStringLiteral("connect-timeout")))
        target.setConnectTimeout(batchSettings.connectTimeoutMs);
    if (line.isSet(QStringLiteral("timeout")))
        target.setAnswerTimeout(batchSettings.answerTimeoutMs);
    if (!open(target))
        return ExitUnreachable;
    const QString where = haveScript ? scriptPath : QString();
    if (!streamed) {
        for (int n = 0; n < calls.size(); ++n) {
            const int result = perform(target, calls.at(n), where, lineNumbers.at(n));
            if (result >= 0)
                return result;
        }
        return finish(target);
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
        if (!CliScript::splitWords(QString::fromUtf8(bytes), &words, &error))
            return usageError(CliScript::lineMessage(scriptPath, number, error));
        if (words.isEmpty())
            continue;
        CliOperations::Call call;
        if (!CliOperations::prepare(words.first(), words.mid(1), &call, &error))
            return usageError(CliScript::lineMessage(scriptPath, number, error));
        const int result = perform(target, call, where, number);
        if (result >= 0)
            return result;
    }
    return finish(target);
}

int CliApp::status(const QStringList &args)
{
    CliCommandLine line;
    line.addOption(flag("json"));
    CliTarget::Endpoint endpoint;
    const int code = parseWithTarget(line, args, &endpoint);
    if (code >= 0)
        return code;
    if (!line.positional().isEmpty())
        return usageError(tr("未知的选项: %1").arg(line.positional().first()));
    const bool json = line.isSet(QStringLiteral("json"));
    if (endpoint.kind == CliTarget::Kind::Queue)
        return usageError(tr("打印队列不回答状态查询: 请用 --tcp、--usb 或 --serial"));
    if (endpoint.kind == CliTarget::Kind::Preview)
        return usageError(tr("预览不回答状态查询: 请用 --tcp、--usb 或 --serial"));

    startBackEnd();
    CliTarget target(endpoint);
    QString error;
    if (!target.open(&error)) {
        if (json)
            CliOutput::print(CliOutput::jsonText(QJsonObject{{QStringLiteral("reachable"), false},
                                                  {QStringLiteral("ready"), false},
                                                  {QStringLiteral("error"), error}}));
        CliOutput::error(error);
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
        CliOutput::print(CliOutput::jsonText(report.json()));
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
    CliCommandLine line;
    line.addOption(QCommandLineOption(QStringLiteral("timeout"), QString(), QStringLiteral("MS")));
    CliTarget::Endpoint endpoint;
    const int code = parseWithTarget(line, args, &endpoint);
    if (code >= 0)
        return code;
    int timeoutMs = 0;
    QString error;
    if (!line.number(QStringLiteral("timeout"), 1, CliBackEnd::MaxTimeoutMs, CliTarget::DrainLimitMs, &timeoutMs,
                     &error))
        return usageError(error);
    const QStringList words = line.positional();
    if (words.size() > 1)
        return usageError(tr("未知的选项: %1").arg(words.at(1)));
    const QString path = words.value(0);
    if (path.isEmpty())
        return usageError(tr("缺少文件（- 表示标准输入）"));
    QByteArray bytes;
    if (!CliInputFile::read(path, &bytes, &error))
        return usageError(error);

    startBackEnd();
    CliTarget target(endpoint);
    target.setAnswerTimeout(timeoutMs);
    if (!open(target))
        return ExitUnreachable;
    Logger::getInstance()->info(tr("发送文件 %1（%2 字节）").arg(path).arg(bytes.size()));
    target.beginOperation();
    const bool handedOver = target.sendBytes(bytes);
    QStringList errors;
    if (!target.finishOperation(&errors) || !handedOver || !target.stillConnected()) {
        const int failed = operationFailed(target, errors, QString(), 0);
        // A printer that stopped reading is as good as unreachable.
        return target.writeTimedOut() ? ExitUnreachable : failed;
    }
    return finish(target);
}

int CliApp::finish(CliTarget &target)
{
    if (target.endpoint().kind != CliTarget::Kind::Preview)
        return ExitOk;
    QStringList files;
    QString error;
    const bool written = target.writePreview(&files, &error);
    for (const QString &file : qAsConst(files))
        CliOutput::print(file);
    if (written)
        return ExitOk;
    CliOutput::error(error);
    return ExitFault;
}

int CliApp::verb(const QStringList &args)
{
    CliCommandLine line;
    CliVerbs::addOptions(m_command, &line);
    CliTarget::Endpoint endpoint;
    const int code = parseWithTarget(line, args, &endpoint);
    if (code >= 0)
        return code;
    QString error;
    CliVerbs::Plan plan;
    if (!CliVerbs::plan(m_command, line, endpoint, &plan, &error))
        return usageError(error);

    startBackEnd();
    if (!plan.dither.isEmpty() || plan.logoWidth > 0)
        ConfigManager::getInstance()->useLogoConversionForRun(plan.dither, plan.logoWidth);
    CliTarget target(endpoint);
    target.setPreviewPaperDots(plan.previewPaperDots);
    if (plan.identify) {
        bool reachable = false;
        if (!target.identify(&error, &reachable)) {
            CliOutput::error(error);
            return reachable ? ExitFault : ExitUnreachable;
        }
        if (PrinterModel::webForm(target.model()) == PrinterModel::WebForm::None) {
            CliOutput::error(tr("打印机型号 %1 不接受网络设置的表单").arg(target.model()));
            return ExitFault;
        }
    }
    if (!open(target))
        return ExitUnreachable;
    for (const CliOperations::Call &call : qAsConst(plan.calls)) {
        const int result = perform(target, call, QString(), 0);
        if (result >= 0)
            return result;
    }
    return finish(target);
}
