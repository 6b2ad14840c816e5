#include "CliRender.h"

#include "CliBackEnd.h"
#include "CliCommandLine.h"
#include "CliHelp.h"
#include "CliInputFile.h"
#include "CliOutput.h"

#include "render/VpPageFiles.h"

#include <QCommandLineParser>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <functional>

namespace {

constexpr int DefaultWidthMm = 80;
constexpr int MaxMaxPages = 100000;
constexpr int DefaultMaxPageMm = VpRenderer::MaxPageHeight / VpRenderer::DotsPerMm;
constexpr int MaxMaxPageMm = 10000; // 80,000 dots: a page of 46 MB while it is drawn
constexpr int MaxMaxListed = 10000000;

int usageError(const QString &message)
{
    CliOutput::error(message);
    CliOutput::hint(CliHelp::seeHelp(CliRender::command()));
    return CliBackEnd::ExitUsage;
}

QString offsetText(const QJsonObject &entry)
{
    return QString::number(qint64(entry.value(QStringLiteral("offset")).toDouble()));
}

// The lines of one list of the text output, and a last one for those left out.
void listLines(QStringList *lines, const QString &title, const QJsonArray &entries, int count,
               const std::function<QString(const QJsonObject &)> &line)
{
    if (count == 0)
        return;
    *lines << title;
    for (const QJsonValue &value : entries)
        *lines << QStringLiteral("  ") + line(value.toObject());
    const int omitted = VpStreamRenderer::Result::omitted(entries, count);
    if (omitted > 0)
        *lines << QStringLiteral("  ") + CliRender::tr("……另有 %1 项未列出（--max-listed）").arg(omitted);
}

} // namespace

QString CliRender::helpText()
{
    return tr("用法: quillmark render FILE|- -o OUT.png [--width 58|80] [--json]\n"
              "                        [--max-pages N] [--max-page-length MM] [--max-listed N]\n"
              "\n"
              "不用打印机，把 FILE（- 表示标准输入）中的打印机字节画成图片，与虚拟打印机打印的一样。"
              "每次切纸结束一张图片: OUT-1.png、OUT-2.png……；切纸之后剩下的内容另成一张。"
              "没有任何墨点的纸（只有走纸或切纸）不成图片。"
              "列出打印机无法解码的部分（未知、格式错误、不完整或过长的命令）、无法打印的命令，"
              "以及超出页面长度而未画出的部分。"
              "退出状态 0: 全部解码并打印；1: 有无法解码、无法打印或未画出的部分，或者图片无法写入；2: 用法错误。\n"
              "\n"
              "  -o, --output OUT.png   图片的文件名，每页加上 -1、-2……\n"
              "  --width 58|80          纸宽（毫米），默认 80（576 点；58: 384 点）\n"
              "  --json                 以 JSON 输出: 图片、全部命令、无法解码和无法打印的部分\n"
              "  --max-pages N          最多画出的图片数，默认 %1；超过时停止并说明停在哪里\n"
              "  --max-page-length MM   一张图片的最大长度（毫米，每毫米 8 点），默认 %2；"
              "更长的内容接着画在下一张，超出的空白走纸不画\n"
              "  --max-listed N         每个列表最多列出的条数，默认 %3；其余的只计数\n")
        .arg(VpStreamRenderer::DefaultMaxPages)
        .arg(DefaultMaxPageMm)
        .arg(VpStreamRenderer::DefaultMaxListed);
}

bool CliRender::wanted(int argc, char *argv[])
{
    return argc > 1 && command() == QLatin1String(argv[1]);
}

