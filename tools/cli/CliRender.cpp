#include "CliRender.h"

#include "CliBackEnd.h"
#include "CliHelp.h"
#include "CliInputFile.h"
#include "CliOutput.h"

#include "render/VpPageFiles.h"

#include <QCommandLineParser>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr int DefaultWidthMm = 80;

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

} // namespace

QString CliRender::helpText()
{
    return tr("用法: quillmark render FILE|- -o OUT.png [--width 58|80] [--json]\n"
              "\n"
              "不用打印机，把 FILE（- 表示标准输入）中的打印机字节画成图片，与虚拟打印机打印的一样。"
              "每次切纸结束一张图片: OUT-1.png、OUT-2.png……；切纸之后剩下的内容另成一张。"
              "列出打印机无法解码的部分（未知、格式错误、不完整或过长的命令）和无法打印的命令。"
              "退出状态 0: 全部解码并打印；1: 有无法解码或无法打印的部分，或者图片无法写入；2: 用法错误。\n"
              "\n"
              "  -o, --output OUT.png   图片的文件名，每页加上 -1、-2……\n"
              "  --width 58|80          纸宽（毫米），默认 80（576 点；58: 384 点）\n"
              "  --json                 以 JSON 输出: 图片、全部命令、无法解码和无法打印的部分\n");
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
    parser.addOptions({output, width, json});
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

    const QString input = inputs.first();
    QByteArray bytes;
    QString readError;
    if (!CliInputFile::read(input, &bytes, &readError))
        return usageError(readError);

    // Pages go to their files as soon as they are finished.
    VpStreamRenderer::Options options;
    options.paperDots = paperDots;
    const VpPageFiles::Result files = VpPageFiles::write(bytes, options, parser.value(output));
    const VpStreamRenderer::Result &result = files.render;
    const QJsonArray &pages = files.pages;

    if (parser.isSet(json)) {
        const QJsonObject report{{QStringLiteral("input"), input},
                                 {QStringLiteral("bytes"), bytes.size()},
                                 {QStringLiteral("width_mm"), widthMm},
                                 {QStringLiteral("paper_dots"), paperDots},
                                 {QStringLiteral("pages"), pages},
                                 {QStringLiteral("commands"), result.commands},
                                 {QStringLiteral("undecoded"), result.undecoded},
                                 {QStringLiteral("unprinted"), result.unprinted}};
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
        if (!result.undecoded.isEmpty()) {
            lines << tr("无法解码的部分（偏移、类型、命令、字节）:");
            for (const QJsonValue &value : result.undecoded) {
                const QJsonObject e = value.toObject();
                lines << QStringLiteral("  %1  %2  %3  %4")
                             .arg(offsetText(e), e.value(QStringLiteral("kind")).toString(),
                                  e.value(QStringLiteral("code")).toString(), e.value(QStringLiteral("hex")).toString());
            }
        }
        if (!result.unprinted.isEmpty()) {
            lines << tr("无法打印的命令（偏移、命令、原因）:");
            for (const QJsonValue &value : result.unprinted) {
                const QJsonObject e = value.toObject();
                lines << QStringLiteral("  %1  %2  %3")
                             .arg(offsetText(e), e.value(QStringLiteral("code")).toString(),
                                  e.value(QStringLiteral("error")).toString());
            }
        }
        CliOutput::print(lines.join(QLatin1Char('\n')));
    }
    if (!files.written()) {
        CliOutput::error(tr("无法写入图片 %1: %2").arg(files.failedFile, files.failure));
        return CliBackEnd::ExitFault;
    }
    return result.undecodedCount > 0 || result.unprintedCount > 0 ? CliBackEnd::ExitFault : CliBackEnd::ExitOk;
}
