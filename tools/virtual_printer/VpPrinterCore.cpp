#include "VpPrinterCore.h"

#include "VpEventLog.h"
#include "VpState.h"

#include <QDir>
#include <QJsonArray>
#include <QRegularExpression>
#include <QSaveFile>

#include <utility>

namespace {

constexpr int BuzzerUnitMs = 50;
constexpr int PulseUnitMs = 2;
constexpr int RealtimePulseUnitMs = 100;
constexpr char PrinterIdPrefix = '_';
constexpr char PrinterIdEnd = 0x00;
constexpr uchar PrinterModelId = 0x20;
constexpr uchar PrinterTypeId = 0x02;
constexpr uchar PrinterRomVersion = 0x10;
const char *const FirmwareVersion = "1.0.0";
const char *const MakerName = "KVZ";

QString hexText(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' '));
}

int param(const VpCommand &cmd, const char *key)
{
    return cmd.params.value(QLatin1String(key)).toInt();
}

} // namespace

VpPrinterCore::VpPrinterCore(VpState *state, VpEventLog *log, int paperDots, const QString &outputDir,
                             QObject *parent)
    : QObject(parent), m_state(state), m_log(log), m_printer(paperDots), m_outputDir(outputDir),
      m_pageCount(lastPageNumber(outputDir))
{
    m_printer.setSelfTestLines([this] { return selfTestLines(); });
}

QByteArray VpPrinterCore::feed(const QString &source, const QByteArray &bytes)
{
    {
        std::lock_guard<std::mutex> lock(m_receivedMutex);
        for (const QString &key : {QString(), source}) {
            QByteArray &kept = m_received[key];
            kept.append(bytes);
            if (kept.size() > m_maxReceived)
                kept.remove(0, kept.size() - m_maxReceived);
        }
    }
    VpDecoder &decoder = m_decoders[source];
    decoder.setDefaultChineseMode(m_state->makerSettings().value(QStringLiteral("print_mode")).toInt() == 1);
    QByteArray reply;
    // Each command runs as soon as it is decoded; none are collected.
    decoder.feed(bytes, [&](const VpCommand &cmd) {
        execute(source, cmd, &reply);
        takeFinishedPages(source);
    });
    collectPages(source);
    if (m_state->flag(VpState::NoReply))
        reply.clear();
    return reply;
}

QByteArray VpPrinterCore::received(const QString &source) const
{
    std::lock_guard<std::mutex> lock(m_receivedMutex);
    return m_received.value(source);
}

void VpPrinterCore::clearReceived()
{
    std::lock_guard<std::mutex> lock(m_receivedMutex);
    m_received.clear();
}

void VpPrinterCore::endStream(const QString &source)
{
    auto it = m_decoders.find(source);
    if (it != m_decoders.end()) {
        QByteArray ignored;
        it->finish([&](const VpCommand &cmd) { execute(source, cmd, &ignored); });
        it->reset();
    }
    m_printer.renderer().endOfStream();
    collectPages(source);
}

void VpPrinterCore::flushPage()
{
    m_printer.renderer().endOfStream();
    collectPages(QStringLiteral("control"));
}

QStringList VpPrinterCore::pageFiles() const
{
    std::lock_guard<std::mutex> lock(m_pagesMutex);
    return m_pageFiles;
}

QList<QImage> VpPrinterCore::pages() const
{
    std::lock_guard<std::mutex> lock(m_pagesMutex);
    return m_pages;
}

void VpPrinterCore::logCommand(const QString &source, const VpCommand &cmd, const QJsonObject &extra)
{
    QJsonObject entry = cmd.describe(extra);
    entry.insert(QStringLiteral("source"), source);
    m_log->append(entry);
}

void VpPrinterCore::event(const QString &source, const QString &name, const QJsonObject &params)
{
    m_log->append(QJsonObject{{QStringLiteral("kind"), QStringLiteral("event")},
                              {QStringLiteral("name"), name},
                              {QStringLiteral("source"), source},
                              {QStringLiteral("params"), params}});
}

void VpPrinterCore::settingWritten(const QString &source, const QString &key, const QJsonValue &value)
{
    m_state->setMaker(key, value);
    event(source, QStringLiteral("setting_written"), {{QStringLiteral("key"), key}, {QStringLiteral("value"), value}});
}

