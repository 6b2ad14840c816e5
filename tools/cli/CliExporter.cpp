#include "CliExporter.h"

#include "platform/OpenFileLimit.h"

#include "CliBackEnd.h"
#include "CliCommandLine.h"
#include "CliHelp.h"
#include "CliOutput.h"
#include "CliSignalPipe.h"

#include "app/base/Logger.h"
#include "fleet/PrinterExporter.h"

#include <QCommandLineParser>

#include <csignal>
#include <malloc.h>

namespace {

// A connection or device node per printer being polled, and the exposer's:
// the soft limit of open files goes up to the hard one.
// The exposer's threads each build a copy of the series and their text for
// every scrape (about a megabyte per thousand printers); with glibc's arena
// per thread those blocks stay resident in each arena. The program allocates
// little otherwise, so one arena costs no waiting worth the name and keeps
// the resident size about a third lower.
void shareOneMallocArena()
{
    ::mallopt(M_ARENA_MAX, 1);
}

} // namespace

CliExporter::CliExporter(const QStringList &arguments) : m_args(arguments) {}

QString CliExporter::helpText()
{
    return tr("用法: quillmark exporter --targets FILE [--listen ADDRESS:PORT] [--interval SECONDS]\n"
              "                          [--timeout MS] [--connect-timeout MS]\n"
              "\n"
              "在后台按间隔轮询目标文件中的每台打印机（四个实时状态，所有打印机同时进行，每台一次只有一个查询），"
              "并在 http://ADDRESS:PORT/metrics 上以 Prometheus 的格式提供结果。抓取立即得到最近一次的结果，"
              "从不等待打印机。SIGHUP 重新读取目标文件，SIGTERM 结束。\n"
              "\n"
              "  --targets FILE          目标文件: 每行一台打印机，写法同命令行的目标（tcp:10.1.2.3、usb:/dev/usb/lp0、"
              "serial:/dev/ttyUSB0:9600），后面可跟标签（site=shop-17 till=2，含空格的值用 \"...\"）；"
              "# 开始注释。有错的行会报告行号并被跳过，其余照常轮询\n"
              "  --listen ADDRESS:PORT   提供指标的地址（默认 %1）\n"
              "  --interval SECONDS      轮询间隔（默认 %2）\n"
              "  --timeout MS            每个状态查询等待回答的时间（默认 %3）\n"
              "  --connect-timeout MS    TCP 连接的等待时间（默认 %4）\n"
              "\n"
              "每台打印机一个序列，带目标行的标签和 target=\"tcp:10.1.2.3\": quillmark_printer_up、"
              "quillmark_printer_online、quillmark_printer_paper_state{state=ok|near_end|out}、"
              "quillmark_printer_cover_open、quillmark_printer_drawer_open、"
              "quillmark_printer_error{kind=cutter|unrecoverable|auto_recoverable|mechanical}、"
              "quillmark_printer_status_rtt_seconds、quillmark_printer_last_seen_timestamp_seconds、"
              "quillmark_printer_info{model,mac,transport}；另有 quillmark_exporter_poll_duration_seconds、"
              "quillmark_exporter_targets、quillmark_exporter_poll_rounds_total、"
              "quillmark_exporter_targets_last_reload_successful 和 "
              "quillmark_exporter_targets_last_reload_success_timestamp_seconds。"
              "重新读取时目标文件无法读取或没有有效的行，则继续轮询原来的打印机。\n"
              "\n"
              "退出状态: 0 收到 SIGTERM 或 SIGINT 后结束；1 无法在该地址上提供指标；2 用法错误或无法读取目标文件。\n")
        .arg(QLatin1String(PrinterExporter::DefaultListen))
        .arg(StatusPoller::DefaultIntervalMs / 1000)
        .arg(StatusPoller::DefaultAnswerTimeoutMs)
        .arg(StatusPoller::DefaultConnectTimeoutMs);
}

int CliExporter::usageError(const QString &message)
{
    CliOutput::error(message);
    CliOutput::hint(CliHelp::seeHelp(QStringLiteral("exporter")));
    return CliBackEnd::ExitUsage;
}