int CliRender::run(const QStringList &args)
{
    QCommandLineParser parser;
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")}, QString(), QStringLiteral("OUT.png"));
    const QCommandLineOption width(QStringLiteral("width"), QString(), QStringLiteral("mm"),
                                   QString::number(DefaultWidthMm));
    const QCommandLineOption json(QStringLiteral("json"));
    const QCommandLineOption maxPages(QStringLiteral("max-pages"), QString(), QStringLiteral("N"),
                                      QString::number(VpStreamRenderer::DefaultMaxPages));
    const QCommandLineOption maxPageLength(QStringLiteral("max-page-length"), QString(), QStringLiteral("MM"),
                                           QString::number(DefaultMaxPageMm));
    const QCommandLineOption maxListed(QStringLiteral("max-listed"), QString(), QStringLiteral("N"),
                                       QString::number(VpStreamRenderer::DefaultMaxListed));
    parser.addOptions({output, width, json, maxPages, maxPageLength, maxListed});
    if (!parser.parse(QStringList{QStringLiteral("quillmark")} + args))
        return usageError(parser.errorText());
    const QStringList inputs = parser.positionalArguments();
    if (inputs.isEmpty())
        return usageError(tr("缺少要渲染的文件（FILE 或 - 表示标准输入）"));
    if (inputs.size() > 1)
        return usageError(tr("只能渲染一个文件: %1").arg(inputs.join(QLatin1Char(' '))));
    if (!parser.isSet(output) || parser.value(output).isEmpty())
        return usageError(tr("缺少图片的文件名: -o OUT.png"));
    bool numeric = false;
    const int widthMm = parser.value(width).toInt(&numeric);
    const int paperDots = numeric ? VpStreamRenderer::paperDotsForMm(widthMm) : 0;
    if (paperDots == 0)
        return usageError(tr("纸宽只能是 58 或 80: %1").arg(parser.value(width)));

    VpStreamRenderer::Options options;
    options.paperDots = paperDots;
    int maxPageMm = 0;
    QString numberError;
    if (!CliCommandLine::number(parser.value(maxPages), QStringLiteral("--max-pages"), 1, MaxMaxPages, &options.maxPages,
                                &numberError)
        || !CliCommandLine::number(parser.value(maxPageLength), QStringLiteral("--max-page-length"), 1, MaxMaxPageMm,
                                   &maxPageMm, &numberError)
        || !CliCommandLine::number(parser.value(maxListed), QStringLiteral("--max-listed"), 0, MaxMaxListed,
                                   &options.maxListed, &numberError))
        return usageError(numberError);
    options.maxPageDots = maxPageMm * VpRenderer::DotsPerMm;

    const QString input = inputs.first();
    QByteArray bytes;
    QString readError;
    if (!CliInputFile::read(input, &bytes, &readError))
        return usageError(readError);

    // Pages go to their files as soon as they are finished.
    const VpPageFiles::Result files = VpPageFiles::write(bytes, options, parser.value(output));
    const VpStreamRenderer::Result &result = files.render;
    const QJsonArray &pages = files.pages;
    using Result = VpStreamRenderer::Result;

    if (parser.isSet(json)) {
        const QJsonObject report{
            {QStringLiteral("input"), input},
            {QStringLiteral("bytes"), bytes.size()},
            {QStringLiteral("width_mm"), widthMm},
            {QStringLiteral("paper_dots"), paperDots},
            {QStringLiteral("max_pages"), options.maxPages},
            {QStringLiteral("max_page_dots"), options.maxPageDots},
            {QStringLiteral("max_listed"), options.maxListed},
            {QStringLiteral("pages"), pages},
            {QStringLiteral("page_limit_reached"), result.pageLimitReached()},
            {QStringLiteral("stopped_at"), result.pageLimitReached() ? QJsonValue(double(result.stoppedAt)) : QJsonValue()},
            {QStringLiteral("commands"), result.commands},
            {QStringLiteral("commands_total"), result.commandCount},
            {QStringLiteral("commands_omitted"), Result::omitted(result.commands, result.commandCount)},
            {QStringLiteral("undecoded"), result.undecoded},
            {QStringLiteral("undecoded_omitted"), Result::omitted(result.undecoded, result.undecodedCount)},
            {QStringLiteral("unprinted"), result.unprinted},
            {QStringLiteral("unprinted_omitted"), Result::omitted(result.unprinted, result.unprintedCount)},
            {QStringLiteral("clipped"), result.clipped},
            {QStringLiteral("clipped_omitted"), Result::omitted(result.clipped, result.clippedCount)},
            {QStringLiteral("clipped_dots"), double(result.clippedDots)}};
        CliOutput::print(CliOutput::jsonText(report));
    } else {
        QStringList lines;
        for (const QJsonValue &page : qAsConst(pages)) {
            const QJsonObject p = page.toObject();
            if (!p.contains(QStringLiteral("file")))
                continue;
            lines << QStringLiteral("%1  %2 x %3")
                         .arg(p.value(QStringLiteral("file")).toString())
                         .arg(p.value(QStringLiteral("width")).toInt())
                         .arg(p.value(QStringLiteral("height")).toInt());
        }
        if (pages.isEmpty())
            lines << tr("没有打印任何内容");
        listLines(&lines, tr("无法解码的部分（偏移、类型、命令、字节）:"), result.undecoded, result.undecodedCount,
                  [](const QJsonObject &e) {
                      return QStringLiteral("%1  %2  %3  %4")
                          .arg(offsetText(e), e.value(QStringLiteral("kind")).toString(),
                               e.value(QStringLiteral("code")).toString(), e.value(QStringLiteral("hex")).toString());
                  });
        listLines(&lines, tr("无法打印的命令（偏移、命令、原因）:"), result.unprinted, result.unprintedCount,
                  [](const QJsonObject &e) {
                      return QStringLiteral("%1  %2  %3")
                          .arg(offsetText(e), e.value(QStringLiteral("code")).toString(),
                               e.value(QStringLiteral("error")).toString());
                  });
        listLines(&lines,
                  tr("超出 %1 点（%2 毫米）的页面长度而未画出的纸（偏移、命令、连续次数、点数）:")
                      .arg(options.maxPageDots)
                      .arg(maxPageMm),
                  result.clipped, result.clippedCount, [](const QJsonObject &e) {
                      return QStringLiteral("%1  %2  x%3  %4")
                          .arg(offsetText(e), e.value(QStringLiteral("code")).toString())
                          .arg(e.value(QStringLiteral("repeated")).toInt())
                          .arg(qint64(e.value(QStringLiteral("clipped_dots")).toDouble()));
                  });
        CliOutput::print(lines.join(QLatin1Char('\n')));
    }
    int status = result.undecodedCount > 0 || result.unprintedCount > 0 || result.clippedDots > 0
                     ? CliBackEnd::ExitFault
                     : CliBackEnd::ExitOk;
    if (result.pageLimitReached()) {
        CliOutput::error(tr("已画出 %1 张图片，达到上限: 从偏移 %2 起（共 %3 字节）没有画出；--max-pages 可以提高上限")
                             .arg(result.pageCount)
                             .arg(result.stoppedAt)
                             .arg(bytes.size()));
        status = CliBackEnd::ExitFault;
    }
    if (!files.written()) {
        CliOutput::error(tr("无法写入图片 %1: %2").arg(files.failedFile, files.failure));
        return CliBackEnd::ExitFault;
    }
    return status;
}