int VpPrinterCore::lastPageNumber(const QString &outputDir)
{
    if (outputDir.isEmpty())
        return 0;
    static const QRegularExpression pageName(QStringLiteral("^page-(\\d+)\\.png$"));
    int last = 0;
    const QStringList names = QDir(outputDir).entryList({QStringLiteral("page-*.png")}, QDir::Files);
    for (const QString &name : names) {
        const QRegularExpressionMatch m = pageName.match(name);
        bool ok = false;
        const int number = m.hasMatch() ? m.captured(1).toInt(&ok) : 0;
        if (ok && number > last)
            last = number;
    }
    return last;
}

void VpPrinterCore::takeFinishedPages(const QString &source)
{
    VpRenderer &paper = m_printer.renderer();
    const QList<QImage> done = paper.takeFinishedPages();
    for (const QImage &page : done)
        m_finished.append({page, m_paperSource.isEmpty() ? source : m_paperSource});
    if (!done.isEmpty())
        m_paperSource.clear();
    if (m_paperSource.isEmpty() && paper.hasContent())
        m_paperSource = source;
}

void VpPrinterCore::collectPages(const QString &source)
{
    takeFinishedPages(source);
    const QList<QPair<QImage, QString>> done = std::exchange(m_finished, {});
    for (const auto &finished : done) {
        const QImage &page = finished.first;
        ++m_pageCount;
        QString file;
        if (!m_outputDir.isEmpty()) {
            QDir().mkpath(m_outputDir);
            file = QDir(m_outputDir).filePath(QStringLiteral("page-%1.png").arg(m_pageCount, 4, 10, QLatin1Char('0')));
            // Written aside and renamed, so a reader never sees half a page.
            QSaveFile out(file);
            if (!out.open(QIODevice::WriteOnly) || !page.save(&out, "PNG") || !out.commit())
                file.clear();
        }
        {
            std::lock_guard<std::mutex> lock(m_pagesMutex);
            m_pages.append(page);
            qint64 bytes = 0;
            for (const QImage &p : qAsConst(m_pages))
                bytes += p.sizeInBytes();
            while (m_pages.size() > 1 && (m_pages.size() > MaxPagesInMemory || bytes > MaxPageBytesInMemory)) {
                bytes -= m_pages.first().sizeInBytes();
                m_pages.removeFirst();
            }
            if (!file.isEmpty())
                m_pageFiles.append(file);
        }
        event(finished.second, QStringLiteral("page"),
              {{QStringLiteral("number"), m_pageCount},
               {QStringLiteral("file"), file},
               {QStringLiteral("width"), page.width()},
               {QStringLiteral("height"), page.height()}});
    }
}

QStringList VpPrinterCore::selfTestLines() const
{
    const QJsonObject maker = m_state->makerSettings();
    QStringList lines;
    lines << QStringLiteral("*** SELF TEST ***")
          << QStringLiteral("Model: %1").arg(m_state->model())
          << QStringLiteral("Firmware: %1").arg(QLatin1String(FirmwareVersion))
          << QStringLiteral("Paper: %1 dots").arg(m_printer.renderer().paperDots())
          << QStringLiteral("Density: %1").arg(maker.value(QStringLiteral("density")).toInt())
          << QStringLiteral("Baud rate: %1").arg(maker.value(QStringLiteral("baud_rate")).toInt())
          << QStringLiteral("Bluetooth: %1").arg(QString::fromLatin1(m_state->setting(VpState::BluetoothName)));
    return lines;
}

