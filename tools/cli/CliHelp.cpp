#include "CliHelp.h"

#include "CliBatchRun.h"
#include "CliTarget.h"
#include "CliExporter.h"
#include "CliInventory.h"
#include "CliRangeScan.h"
#include "CliRender.h"
#include "CliVerbs.h"

#include "fleet/AddressRange.h"
#include "fleet/RangeScanner.h"
#include "transport/tcp/ScanWorker.h"
#include "transport/tcp/TcpDeviceManager.h"

namespace {
QString targets()
{
    return CliHelp::tr("目标:\n"
                       "  --tcp ADDRESS          网络打印机（原始端口 9100）\n"
                       "  --usb NODE             USB 打印机节点，如 /dev/usb/lp0\n"
                       "  --serial PATH[:BAUD]   串口，默认 9600 波特\n"
                       "  --queue NAME           打印队列（CUPS）\n"
                       "  --preview PNG          不发送：把要发送的字节画成图片，每次切纸一张（PNG-1.png……）\n");
}
} // namespace

QStringList CliHelp::commands()
{
    return QStringList{QStringLiteral("scan"), QStringLiteral("list"),   QStringLiteral("ops"),
                       QStringLiteral("run"),  QStringLiteral("status"), QStringLiteral("raw"),
                       CliRender::command(), QStringLiteral("exporter"), QStringLiteral("inventory")}
           + CliVerbs::names();
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
                  "      quillmark scan --range NETWORK/PREFIX... [--connect-timeout MS] [--max-open N] [--json]\n"
                  "\n"
                  "在局域网的一个网段中搜索打印机（端口 9100，通过打印机的网页识别型号），"
                  "每台打印机一行: 地址、MAC 和型号。\n"
                  "使用 --range 时搜索任意地址范围（可以给多个），同时探测许多地址，"
                  "每台打印机在识别后立即输出；MAC 地址取自邻居表，邻居表中没有时（路由之后的打印机）取自 NetBIOS 应答。\n"
                  "\n"
                  "  --segment SEGMENT      要搜索的网段（前三个数字，如 10.1.2.）；不写时用设置中的网段\n"
                  "  --range NETWORK/PREFIX 要搜索的地址范围，如 10.1.0.0/22，前缀长度 %1 到 %2；可以重复\n"
                  "  --connect-timeout MS   每个地址的连接等待时间（默认 %3）\n"
                  "  --max-open N           同时探测的地址数上限（默认 %4）\n"
                  "  --json                 以 JSON 输出（--range: 每行一个 JSON 对象）\n")
            .arg(AddressRange::MinPrefix)
            .arg(AddressRange::MaxPrefix)
            .arg(ScanWorker::ProbeConnectTimeoutMs)
            .arg(RangeScanner::DefaultMaxAtOnce);
    }
    if (command == QLatin1String("inventory")) {
        return tr("用法: quillmark inventory --range NETWORK/PREFIX... --file FILE [--targets-out FILE] [--json]\n"
                  "                           [--connect-timeout MS] [--max-open N]\n"
                  "\n"
                  "搜索地址范围，并把找到的打印机按 MAC 地址记在库存文件中（型号、NetBIOS 名称、地址、首次和最后一次出现的时间）。"
                  "每次运行输出与上次相比的变化，每行一个:\n"
                  "  appeared MAC ADDRESS MODEL    新出现的打印机\n"
                  "  moved MAC OLD -> NEW          换了地址的打印机\n"
                  "  vanished MAC ADDRESS          在所搜索的范围中消失的打印机（仍留在库存中）\n"
                  "库存文件损坏时报告错误，不会改写它。\n"
                  "\n"
                  "  --range NETWORK/PREFIX  要搜索的地址范围，如 10.1.0.0/22，前缀长度 %1 到 %2；可以重复\n"
                  "  --file FILE             库存文件（JSON）；不存在时新建\n"
                  "  --targets-out FILE      同时写出 exporter 的目标文件（每台打印机一行 tcp:ADDRESS）；"
                  "已有的行保留其标签，换了地址的打印机的行改为新地址\n"
                  "  --connect-timeout MS    每个地址的连接等待时间（默认 %3）\n"
                  "  --max-open N            同时探测的地址数上限（默认 %4）\n"
                  "  --json                  每个变化一个 JSON 对象\n")
            .arg(AddressRange::MinPrefix)
            .arg(AddressRange::MaxPrefix)
            .arg(CliInventory::DefaultConnectTimeoutMs)
            .arg(RangeScanner::DefaultMaxAtOnce);
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
        return tr("用法: quillmark run TARGET [--connect-timeout MS] [--timeout MS] OPERATION [ARG...]\n"
                  "      quillmark run TARGET --script FILE\n"
                  "      quillmark run --targets FILE [--jobs N] [--json] OPERATION [ARG...]\n"
                  "      quillmark run --targets FILE [--jobs N] [--json] --script FILE\n"
                  "\n"
                  "在打印机上调用命令接口的一个操作（见 quillmark ops），参数转换为声明的类型。"
                  "使用 --script 时，FILE（- 表示标准输入）每行一个操作及其参数；空行被跳过，从 # 开始到行尾是注释，"
                  "含空格的参数用 \"...\" 或 '...' 括起来。文件在发送任何内容之前会被完整检查；"
                  "运行在第一个失败的行停止，并指出是哪一行。\n"
                  "使用 --targets 时在目标文件（与 exporter 的相同）的每台打印机上运行同样的操作或脚本，"
                  "同时最多 N 台；每台打印机一行结果: 目标、ok/failed/usage/unreachable 和消息。"
                  "全部成功时退出状态为 0，否则为各打印机中最差的状态。\n"
                  "\n"
                  "  --script FILE          运行 FILE 中的操作\n"
                  "  --targets FILE         目标文件: 每行一台打印机（tcp:10.1.2.3、usb:/dev/usb/lp0、"
                  "serial:/dev/ttyUSB0:9600、queue:NAME），后面可跟标签\n"
                  "  --jobs N               同时运行的打印机数（默认 %1）\n"
                  "  --json                 每台打印机一个 JSON 对象\n"
                  "  --connect-timeout MS   TCP 连接的等待时间（默认 %2；使用 --targets 时 %3）\n"
                  "  --timeout MS           等待状态应答和数据发出的时间（使用 --targets 时默认 %4）\n"
                  "\n")
                   .arg(CliBatchRun::DefaultJobs)
                   .arg(TcpDeviceManager::ConnectWaitMs)
                   .arg(CliBatchRun::DefaultConnectTimeoutMs)
                   .arg(CliBatchRun::DefaultAnswerTimeoutMs)
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
    if (command == CliRender::command())
        return CliRender::helpText();
    if (command == QLatin1String("exporter"))
        return CliExporter::helpText();
    if (command == QLatin1String("raw")) {
        return tr("用法: quillmark raw TARGET [--timeout MS] FILE|-\n"
                  "\n"
                  "把 FILE（- 表示标准输入）中的字节原样发送给打印机。"
                  "打印机在 MS 毫秒内不再接收数据时放弃，退出状态为 3。\n"
                  "\n"
                  "  --timeout MS   等待数据发出的时间（默认 %1）\n"
                  "\n")
                   .arg(CliTarget::DrainLimitMs)
               + targets();
    }
    if (command == QLatin1String("beep")) {
        return tr("用法: quillmark beep TARGET [--times N] [--duration N]\n"
                  "\n"
                  "让打印机的蜂鸣器响。\n"
                  "\n"
                  "  --times N      响几次，1 到 9，默认 1\n"
                  "  --duration N   每次响多久，以 50 毫秒为单位，1 到 9，默认 1\n"
                  "\n")
               + targets();
    }
    if (command == QLatin1String("cut")) {
        return tr("用法: quillmark cut TARGET [--partial] [--feed N]\n"
                  "\n"
                  "切纸，默认全切。\n"
                  "\n"
                  "  --partial   半切\n"
                  "  --feed N    先走纸 N 个移动单位（0 到 255），再半切\n"
                  "\n")
               + targets();
    }
    if (command == QLatin1String("drawer")) {
        return tr("用法: quillmark drawer TARGET [--pin 2|5] [--on MS] [--off MS]\n"
                  "\n"
                  "给钱箱一个脉冲，打开钱箱。\n"
                  "\n"
                  "  --pin 2|5   钱箱接口的引脚，默认 2\n"
                  "  --on MS     高电平时间（毫秒，0 到 510，以 2 毫秒为步长），默认 100\n"
                  "  --off MS    低电平时间（毫秒，0 到 510，以 2 毫秒为步长），默认 500\n"
                  "\n")
               + targets();
    }
    if (command == QLatin1String("print")) {
        return tr("用法: quillmark print TARGET [--codepage NAME] TEXT...\n"
                  "\n"
                  "打印一行文本并换行；多个 TEXT 用空格连接。以 - 开头的文本写在 -- 之后。\n"
                  "\n"
                  "  --codepage NAME   文本的代码页，如 GBK、CP437、IBM850、Windows-1252；默认 GBK\n"
                  "\n")
               + targets();
    }
    if (command == QLatin1String("feed")) {
        return tr("用法: quillmark feed TARGET LINES\n"
                  "\n"
                  "走纸 LINES 行（0 到 255）。\n"
                  "\n")
               + targets();
    }
    if (command == QLatin1String("logo")) {
        return tr("用法: quillmark logo TARGET FILE... [--dither METHOD] [--width DOTS]\n"
                  "\n"
                  "把最多 7 张图片（PNG、JPEG、BMP）作为 logo 1 到 7 存入打印机，与窗口的“设置图像”相同。\n"
                  "\n"
                  "  --dither METHOD   转换方法: threshold、floyd-steinberg、atkinson 或 bayer，默认为窗口保存的选择\n"
                  "  --width DOTS      图片最宽多少点（8 到 2040），默认为 logo 的宽度上限\n"
                  "\n")
               + targets();
    }
    if (command == QLatin1String("barcode")) {
        return tr("用法: quillmark barcode TARGET TYPE DATA\n"
                  "\n"
                  "打印一维条码。TYPE 和 DATA:\n"
                  "  upc-a     11 或 12 位数字\n"
                  "  upc-e     6 或 7 位数字\n"
                  "  ean13     12 或 13 位数字\n"
                  "  ean8      7 或 8 位数字\n"
                  "  code39    0-9、A-Z、空格和 $ % + - . / *\n"
                  "  itf       偶数个数字\n"
                  "  codabar   0-9、A-D 和 $ + - . / :\n"
                  "  code93    0-9、A-Z、a-z、空格和 $ % + - . / *\n"
                  "  code128   ASCII 可见字符\n"
                  "最多 255 个字符。数据不符合条码的要求时什么也不发送。\n"
                  "\n")
               + targets();
    }
    if (command == QLatin1String("qr")) {
        return tr("用法: quillmark qr TARGET [--size N] [--level L|M|Q|H] TEXT...\n"
                  "\n"
                  "打印二维码（QR 码），内容为 TEXT（UTF-8），之后走纸并半切。\n"
                  "\n"
                  "  --size N          模块大小，1 到 8，默认 8\n"
                  "  --level L|M|Q|H   纠错级别，默认 M\n"
                  "\n")
               + targets();
    }
    if (command == QLatin1String("network")) {
        return tr("用法: quillmark network TARGET --ip ADDRESS --mask MASK --gateway ADDRESS\n"
                  "      quillmark network --tcp ADDRESS --dhcp\n"
                  "\n"
                  "设置打印机自己的网络地址。通过 --tcp 时先从打印机的网页读取型号，"
                  "再把设置发送到网页（蜂鸣、切刀、浓度等取窗口的默认值）；通过 --usb 时发送地址命令。"
                  "地址为四组 0-255 的数字，如 192.168.1.100。\n"
                  "\n"
                  "  --ip ADDRESS        新的地址\n"
                  "  --mask MASK         子网掩码\n"
                  "  --gateway ADDRESS   默认网关\n"
                  "  --dhcp              改为自动获取地址（只能通过 --tcp）\n"
                  "\n")
               + targets();
    }
    if (command == QLatin1String("test-page")) {
        return tr("用法: quillmark test-page TARGET [--receipt 58|76|80 | --codepages N,M,...]\n"
                  "\n"
                  "打印测试页，或者一张 58、76 或 80 毫米宽的样例小票（内容取自窗口的设置），"
                  "或者代码页表: 每个 ESC t 代码页的字符 0x20-0xFF 及其十六进制编码，再加一行 GBK 和 GB18030 中文。\n"
                  "\n")
               + targets();
    }
    if (command == QLatin1String("reset")) {
        return tr("用法: quillmark reset TARGET\n"
                  "\n"
                  "初始化打印机（ESC @）：清除缓冲区中的数据，恢复开机时的设置。\n"
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
              "  status   读取四个实时状态\n"
              "  raw      发送一个字节文件\n"
              "  ops      列出命令接口的所有操作及其参数\n"
              "  run      在打印机上调用操作\n"
              "  render   把字节文件画成图片，不需要打印机\n"
              "  exporter 在后台轮询许多打印机，为 Prometheus 提供状态\n"
              "  inventory 按 MAC 地址记录地址范围中的打印机，报告换了地址、新出现和消失的打印机\n"
              "\n"
              "打印机任务:\n"
              "  beep        蜂鸣\n"
              "  cut         切纸\n"
              "  drawer      打开钱箱\n"
              "  print       打印一行文本\n"
              "  feed        走纸\n"
              "  logo        存入 logo 图片\n"
              "  barcode     打印一维条码\n"
              "  qr          打印二维码\n"
              "  network     设置打印机的网络地址\n"
              "  test-page   打印测试页或样例小票\n"
              "  reset       初始化打印机\n"
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
                "  2  用法错误（未知的命令、操作或参数，超出范围的值，无法读取的文件），什么也没有发送\n"
                "  3  无法连接打印机，或连接中断\n"
                "\n"
                "错误写到标准错误，文字与日志相同。只有标准输出是终端时才使用颜色。\n"
                "语言跟随窗口程序的设置（initial.ini），环境变量 QM_LANGUAGE=en_US 或 zh_CN 可以改变它。\n");
}