int CliExporter::exec()
{
    QCommandLineParser parser;
    const QCommandLineOption targets(QStringLiteral("targets"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption listen(QStringLiteral("listen"), QString(), QStringLiteral("ADDRESS:PORT"),
                                    QLatin1String(PrinterExporter::DefaultListen));
    const QCommandLineOption interval(QStringLiteral("interval"), QString(), QStringLiteral("SECONDS"),
                                      QString::number(StatusPoller::DefaultIntervalMs / 1000));
    const QCommandLineOption timeout(QStringLiteral("timeout"), QString(), QStringLiteral("MS"),
                                     QString::number(StatusPoller::DefaultAnswerTimeoutMs));
    const QCommandLineOption connectTimeout(QStringLiteral("connect-timeout"), QString(), QStringLiteral("MS"),
                                            QString::number(StatusPoller::DefaultConnectTimeoutMs));
    parser.addOptions({targets, listen, interval, timeout, connectTimeout});
    if (!parser.parse(QStringList{QStringLiteral("quillmark exporter")} + m_args))
        return usageError(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return usageError(tr("未知的参数: %1").arg(parser.positionalArguments().first()));
    if (!parser.isSet(targets) || parser.value(targets).isEmpty())
        return usageError(tr("缺少目标文件: --targets FILE"));

    PrinterExporter::Settings settings;
    settings.targetsPath = parser.value(targets);
    settings.listen = parser.value(listen);
    double seconds = 0;
    if (!CliCommandLine::decimal(parser.value(interval), MinIntervalSeconds, MaxIntervalSeconds, &seconds))
        return usageError(tr("--interval 应为 %1 到 %2 之间的秒数: %3")
                              .arg(MinIntervalSeconds)
                              .arg(MaxIntervalSeconds)
                              .arg(parser.value(interval)));
    settings.poll.intervalMs = int(seconds * 1000);
    const struct
    {
        const QCommandLineOption &option;
        int *value;
    } limits[] = {{timeout, &settings.poll.answerTimeoutMs}, {connectTimeout, &settings.poll.connectTimeoutMs}};
    for (const auto &limit : limits) {
        int ms = 0;
        if (!CliCommandLine::wholeNumber(parser.value(limit.option), 1, CliBackEnd::MaxTimeoutMs, &ms))
            return usageError(tr("--%1 应为 1 到 %2 之间的毫秒数: %3")
                                  .arg(limit.option.names().first())
                                  .arg(CliBackEnd::MaxTimeoutMs)
                                  .arg(parser.value(limit.option)));
        *limit.value = ms;
    }
    QString error;
    QString address;
    if (!PrinterExporter::parseListen(settings.listen, &address, &error))
        return usageError(error);

    Logger::getInstance()->setLogLevel(1);
    Logger::getInstance()->info(tr("命令行: quillmark exporter %1").arg(m_args.join(QLatin1Char(' '))));
    OpenFileLimit::raiseToHardLimit();
    shareOneMallocArena();

    PrinterExporter exporter(settings);
    // Lines left out are named on standard error; the log has them already.
    QObject::connect(&exporter, &PrinterExporter::problem, [](const QString &message) { CliOutput::hint(message); });
    const PrinterExporter::Start started = exporter.start(&error);
    if (started != PrinterExporter::Start::Started) {
        CliOutput::error(error);
        return started == PrinterExporter::Start::TargetsUnreadable ? int(CliBackEnd::ExitUsage) : int(CliBackEnd::ExitFault);
    }
    CliOutput::print(tr("在 http://%1%2 提供指标，轮询 %3 台打印机，每 %4 秒一次")
                         .arg(exporter.listeningAddress(), QLatin1String(PrinterExporter::MetricsPath))
                         .arg(exporter.polledCount())
                         .arg(seconds));

    // SIGHUP rereads the targets, SIGTERM and SIGINT end the program.
    CliSignalPipe signalPipe({SIGHUP, SIGINT, SIGTERM});
    QObject::connect(&signalPipe, &CliSignalPipe::arrived, &exporter, [&exporter](int number) {
        if (number == SIGHUP)
            exporter.reload();
        else
            QCoreApplication::quit();
    });
    signal(SIGPIPE, SIG_IGN);
    const int rc = QCoreApplication::exec();
    Logger::getInstance()->info(tr("导出器结束"));
    return rc == 0 ? int(CliBackEnd::ExitOk) : int(CliBackEnd::ExitFault);
}