void VpPrinterCore::execute(const QString &source, const VpCommand &cmd, QByteArray *reply)
{
    const QString &name = cmd.name;
    VpDecoder &decoder = m_decoders[source];

    QJsonObject extra;
    QString error;
    if (cmd.kind == VpCommand::Text) {
        m_printer.apply(cmd, &extra, &error);
        logCommand(source, cmd, extra);
        return;
    }
    if (cmd.kind != VpCommand::Command) {
        logCommand(source, cmd);
        return;
    }

    // Status and answers.
    if (name == QLatin1String("status_request")) {
        const quint8 b = m_state->statusByte(param(cmd, "n"));
        reply->append(char(b));
        extra.insert(QStringLiteral("reply"), hexText(QByteArray(1, char(b))));
    } else if (name == QLatin1String("transmit_status_request") || name == QLatin1String("paper_status_request")) {
        const quint8 b = m_state->transmitStatusByte(name == QLatin1String("paper_status_request") ? 1 : param(cmd, "n"));
        reply->append(char(b));
        extra.insert(QStringLiteral("reply"), hexText(QByteArray(1, char(b))));
    } else if (name == QLatin1String("printer_id_request")) {
        const int n = param(cmd, "n");
        QByteArray answer;
        if (n == 1 || n == 0x31)
            answer.append(char(PrinterModelId));
        else if (n == 2 || n == 0x32)
            answer.append(char(PrinterTypeId));
        else if (n == 3 || n == 0x33)
            answer.append(char(PrinterRomVersion));
        else if (n == 0x41)
            answer = QByteArray(1, PrinterIdPrefix) + FirmwareVersion + PrinterIdEnd;
        else if (n == 0x42)
            answer = QByteArray(1, PrinterIdPrefix) + MakerName + PrinterIdEnd;
        else if (n == 0x43)
            answer = QByteArray(1, PrinterIdPrefix) + m_state->model().toLatin1() + PrinterIdEnd;
        reply->append(answer);
        extra.insert(QStringLiteral("reply"), hexText(answer));
    } else if (name == QLatin1String("settings_frame")) {
        const quint8 code = quint8(cmd.params.value(QStringLiteral("setting")).toString().toInt(nullptr, 16));
        const QString key = VpState::settingName(code);
        extra.insert(QStringLiteral("setting_name"), key);
        if (param(cmd, "direction") == 0) {
            const QByteArray answer = m_state->settingsReply(code);
            reply->append(answer);
            extra.insert(QStringLiteral("reply"), hexText(answer));
            logCommand(source, cmd, extra);
            event(source, QStringLiteral("settings_read"), {{QStringLiteral("setting"), key}});
            return;
        }
        m_state->setSetting(code, cmd.data);
        logCommand(source, cmd, extra);
        const QJsonValue value = code >= VpState::BluetoothName
                                     ? QJsonValue(QString::fromLatin1(cmd.data))
                                     : QJsonValue(cmd.data.isEmpty() ? 0 : int(uchar(cmd.data.at(0))));
        event(source, QStringLiteral("setting_written"), {{QStringLiteral("key"), key}, {QStringLiteral("value"), value}});
        return;
    }
    // Non-printing events.
    else if (name == QLatin1String("buzzer")) {
        logCommand(source, cmd);
        event(source, QStringLiteral("buzzer_beep"), {{QStringLiteral("count"), param(cmd, "count")},
                                                 {QStringLiteral("duration_ms"), param(cmd, "duration") * BuzzerUnitMs}});
        return;
    } else if (name == QLatin1String("buzzer_alarm")) {
        const int mode = param(cmd, "mode");
        logCommand(source, cmd);
        event(source, QStringLiteral("alarm"), {{QStringLiteral("count"), param(cmd, "count")},
                                                {QStringLiteral("interval_ms"), param(cmd, "interval") * BuzzerUnitMs},
                                                {QStringLiteral("beep"), bool(mode & 1)},
                                                {QStringLiteral("flash"), bool(mode & 2)}});
        return;
    } else if (name == QLatin1String("drawer_pulse") || name == QLatin1String("drawer_pulse_realtime")) {
        logCommand(source, cmd);
        const bool realtime = name == QLatin1String("drawer_pulse_realtime");
        m_state->setFlag(VpState::DrawerOpen, true);
        QJsonObject params{{QStringLiteral("pin"), (param(cmd, "pin") & 1) ? 5 : 2}};
        if (realtime)
            params.insert(QStringLiteral("on_ms"), param(cmd, "time") * RealtimePulseUnitMs);
        else {
            params.insert(QStringLiteral("on_ms"), param(cmd, "on_time") * PulseUnitMs);
            params.insert(QStringLiteral("off_ms"), param(cmd, "off_time") * PulseUnitMs);
        }
        event(source, QStringLiteral("drawer_kick"), params);
        return;
    } else if (name.endsWith(QLatin1String("_lamp_colour"))) {
        logCommand(source, cmd);
        const QString lamp = name.left(name.size() - int(strlen("_lamp_colour")));
        const QJsonObject colour{{QStringLiteral("r"), param(cmd, "r")}, {QStringLiteral("g"), param(cmd, "g")},
                                 {QStringLiteral("b"), param(cmd, "b")}};
        m_state->setMaker(lamp + QStringLiteral("_lamp"), colour);
        QJsonObject params = colour;
        params.insert(QStringLiteral("lamp"), lamp);
        event(source, QStringLiteral("lamp_colour"), params);
        return;
    } else if (name == QLatin1String("standby_lamp_switch") || name == QLatin1String("standby_lamp_pattern")
               || name.startsWith(QLatin1String("maker_"))) {
        logCommand(source, cmd);
        if (name == QLatin1String("maker_model_name")) {
            settingWritten(source, QStringLiteral("model_name"), cmd.params.value(QStringLiteral("name")));
            settingWritten(source, QStringLiteral("error_beep"), cmd.params.value(QStringLiteral("error_beep")));
            return;
        }
        QString key = name;
        if (key.startsWith(QLatin1String("maker_")))
            key = key.mid(int(strlen("maker_")));
        settingWritten(source, key, param(cmd, "n"));
        if (name == QLatin1String("maker_international_charset"))
            m_printer.apply(cmd, &extra, &error); // on paper from now on
        if (name == QLatin1String("maker_print_mode"))
            decoder.setDefaultChineseMode(param(cmd, "n") == 1);
        return;
    } else if (name == QLatin1String("density") || name == QLatin1String("baud_rate")) {
        logCommand(source, cmd);
        settingWritten(source, name, name == QLatin1String("density") ? cmd.params.value(QStringLiteral("n"))
                                                                      : cmd.params.value(QStringLiteral("baud")));
        return;
    } else if (name == QLatin1String("peripherals")) {
        logCommand(source, cmd);
        settingWritten(source, QStringLiteral("peripherals"),
                       QJsonObject{{QStringLiteral("cutter"), cmd.params.value(QStringLiteral("cutter"))},
                                   {QStringLiteral("buzzer"), cmd.params.value(QStringLiteral("buzzer"))},
                                   {QStringLiteral("drawer"), cmd.params.value(QStringLiteral("drawer"))}});
        return;
    } else if (name == QLatin1String("print_speed")) {
        logCommand(source, cmd);
        settingWritten(source, QStringLiteral("print_speed"), param(cmd, "n"));
        return;
    } else if (name == QLatin1String("network_settings")) {
        logCommand(source, cmd);
        const QJsonObject net{{QStringLiteral("ip"), cmd.params.value(QStringLiteral("ip"))},
                              {QStringLiteral("mask"), cmd.params.value(QStringLiteral("mask"))},
                              {QStringLiteral("gateway"), cmd.params.value(QStringLiteral("gateway"))}};
        m_state->setMaker(QStringLiteral("network"), net);
        event(source, QStringLiteral("network_changed"), net);
        return;
    } else if (name == QLatin1String("factory_reset")) {
        logCommand(source, cmd);
        m_state->factoryReset();
        decoder.setDefaultChineseMode(true);
        event(source, QStringLiteral("settings_reset"), {});
        return;
    } else if (name == QLatin1String("usb_upgrade_mode")) {
        logCommand(source, cmd);
        event(source, QStringLiteral("upgrade_mode_entered"), {});
        return;
    }

    // Formatting and printing.
    const VpCommandPrinter::Outcome outcome = m_printer.apply(cmd, &extra, &error);
    if (outcome == VpCommandPrinter::Failed) {
        extra.insert(QStringLiteral("error"), error);
        logCommand(source, cmd, extra);
        event(source, QStringLiteral("print_error"),
              {{QStringLiteral("what"), name == QLatin1String("qr_print")         ? QStringLiteral("qr")
                                    : name == QLatin1String("pdf417_print") ? QStringLiteral("pdf417")
                                                                            : QStringLiteral("barcode")},
               {QStringLiteral("error"), error}});
        return;
    }
    logCommand(source, cmd, extra);
    if (name == QLatin1String("cut"))
        event(source, QStringLiteral("paper_cut"), {{QStringLiteral("partial"), param(cmd, "mode") == 1}});
    else if (name == QLatin1String("self_test") || name == QLatin1String("test_print"))
        event(source, QStringLiteral("self_test_printed"), {});
}
