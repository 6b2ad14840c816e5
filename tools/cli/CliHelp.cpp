#include "CliHelp.h"

#include "CliExporter.h"

namespace {
QString targets()
{
    return CliHelp::tr("目标:\n"
                       "  --tcp ADDRESS          网络打印机（原始端口 9100）\n"
                       "  --usb NODE             USB 打印机节点，如 /dev/usb/lp0\n"
                       "  --serial PATH[:BAUD]   串口，默认 9600 波特\n"
                       "  --queue NAME           打印队列（CUPS）\n");
}
} // namespace

QStringList CliHelp::commands()
{
    return {QStringLiteral("scan"), QStringLiteral("list"), QStringLiteral("ops"),
            QStringLiteral("run"),  QStringLiteral("status"), QStringLiteral("raw"),
            QStringLiteral("exporter")};
}

QString CliHelp::seeHelp(const QString &command)
{
    if (command.isEmpty())
        return tr("quillmark --help 显示用法");
    return tr("quillmark %1 --help 显示用法").arg(command);
}

QString CliHelp::text(const QString &command)
{
    if (command == QLatin1String("scan")) {
        return tr("用法: quillmark scan [--segment 10.1.2.] [--json]\n"
                  "\n"
                  "在局域网的一个网段中搜索打印机（端口 9100，通过打印机的网页识别型号），"
                  "每台打印机一行: 地址、MAC 和型号。\n"
                  "\n"
                  "  --segment SEGMENT   要搜索的网段（前三个数字，如 10.1.2.）；不写时用设置中的网段\n"
                  "  --json              以 JSON 输出\n");
    }
    if (command == QLatin1String("list")) {
        return tr("用法: quillmark list usb|serial|queues [--json]\n"
                  "\n"
                  "列出 USB 打印机（节点、厂商和产品 ID、型号、制造商）、串口或打印队列。\n"
                  "\n"
                  "  --json   以 JSON 输出\n");
    }
    if (command == QLatin1String("ops")) {
        return tr("用法: quillmark ops [--json]\n"
                  "\n"
                  "列出命令接口的每个操作及其参数类型和名称，取自程序本身。run 的参数: "
                  "int（十进制或 0x 十六进制）、bool（true/false、1/0、yes/no、on/off）、QString（文本）、"
                  "QStringList 和 QList<int>（用逗号分隔）。\n"
                  "\n"
                  "  --json   以 JSON 输出\n");
    }
    if (command == QLatin1String("run")) {
        return tr("用法: quillmark run TARGET OPERATION [ARG...]\n"
                  "      quillmark run TARGET --script FILE\n"
                  "\n"
                  "在打印机上调用命令接口的一个操作（见 quillmark ops），参数转换为声明的类型。"
                  "使用 --script 时，FILE（- 表示标准输入）每行一个操作及其参数；空行被跳过，从 # 开始到行尾是注释，"
                  "含空格的参数用 \"...\" 或 '...' 括起来。文件在发送任何内容之前会被完整检查；"
                  "运行在第一个失败的行停止，并指出是哪一行。\n"
                  "\n"
                  "  --script FILE   运行 FILE 中的操作\n"
                  "\n")
               + targets();
    }
    if (command == QLatin1String("status")) {
        return tr("用法: quillmark status TARGET [--json]\n"
                  "\n"
                  "读取打印机状态、脱机状态、错误状态和传送纸状态并解码。退出状态 0: 打印机就绪；"
                  "1: 打印机报告故障（缺纸、上盖开、脱机、切刀或打印头错误）；3: 无法连接或没有应答。"
                  "--queue 不能查询状态。\n"
                  "\n"
                  "  --json   以 JSON 输出\n"
                  "\n")
               + targets();
    }
    if (command == QLatin1String("exporter"))
        return CliExporter::helpText();
    if (command == QLatin1String("raw")) {
        return tr("用法: quillmark raw TARGET FILE|-\n"
                  "\n"
                  "把 FILE（- 表示标准输入）中的字节原样发送给打印机。\n"
                  "\n")
               + targets();
    }
    return tr("用法: quillmark COMMAND [OPTIONS]\n"
              "\n"
              "在命令行上配置和检查热敏小票打印机，与 QuillmarkSystem 窗口使用同一个后端。\n"
              "\n"
              "命令:\n"
              "  scan     在局域网中搜索打印机\n"
              "  list     列出 USB 打印机、串口或打印队列\n"
              "  ops      列出命令接口的所有操作及其参数\n"
              "  run      在打印机上调用操作\n"
              "  status   读取四个实时状态\n"
              "  raw      发送一个字节文件\n"
              "  exporter 在后台轮询许多打印机，为 Prometheus 提供状态\n"
              "\n")
           + targets()
           + tr("\n"
                "选项:\n"
                "  -h, --help     显示帮助；quillmark COMMAND --help 说明一个命令\n"
                "  --version      显示版本\n"
                "\n"
                "退出状态:\n"
                "  0  成功（status: 打印机就绪）\n"
                "  1  打印机报告故障，或操作失败\n"
                "  2  用法错误（未知的命令、操作或参数，无法读取的文件）\n"
                "  3  无法连接打印机，或连接中断\n"
                "\n"
                "错误写到标准错误，文字与日志相同。只有标准输出是终端时才使用颜色。\n"
                "语言跟随窗口程序的设置（initial.ini），环境变量 QM_LANGUAGE=en_US 或 zh_CN 可以改变它。\n");
}
