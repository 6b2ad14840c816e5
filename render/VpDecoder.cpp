#include "render/VpDecoder.h"

#include <QJsonArray>

namespace {

constexpr uchar NUL = 0x00;
constexpr uchar EOT = 0x04;
constexpr uchar ENQ = 0x05;
constexpr uchar HT = 0x09;
constexpr uchar LF = 0x0A;
constexpr uchar FF = 0x0C;
constexpr uchar CR = 0x0D;
constexpr uchar DLE = 0x10;
constexpr uchar DC4 = 0x14;
constexpr uchar CAN = 0x18;
constexpr uchar ESC = 0x1B;
constexpr uchar FS = 0x1C;
constexpr uchar GS = 0x1D;
constexpr uchar US = 0x1F;

// The settings frame: DLE, setting code A2..A9, direction, 00, length (2), data, sum.
constexpr uchar SettingFirst = 0xA2;
constexpr uchar SettingLast = 0xA9;
constexpr int SettingsHeader = 6;

// GS ( k: the symbol (cn) each function belongs to.
constexpr uchar TwoDPdf417 = 0x30;
constexpr uchar TwoDQr = 0x31;

constexpr uchar GbkLeadFirst = 0x81;
constexpr uchar GbkLeadLast = 0xFE;
constexpr uchar GbkTrailFirst = 0x40;
constexpr uchar GbkTrailLast = 0xFE;
constexpr uchar GbkTrailGap = 0x7F;

QString hex2(uchar b)
{
    return QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper();
}

void set(VpCommand &out, const QString &name, const QString &code, const QJsonObject &params = {},
         VpCommand::Kind kind = VpCommand::Command)
{
    out.kind = kind;
    out.name = name;
    out.code = code;
    out.params = params;
}

int u16(const uchar *p) { return p[0] | (p[1] << 8); }

bool isGbkLead(uchar b) { return b >= GbkLeadFirst && b <= GbkLeadLast; }
bool isGbkTrail(uchar b) { return b >= GbkTrailFirst && b <= GbkTrailLast && b != GbkTrailGap; }

bool isCommandStart(uchar b) { return b < 0x20; }

// GS ( L and GS 8 L: graphics, one function per fn byte after m (48).
constexpr uchar GraphicsM = 0x30;
constexpr uchar GraphicsNvCapacity = 0x30;
constexpr uchar GraphicsDensity = 0x31;
constexpr uchar GraphicsPrint = 0x32;
constexpr uchar GraphicsNvRemaining = 0x33;
constexpr uchar GraphicsDownloadRemaining = 0x34;
constexpr uchar GraphicsNvKeys = 0x40;
constexpr uchar GraphicsNvDeleteAll = 0x41;
constexpr uchar GraphicsNvDelete = 0x42;
constexpr uchar GraphicsNvDefineRaster = 0x43;
constexpr uchar GraphicsNvDefineColumn = 0x44;
constexpr uchar GraphicsNvPrintKey = 0x45;
constexpr uchar GraphicsDownloadKeys = 0x50;
constexpr uchar GraphicsDownloadDeleteAll = 0x51;
constexpr uchar GraphicsDownloadDelete = 0x52;
constexpr uchar GraphicsDownloadDefineRaster = 0x53;
constexpr uchar GraphicsDownloadDefineColumn = 0x54;
constexpr uchar GraphicsDownloadPrintKey = 0x55;
constexpr uchar GraphicsStoreRaster = 0x70;
constexpr uchar GraphicsStoreColumn = 0x71;
// Bytes before the picture data: m fn a bx by c xL xH yL yH (store), and
// m fn a kc1 kc2 b xL xH yL yH (define, each plane then starts with its colour c).
constexpr int GraphicsPictureHeader = 10;
constexpr int GraphicsMaxPlanes = 4;

// Bytes of one plane: rows of whole bytes (raster) or columns of whole bytes.
qint64 planeBytes(bool column, qint64 width, qint64 height)
{
    return column ? width * ((height + 7) / 8) : ((width + 7) / 8) * height;
}

// The graphics function in body (m fn and what follows it).
void graphicsCommand(const QByteArray &body, const QString &code, VpCommand &out)
{
    const auto *b = reinterpret_cast<const uchar *>(body.constData());
    const int len = body.size();
    if (len < 2) {
        set(out, QStringLiteral("graphics"), code, {{QStringLiteral("length"), len}}, VpCommand::Malformed);
        return;
    }
    const uchar fn = b[1];
    QJsonObject params{{QStringLiteral("m"), b[0]}, {QStringLiteral("fn"), fn}};
    auto done = [&](const char *name, int wanted) {
        set(out, QLatin1String(name), code, params);
        if (b[0] != GraphicsM || (wanted >= 0 && len != wanted))
            out.kind = VpCommand::Malformed;
    };
    auto withKey = [&](int at) {
        if (len >= at + 2) {
            params.insert(QStringLiteral("kc1"), b[at]);
            params.insert(QStringLiteral("kc2"), b[at + 1]);
        }
    };
    auto withScale = [&](int at) {
        if (len >= at + 2) {
            params.insert(QStringLiteral("x"), b[at]);
            params.insert(QStringLiteral("y"), b[at + 1]);
        }
    };
    switch (fn) {
    case GraphicsNvCapacity: done("graphics_nv_capacity_request", 2); return;
    case GraphicsNvRemaining: done("graphics_nv_remaining_request", 2); return;
    case GraphicsDownloadRemaining: done("graphics_download_remaining_request", 2); return;
    case GraphicsNvKeys: done("graphics_nv_keys_request", 4); return;
    case GraphicsDownloadKeys: done("graphics_download_keys_request", 4); return;
    case GraphicsNvDeleteAll: done("graphics_nv_delete_all", 5); return;
    case GraphicsDownloadDeleteAll: done("graphics_download_delete_all", 5); return;
    case GraphicsPrint: done("graphics_print", 2); return;
    case GraphicsDensity: withScale(2); done("graphics_density", 4); return;
    case GraphicsNvDelete: withKey(2); done("graphics_nv_delete", 4); return;
    case GraphicsDownloadDelete: withKey(2); done("graphics_download_delete", 4); return;
    case GraphicsNvPrintKey:
    case GraphicsDownloadPrintKey:
        withKey(2);
        withScale(4);
        done(fn == GraphicsNvPrintKey ? "graphics_nv_print" : "graphics_download_print", 6);
        return;
    case GraphicsStoreRaster:
    case GraphicsStoreColumn:
    case GraphicsNvDefineRaster:
    case GraphicsNvDefineColumn:
    case GraphicsDownloadDefineRaster:
    case GraphicsDownloadDefineColumn: {
        const bool store = fn == GraphicsStoreRaster || fn == GraphicsStoreColumn;
        const bool column = fn == GraphicsStoreColumn || fn == GraphicsNvDefineColumn || fn == GraphicsDownloadDefineColumn;
        const char *name = store ? "graphics_store"
                                 : (fn == GraphicsNvDefineRaster || fn == GraphicsNvDefineColumn) ? "graphics_nv_define"
                                                                                                   : "graphics_download_define";
        params.insert(QStringLiteral("format"), column ? QStringLiteral("column") : QStringLiteral("raster"));
        if (len < GraphicsPictureHeader) {
            done(name, GraphicsPictureHeader);
            return;
        }
        const int width = b[6] | (b[7] << 8), height = b[8] | (b[9] << 8);
        params.insert(QStringLiteral("a"), b[2]);
        params.insert(QStringLiteral("width"), width);
        params.insert(QStringLiteral("height"), height);
        const qint64 plane = planeBytes(column, width, height);
        qint64 wanted;
        if (store) {
            params.insert(QStringLiteral("bx"), b[3]);
            params.insert(QStringLiteral("by"), b[4]);
            params.insert(QStringLiteral("c"), b[5]);
            wanted = GraphicsPictureHeader + plane;
        } else {
            withKey(3);
            params.insert(QStringLiteral("planes"), b[5]);
            wanted = GraphicsPictureHeader + qint64(b[5]) * (1 + plane);
        }
        const bool badPlanes = !store && (b[5] < 1 || b[5] > GraphicsMaxPlanes);
        done(name, -1);
        if (badPlanes || width == 0 || height == 0 || len != wanted)
            out.kind = VpCommand::Malformed;
        out.data = body.mid(GraphicsPictureHeader);
        return;
    }
    default:
        set(out, QStringLiteral("graphics"), code, params, VpCommand::Unknown);
        return;
    }
}

} // namespace

void VpDecoder::reset()
{
    m_buf.clear();
    m_skip = 0;
    m_offset = 0;
    m_chinese = m_defaultChinese;
}

QList<VpCommand> VpDecoder::feed(const QByteArray &bytes)
{
    QList<VpCommand> out;
    feed(bytes, [&out](const VpCommand &cmd) { out.append(cmd); });
    return out;
}

void VpDecoder::feed(const QByteArray &bytes, const Sink &sink)
{
    qint64 start = 0;
    if (m_skip > 0) {
        const qint64 drop = qMin<qint64>(m_skip, bytes.size());
        m_skip -= drop;
        m_offset += drop;
        start = drop;
    }
    if (start < bytes.size())
        m_buf.append(bytes.constData() + start, int(bytes.size() - start));
    drain(sink);
}

void VpDecoder::drain(const Sink &sink)
{
    int pos = 0;
    while (pos < m_buf.size() && m_skip == 0) {
        VpCommand cmd;
        const qint64 len = parseOne(pos, cmd);
        if (len == NeedMore)
            break;
        if (cmd.kind != VpCommand::Oversized)
            cmd.raw = m_buf.mid(pos, int(qMin<qint64>(len, MaxRawKept)));
        if (cmd.kind == VpCommand::Text)
            cmd.raw.clear();
        cmd.offset = m_offset + pos;
        if (cmd.name == QLatin1String("chinese_mode_on"))
            m_chinese = true;
        else if (cmd.name == QLatin1String("chinese_mode_off"))
            m_chinese = false;
        else if (cmd.name == QLatin1String("initialize"))
            m_chinese = m_defaultChinese;
        pos += int(len);
        sink(cmd);
    }
    if (m_skip > 0) {
        // An oversized command took everything that was buffered.
        m_buf.clear();
    } else {
        m_buf.remove(0, pos);
    }
    m_offset += pos;
}

bool VpDecoder::awaitsOptionalByte(qint64 n, qint64 complete) const
{
    return n == complete && !m_atEnd;
}

QList<VpCommand> VpDecoder::finish()
{
    QList<VpCommand> out;
    finish([&out](const VpCommand &cmd) { out.append(cmd); });
    return out;
}

void VpDecoder::finish(const Sink &sink)
{
    // The stream has ended: a command that may still have been followed by an
    // optional byte (the LF after ESC N) is complete as it stands.
    m_atEnd = true;
    drain(sink);
    m_atEnd = false;
    if (!m_buf.isEmpty()) {
        VpCommand cmd;
        const uchar first = uchar(m_buf.at(0));
        set(cmd, QStringLiteral("truncated"), isCommandStart(first) ? hex2(first) : QStringLiteral("text"),
            QJsonObject{{QStringLiteral("length"), m_buf.size()}}, VpCommand::Truncated);
        cmd.raw = m_buf.left(MaxRawKept);
        cmd.offset = m_offset;
        sink(cmd);
    }
    if (m_skip > 0) {
        VpCommand cmd;
        cmd.offset = m_offset;
        set(cmd, QStringLiteral("truncated"), QStringLiteral("oversized"),
            QJsonObject{{QStringLiteral("missing"), double(m_skip)}}, VpCommand::Truncated);
        sink(cmd);
    }
    m_offset += m_buf.size();
    m_buf.clear();
    m_skip = 0;
}

qint64 VpDecoder::oversized(const uchar *p, qint64 n, qint64 header, qint64 total, const QString &name,
                            const QString &code, VpCommand &out)
{
    set(out, name, code, QJsonObject{{QStringLiteral("length"), double(total)},
                                      {QStringLiteral("limit"), double(MaxCommandBytes)}},
        VpCommand::Oversized);
    // Only the header is kept: how much of the data had arrived is up to the
    // way the stream was split.
    out.raw = QByteArray(reinterpret_cast<const char *>(p), int(qMin<qint64>(header, MaxRawKept)));
    const qint64 take = qMin(n, total);
    m_skip = total - take;
    return take;
}

qint64 VpDecoder::parseOne(int pos, VpCommand &out)
{
    const uchar *p = reinterpret_cast<const uchar *>(m_buf.constData()) + pos;
    const qint64 n = m_buf.size() - pos;
    const uchar b = p[0];
    switch (b) {
    case NUL: set(out, QStringLiteral("nul"), QStringLiteral("NUL")); return 1;
    case HT: set(out, QStringLiteral("horizontal_tab"), QStringLiteral("HT")); return 1;
    case LF: set(out, QStringLiteral("print_line_feed"), QStringLiteral("LF")); return 1;
    case FF: set(out, QStringLiteral("form_feed"), QStringLiteral("FF")); return 1;
    case CR: set(out, QStringLiteral("carriage_return"), QStringLiteral("CR")); return 1;
    case CAN: set(out, QStringLiteral("cancel"), QStringLiteral("CAN")); return 1;
    case DLE: return parseDle(p, n, out);
    case ESC: return parseEsc(p, n, out);
    case FS: return parseFs(p, n, out);
    case GS: return parseGs(p, n, out);
    case US: return parseUs(p, n, out);
    default: break;
    }
    if (isCommandStart(b)) {
        set(out, QStringLiteral("unknown"), hex2(b), {}, VpCommand::Unknown);
        return 1;
    }
    return parseText(p, n, out);
}

qint64 VpDecoder::parseText(const uchar *p, qint64 n, VpCommand &out)
{
    qint64 i = 0;
    while (i < n && i < MaxTextRun && !isCommandStart(p[i])) {
        if (m_chinese && isGbkLead(p[i])) {
            if (i + 1 >= n) {
                if (i == 0)
                    return NeedMore; // wait for the second byte
                break;
            }
            if (isGbkTrail(p[i + 1])) {
                i += 2;
                continue;
            }
        }
        ++i;
    }
    set(out, QStringLiteral("text"), QStringLiteral("text"), {{QStringLiteral("chinese"), m_chinese}}, VpCommand::Text);
    out.data = QByteArray(reinterpret_cast<const char *>(p), int(i));
    return i;
}

qint64 VpDecoder::parseDle(const uchar *p, qint64 n, VpCommand &out)
{
    if (n < 2)
        return NeedMore;
    const uchar f = p[1];
    if (f == EOT) {
        if (n < 3)
            return NeedMore;
        set(out, QStringLiteral("status_request"), QStringLiteral("DLE EOT"), {{QStringLiteral("n"), p[2]}});
        if (p[2] < 1 || p[2] > 4)
            out.kind = VpCommand::Malformed;
        return 3;
    }
    if (f == DC4) {
        if (n < 3)
            return NeedMore;
        const uchar fn = p[2];
        if (fn == 8) {
            if (n < 10)
                return NeedMore;
            set(out, QStringLiteral("clear_buffer"), QStringLiteral("DLE DC4"), {{QStringLiteral("fn"), fn}});
            return 10;
        }
        if (fn >= 1 && fn <= 7) {
            if (n < 5)
                return NeedMore;
            if (fn == 1) {
                set(out, QStringLiteral("drawer_pulse_realtime"), QStringLiteral("DLE DC4"),
                    {{QStringLiteral("fn"), fn}, {QStringLiteral("pin"), p[3]}, {QStringLiteral("time"), p[4]}});
                if (p[3] > 1 || p[4] < 1 || p[4] > 8 * 20)
                    out.kind = p[3] > 1 ? VpCommand::Malformed : VpCommand::Command;
            } else {
                set(out, fn == 2 ? QStringLiteral("power_off") : QStringLiteral("realtime_function"),
                    QStringLiteral("DLE DC4"),
                    {{QStringLiteral("fn"), fn}, {QStringLiteral("a"), p[3]}, {QStringLiteral("b"), p[4]}});
            }
            return 5;
        }
        set(out, QStringLiteral("realtime_function"), QStringLiteral("DLE DC4"), {{QStringLiteral("fn"), fn}},
            VpCommand::Malformed);
        return 3;
    }
    if (f == ENQ) {
        if (n < 3)
            return NeedMore;
        set(out, QStringLiteral("realtime_request"), QStringLiteral("DLE ENQ"), {{QStringLiteral("n"), p[2]}});
        return 3;
    }
    if (f >= SettingFirst && f <= SettingLast) {
        if (n < SettingsHeader)
            return NeedMore;
        const int len = u16(p + 4);
        const qint64 total = SettingsHeader + len + 1;
        if (len > MaxSettingsData)
            return oversized(p, n, SettingsHeader, total, QStringLiteral("settings_frame"), QStringLiteral("DLE ") + hex2(f), out);
        if (n < total)
            return NeedMore;
        uchar sum = 0;
        for (int i = 0; i < total - 1; ++i)
            sum = uchar(sum + p[i]);
        const uchar given = p[total - 1];
        set(out, QStringLiteral("settings_frame"), QStringLiteral("DLE ") + hex2(f),
            {{QStringLiteral("setting"), hex2(f)},
             {QStringLiteral("direction"), p[2]},
             {QStringLiteral("length"), len},
             {QStringLiteral("checksum"), hex2(given)},
             {QStringLiteral("checksum_ok"), sum == given}});
        out.data = QByteArray(reinterpret_cast<const char *>(p + SettingsHeader), len);
        if (sum != given || p[2] > 1 || p[3] != 0)
            out.kind = VpCommand::Malformed;
        return total;
    }
    set(out, QStringLiteral("unknown"), QStringLiteral("DLE ") + hex2(f), {}, VpCommand::Unknown);
    return 1;
}

qint64 VpDecoder::parseEsc(const uchar *p, qint64 n, VpCommand &out)
{
    if (n < 2)
        return NeedMore;
    const uchar f = p[1];
    const QString code = QStringLiteral("ESC ") + (f >= 0x21 && f < 0x7F ? QString(QChar(f)) : hex2(f));

    // Commands with a fixed number of parameter bytes.
    struct Fixed { uchar f; int count; const char *name; const char *p0; const char *p1; const char *p2; };
    static const Fixed fixed[] = {
        {0x20, 1, "right_spacing", "n", nullptr, nullptr},
        {0x21, 1, "print_mode", "n", nullptr, nullptr},
        {0x24, 2, "absolute_position", "nL", "nH", nullptr},
        {0x25, 1, "user_chars_enable", "n", nullptr, nullptr},
        {0x2D, 1, "underline", "n", nullptr, nullptr},
        {0x32, 0, "default_line_spacing", nullptr, nullptr, nullptr},
        {0x33, 1, "line_spacing", "n", nullptr, nullptr},
        {0x34, 1, "italic", "n", nullptr, nullptr}, // accepted; this printer has no italic face
        {0x3D, 1, "select_peripheral", "n", nullptr, nullptr},
        {0x3F, 1, "cancel_user_char", "n", nullptr, nullptr},
        {0x40, 0, "initialize", nullptr, nullptr, nullptr},
        {0x42, 2, "buzzer", "count", "duration", nullptr},
        {0x43, 3, "buzzer_alarm", "count", "interval", "mode"},
        {0x45, 1, "bold", "n", nullptr, nullptr},
        {0x47, 1, "double_strike", "n", nullptr, nullptr},
        {0x4A, 1, "print_feed_dots", "n", nullptr, nullptr},
        {0x4C, 0, "page_mode", nullptr, nullptr, nullptr},
        {0x4D, 1, "select_font", "n", nullptr, nullptr},
        {0x4E, 2, "print_speed", "fn", "n", nullptr},
        {0x52, 1, "international_charset", "n", nullptr, nullptr},
        {0x53, 0, "standard_mode", nullptr, nullptr, nullptr},
        {0x54, 1, "print_direction", "n", nullptr, nullptr},
        {0x56, 1, "rotate90", "n", nullptr, nullptr},
        {0x5C, 2, "relative_position", "nL", "nH", nullptr},
        {0x61, 1, "alignment", "n", nullptr, nullptr},
        {0x63, 2, "panel_setting", "fn", "n", nullptr},
        {0x64, 1, "print_feed_lines", "n", nullptr, nullptr},
        {0x65, 1, "print_reverse_feed", "n", nullptr, nullptr},
        {0x69, 0, "cut", nullptr, nullptr, nullptr},
        {0x6D, 0, "cut", nullptr, nullptr, nullptr},
        {0x70, 3, "drawer_pulse", "pin", "on_time", "off_time"},
        {0x74, 1, "code_table", "n", nullptr, nullptr},
        {0x75, 1, "peripheral_status_request", "n", nullptr, nullptr},
        {0x76, 0, "paper_status_request", nullptr, nullptr, nullptr},
        {0x7B, 1, "upside_down", "n", nullptr, nullptr},
    };
    for (const Fixed &c : fixed) {
        if (c.f != f)
            continue;
        if (n < 2 + c.count)
            return NeedMore;
        QJsonObject params;
        const char *names[3] = {c.p0, c.p1, c.p2};
        for (int i = 0; i < c.count; ++i)
            params.insert(QLatin1String(names[i]), p[2 + i]);
        set(out, QLatin1String(c.name), code, params);
        if (f == 0x69 || f == 0x6D)
            out.params.insert(QStringLiteral("mode"), f == 0x69 ? 0 : 1);
        // The maker's print speed command ends with a line feed that belongs to
        // it: wait for the byte after the parameters, however the input is split.
        if (f == 0x4E && awaitsOptionalByte(n, 2 + c.count))
            return NeedMore;
        if (f == 0x4E && n > 2 + c.count && p[2 + c.count] == LF)
            return 2 + c.count + 1;
        if (f == 0x70 && p[2] > 1 && p[2] != 0x30 && p[2] != 0x31)
            out.kind = VpCommand::Malformed;
        return 2 + c.count;
    }

    if (f == 0x26) { // ESC & y c1 c2 [x d1..d(y*x)]...
        if (n < 5)
            return NeedMore;
        const int y = p[2], c1 = p[3], c2 = p[4];
        QJsonObject params{{QStringLiteral("y"), y}, {QStringLiteral("first"), c1}, {QStringLiteral("last"), c2}};
        if (y < 1 || y > 3 || c1 < 0x20 || c1 > 0x7E || c2 < c1 || c2 > 0x7E) {
            set(out, QStringLiteral("define_user_chars"), code, params, VpCommand::Malformed);
            return 5;
        }
        qint64 i = 5;
        for (int c = c1; c <= c2; ++c) {
            if (n < i + 1)
                return NeedMore;
            const int x = p[i];
            if (x > 48) {
                params.insert(QStringLiteral("bad_width"), x);
                set(out, QStringLiteral("define_user_chars"), code, params, VpCommand::Malformed);
                return i + 1;
            }
            i += 1 + qint64(y) * x;
            if (n < i)
                return NeedMore;
        }
        set(out, QStringLiteral("define_user_chars"), code, params);
        out.data = QByteArray(reinterpret_cast<const char *>(p + 5), int(i - 5));
        return i;
    }
    if (f == 0x2A) { // ESC * m nL nH d
        if (n < 5)
            return NeedMore;
        const int m = p[2], count = u16(p + 3);
        QJsonObject params{{QStringLiteral("m"), m}, {QStringLiteral("columns"), count}};
        int bytesPerColumn = 0;
        if (m == 0 || m == 1)
            bytesPerColumn = 1;
        else if (m == 32 || m == 33)
            bytesPerColumn = 3;
        if (bytesPerColumn == 0) {
            set(out, QStringLiteral("bit_image"), code, params, VpCommand::Malformed);
            return 5;
        }
        const qint64 total = 5 + qint64(count) * bytesPerColumn;
        if (n < total)
            return NeedMore;
        set(out, QStringLiteral("bit_image"), code, params);
        out.data = QByteArray(reinterpret_cast<const char *>(p + 5), int(total - 5));
        return total;
    }
    if (f == 0x44) { // ESC D n1..nk NUL
        qint64 i = 2;
        QJsonArray tabs;
        while (true) {
            if (n <= i)
                return NeedMore;
            if (p[i] == NUL)
                break;
            tabs.append(p[i]);
            ++i;
            if (tabs.size() > MaxTabs) {
                set(out, QStringLiteral("tab_positions"), code, {{QStringLiteral("tabs"), tabs}}, VpCommand::Malformed);
                return i;
            }
        }
        set(out, QStringLiteral("tab_positions"), code, {{QStringLiteral("tabs"), tabs}});
        return i + 1;
    }
    set(out, QStringLiteral("unknown"), code, {}, VpCommand::Unknown);
    return 2;
}

qint64 VpDecoder::parseFs(const uchar *p, qint64 n, VpCommand &out)
{
    if (n < 2)
        return NeedMore;
    const uchar f = p[1];
    const QString code = QStringLiteral("FS ") + (f >= 0x21 && f < 0x7F ? QString(QChar(f)) : hex2(f));
    struct Fixed { uchar f; int count; const char *name; const char *p0; const char *p1; };
    static const Fixed fixed[] = {
        {0x21, 1, "chinese_print_mode", "n", nullptr},
        {0x26, 0, "chinese_mode_on", nullptr, nullptr},
        {0x2D, 1, "chinese_underline", "n", nullptr},
        {0x2E, 0, "chinese_mode_off", nullptr, nullptr},
        {0x43, 1, "chinese_code_system", "n", nullptr},
        {0x53, 2, "chinese_spacing", "left", "right"},
        {0x57, 1, "chinese_quad", "n", nullptr},
        {0x70, 2, "print_logo", "n", "m"},
    };
    for (const Fixed &c : fixed) {
        if (c.f != f)
            continue;
        if (n < 2 + c.count)
            return NeedMore;
        QJsonObject params;
        const char *names[2] = {c.p0, c.p1};
        for (int i = 0; i < c.count; ++i)
            params.insert(QLatin1String(names[i]), p[2 + i]);
        set(out, QLatin1String(c.name), code, params);
        return 2 + c.count;
    }
    if (f == 0x32) { // FS 2 c1 c2 d1..d72
        constexpr int total = 4 + 72;
        if (n < total)
            return NeedMore;
        set(out, QStringLiteral("define_chinese_user_char"), code,
            {{QStringLiteral("c1"), p[2]}, {QStringLiteral("c2"), p[3]}});
        out.data = QByteArray(reinterpret_cast<const char *>(p + 4), 72);
        return total;
    }
    if (f == 0x71) { // FS q n [xL xH yL yH d1..dk]1..n
        if (n < 3)
            return NeedMore;
        const int count = p[2];
        QJsonArray logos;
        qint64 i = 3;
        for (int k = 0; k < count; ++k) {
            if (n < i + 4)
                return NeedMore;
            const int x = u16(p + i), y = u16(p + i + 2);
            logos.append(QJsonObject{{QStringLiteral("x"), x}, {QStringLiteral("y"), y}});
            const qint64 size = qint64(x) * y * 8;
            if (i + 4 + size > MaxCommandBytes)
                return oversized(p, n, i + 4, i + 4 + size, QStringLiteral("define_logos"), code, out);
            i += 4 + size;
            if (n < i)
                return NeedMore;
        }
        set(out, QStringLiteral("define_logos"), code, {{QStringLiteral("count"), count}, {QStringLiteral("logos"), logos}});
        if (count == 0)
            out.kind = VpCommand::Malformed;
        out.data = QByteArray(reinterpret_cast<const char *>(p + 3), int(i - 3));
        return i;
    }
    set(out, QStringLiteral("unknown"), code, {}, VpCommand::Unknown);
    return 2;
}

qint64 VpDecoder::parseGs(const uchar *p, qint64 n, VpCommand &out)
{
    if (n < 2)
        return NeedMore;
    const uchar f = p[1];
    const QString code = QStringLiteral("GS ") + (f >= 0x21 && f < 0x7F ? QString(QChar(f)) : hex2(f));
    struct Fixed { uchar f; int count; const char *name; const char *p0; const char *p1; };
    static const Fixed fixed[] = {
        {0x21, 1, "char_size", "n", nullptr},
        {0x2F, 1, "print_downloaded_image", "m", nullptr},
        {0x3A, 0, "macro", nullptr, nullptr},
        {0x42, 1, "reverse", "n", nullptr},
        {0x48, 1, "hri_position", "n", nullptr},
        {0x49, 1, "printer_id_request", "n", nullptr},
        {0x4C, 2, "left_margin", "nL", "nH"},
        {0x50, 2, "motion_units", "x", "y"},
        {0x57, 2, "print_area_width", "nL", "nH"},
        {0x61, 1, "auto_status_back", "n", nullptr},
        {0x66, 1, "hri_font", "n", nullptr},
        {0x68, 1, "barcode_height", "n", nullptr},
        {0x72, 1, "transmit_status_request", "n", nullptr},
        {0x77, 1, "barcode_width", "n", nullptr},
    };
    for (const Fixed &c : fixed) {
        if (c.f != f)
            continue;
        if (n < 2 + c.count)
            return NeedMore;
        QJsonObject params;
        const char *names[2] = {c.p0, c.p1};
        for (int i = 0; i < c.count; ++i)
            params.insert(QLatin1String(names[i]), p[2 + i]);
        set(out, QLatin1String(c.name), code, params);
        return 2 + c.count;
    }
    if (f == 0x54) { // GS T n; the maker's logo print sends GS T without n
        if (n < 3)
            return NeedMore;
        const uchar m = p[2];
        if (m == 0 || m == 1 || m == 0x30 || m == 0x31) {
            set(out, QStringLiteral("line_start"), code, {{QStringLiteral("n"), m}});
            return 3;
        }
        set(out, QStringLiteral("line_start"), code);
        return 2;
    }
    if (f == 0x56) { // GS V m [n]
        if (n < 3)
            return NeedMore;
        const uchar m = p[2];
        if (m == 0 || m == 1 || m == 0x30 || m == 0x31) {
            set(out, QStringLiteral("cut"), code, {{QStringLiteral("mode"), m & 1}});
            return 3;
        }
        if (m == 0x41 || m == 0x42 || m == 0x61 || m == 0x62 || m == 0x67 || m == 0x68) {
            if (n < 4)
                return NeedMore;
            set(out, QStringLiteral("cut"), code, {{QStringLiteral("mode"), m & 1 ? 0 : 1}, {QStringLiteral("feed"), p[3]},
                                                  {QStringLiteral("m"), m}});
            return 4;
        }
        set(out, QStringLiteral("cut"), code, {{QStringLiteral("m"), m}}, VpCommand::Malformed);
        return 3;
    }
    if (f == 0x6B) { // GS k m ...
        if (n < 3)
            return NeedMore;
        const uchar m = p[2];
        if (m <= 6) {
            qint64 i = 3;
            while (true) {
                if (n <= i)
                    return NeedMore;
                if (p[i] == NUL)
                    break;
                if (i - 3 >= MaxNulTerminated) {
                    set(out, QStringLiteral("barcode"), code, {{QStringLiteral("m"), m}}, VpCommand::Malformed);
                    return 3;
                }
                ++i;
            }
            set(out, QStringLiteral("barcode"), code, {{QStringLiteral("m"), m}, {QStringLiteral("symbology"), m + 0x41}});
            out.data = QByteArray(reinterpret_cast<const char *>(p + 3), int(i - 3));
            return i + 1;
        }
        if (m >= 0x41 && m <= 0x49) {
            if (n < 4)
                return NeedMore;
            const int len = p[3];
            if (n < 4 + len)
                return NeedMore;
            set(out, QStringLiteral("barcode"), code, {{QStringLiteral("m"), m}, {QStringLiteral("symbology"), m}});
            out.data = QByteArray(reinterpret_cast<const char *>(p + 4), len);
            return 4 + len;
        }
        set(out, QStringLiteral("barcode"), code, {{QStringLiteral("m"), m}}, VpCommand::Malformed);
        return 3;
    }
    if (f == 0x76) { // GS v 0 m xL xH yL yH d
        if (n < 3)
            return NeedMore;
        if (p[2] != 0x30) {
            set(out, QStringLiteral("raster_image"), code, {{QStringLiteral("fn"), p[2]}}, VpCommand::Malformed);
            return 3;
        }
        if (n < 8)
            return NeedMore;
        const int m = p[3], x = u16(p + 4), y = u16(p + 6);
        const qint64 total = 8 + qint64(x) * y;
        const QJsonObject params{{QStringLiteral("m"), m}, {QStringLiteral("width_bytes"), x}, {QStringLiteral("height"), y}};
        if (total > MaxCommandBytes) {
            const qint64 len = oversized(p, n, 8, total, QStringLiteral("raster_image"), QStringLiteral("GS v 0"), out);
            out.params = params;
            return len;
        }
        if (n < total)
            return NeedMore;
        set(out, QStringLiteral("raster_image"), QStringLiteral("GS v 0"), params);
        if ((m & 0x0F) > 3)
            out.kind = VpCommand::Malformed;
        out.data = QByteArray(reinterpret_cast<const char *>(p + 8), int(total - 8));
        return total;
    }
    if (f == 0x2A) { // GS * x y d(x*y*8)
        if (n < 4)
            return NeedMore;
        const int x = p[2], y = p[3];
        const qint64 total = 4 + qint64(x) * y * 8;
        if (n < total)
            return NeedMore;
        set(out, QStringLiteral("define_downloaded_image"), code, {{QStringLiteral("x"), x}, {QStringLiteral("y"), y}});
        out.data = QByteArray(reinterpret_cast<const char *>(p + 4), int(total - 4));
        return total;
    }
    if (f == 0x28) { // GS ( fn pL pH ...
        if (n < 5)
            return NeedMore;
        const uchar fn = p[2];
        const int len = u16(p + 3);
        const qint64 total = 5 + len;
        if (n < total)
            return NeedMore;
        const QByteArray body(reinterpret_cast<const char *>(p + 5), len);
        const QString c = QStringLiteral("GS ( ") + (fn >= 0x21 && fn < 0x7F ? QString(QChar(fn)) : hex2(fn));
        if (fn == 0x6B) {
            if (len < 2) {
                set(out, QStringLiteral("two_d_code"), c, {{QStringLiteral("length"), len}}, VpCommand::Malformed);
                return total;
            }
            const uchar cn = p[5], fc = p[6];
            QJsonObject params{{QStringLiteral("cn"), cn}, {QStringLiteral("fn"), fc}};
            QString name;
            if (cn == TwoDPdf417) {
                switch (fc) {
                case 0x41: name = QStringLiteral("pdf417_columns"); break;
                case 0x42: name = QStringLiteral("pdf417_rows"); break;
                case 0x43: name = QStringLiteral("pdf417_module_width"); break;
                case 0x44: name = QStringLiteral("pdf417_row_height"); break;
                case 0x45: name = QStringLiteral("pdf417_error_level"); break;
                case 0x46: name = QStringLiteral("pdf417_options"); break;
                case 0x50: name = QStringLiteral("pdf417_store"); break;
                case 0x51: name = QStringLiteral("pdf417_print"); break;
                case 0x52: name = QStringLiteral("pdf417_size_request"); break;
                default: break;
                }
            } else if (cn == TwoDQr) {
                switch (fc) {
                case 0x41: name = QStringLiteral("qr_model"); break;
                case 0x43: name = QStringLiteral("qr_module_size"); break;
                case 0x45: name = QStringLiteral("qr_error_level"); break;
                case 0x50: name = QStringLiteral("qr_store"); break;
                case 0x51: name = QStringLiteral("qr_print"); break;
                case 0x52: name = QStringLiteral("qr_size_request"); break;
                default: break;
                }
            }
            // A symbol or function this printer does not have: stepped over
            // by its length, and reported.
            if (name.isEmpty()) {
                set(out, QStringLiteral("two_d_code"), c, params, VpCommand::Unknown);
                out.data = body.left(MaxRawKept);
                return total;
            }
            // The one-byte settings: n after cn fn (the error level of
            // PDF417 has m first: 30 a level 0..8, 31 a ratio in tens of per cent).
            if (name == QLatin1String("pdf417_error_level")) {
                if (len < 4) {
                    set(out, name, c, params, VpCommand::Malformed);
                    return total;
                }
                params.insert(QStringLiteral("m"), p[7]);
                params.insert(QStringLiteral("n"), p[8]);
            } else if (!name.endsWith(QLatin1String("_store")) && !name.endsWith(QLatin1String("_print"))
                       && !name.endsWith(QLatin1String("_size_request")) && len >= 3) {
                params.insert(QStringLiteral("n"), p[7]);
            }
            set(out, name, c, params);
            if (name.endsWith(QLatin1String("_store")) && len >= 3) {
                out.data = body.mid(3);
                out.params.insert(QStringLiteral("length"), out.data.size());
            }
            return total;
        }
        if (fn == 0x4C) {
            graphicsCommand(body, c, out);
            return total;
        }
        if (fn == 0x41) {
            set(out, QStringLiteral("test_print"), c, {{QStringLiteral("fn"), fn}, {QStringLiteral("length"), len}});
            out.data = body.left(MaxRawKept);
            return total;
        }
        // A function this printer does not have: its length is known, so it
        // is stepped over, and reported as not understood.
        set(out, QStringLiteral("extended_function"), c, {{QStringLiteral("fn"), fn}, {QStringLiteral("length"), len}},
            VpCommand::Unknown);
        out.data = body.left(MaxRawKept);
        return total;
    }
    if (f == 0x38) { // GS 8 L p1 p2 p3 p4 m fn ...: graphics with a 32-bit length
        if (n < 3)
            return NeedMore;
        if (p[2] != 0x4C) {
            set(out, QStringLiteral("unknown"), code, {}, VpCommand::Unknown);
            return 2;
        }
        constexpr int header = 7;
        if (n < header)
            return NeedMore;
        const qint64 len = qint64(p[3]) | (qint64(p[4]) << 8) | (qint64(p[5]) << 16) | (qint64(p[6]) << 24);
        const qint64 total = header + len;
        const QString c = QStringLiteral("GS 8 L");
        if (total > MaxCommandBytes)
            return oversized(p, n, header, total, QStringLiteral("graphics"), c, out);
        if (n < total)
            return NeedMore;
        graphicsCommand(QByteArray(reinterpret_cast<const char *>(p + header), int(len)), c, out);
        return total;
    }
    set(out, QStringLiteral("unknown"), code, {}, VpCommand::Unknown);
    return 2;
}

qint64 VpDecoder::parseUs(const uchar *p, qint64 n, VpCommand &out)
{
    if (n < 2)
        return NeedMore;
    const uchar f = p[1];
    if (f == ESC) { // US ESC fn ...
        if (n < 3)
            return NeedMore;
        const uchar fn = p[2];
        const QString code = QStringLiteral("US ESC ") + hex2(fn);
        struct Maker { uchar fn; int count; const char *name; };
        static const Maker table[] = {
            {0x01, 1, "maker_print_mode"},      {0x02, 1, "maker_buzzer_switch"},
            {0x03, 1, "maker_knife_switch"},    {0x04, 1, "maker_density"},
            {0x05, 1, "maker_error_beep"},      {0x06, 1, "standby_lamp_switch"},
            {0x07, 3, "work_lamp_colour"},      {0x08, 3, "paper_out_lamp_colour"},
            {0x09, 3, "cutter_jam_lamp_colour"}, {0x0A, 3, "overheat_lamp_colour"},
            {0x0B, 1, "standby_lamp_pattern"},  {0x0C, 3, "standby_lamp_colour"},
            {0x0D, 0, "self_test"},             {0x0E, 1, "maker_international_charset"},
            {0x19, 0, "factory_reset"},
        };
        for (const Maker &m : table) {
            if (m.fn != fn)
                continue;
            if (n < 3 + m.count)
                return NeedMore;
            QJsonObject params;
            if (m.count == 1)
                params.insert(QStringLiteral("n"), p[3]);
            else if (m.count == 3)
                params = {{QStringLiteral("r"), p[3]}, {QStringLiteral("g"), p[4]}, {QStringLiteral("b"), p[5]}};
            set(out, QLatin1String(m.name), code, params);
            return 3 + m.count;
        }
        if (fn == 0x0F) { // US ESC 0F k name e
            if (n < 4)
                return NeedMore;
            const int k = p[3];
            if (n < 5 + k)
                return NeedMore;
            const QByteArray name(reinterpret_cast<const char *>(p + 4), k);
            set(out, QStringLiteral("maker_model_name"), code,
                {{QStringLiteral("name"), QString::fromUtf8(name)}, {QStringLiteral("error_beep"), p[4 + k]}});
            out.data = name;
            return 5 + k;
        }
        if (fn == 0x1F) { // US ESC US FF n | US ESC US C1 b
            if (n < 5)
                return NeedMore;
            if (p[3] == 0xFF) {
                set(out, QStringLiteral("maker_international_charset"), QStringLiteral("US ESC US FF"), {{QStringLiteral("n"), p[4]}});
                return 5;
            }
            if (p[3] == 0xC1) {
                static const int rates[] = {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};
                const int index = p[4] - 0x80;
                QJsonObject params{{QStringLiteral("b"), p[4]}};
                set(out, QStringLiteral("baud_rate"), QStringLiteral("US ESC US C1"), params);
                if (index >= 0 && index < 8)
                    out.params.insert(QStringLiteral("baud"), rates[index]);
                else
                    out.kind = VpCommand::Malformed;
                return 5;
            }
            set(out, QStringLiteral("unknown"), QStringLiteral("US ESC US ") + hex2(p[3]), {}, VpCommand::Unknown);
            return 4;
        }
        set(out, QStringLiteral("unknown"), code, {}, VpCommand::Unknown);
        return 3;
    }
    if (f == 0x1E) { // US RS 18 19 01
        if (n < 5)
            return NeedMore;
        if (p[2] == 0x18 && p[3] == 0x19 && p[4] == 0x01) {
            set(out, QStringLiteral("usb_upgrade_mode"), QStringLiteral("US RS"));
            return 5;
        }
        set(out, QStringLiteral("usb_upgrade_mode"), QStringLiteral("US RS"), {}, VpCommand::Malformed);
        return 2;
    }
    if (f == FS) { // US FS US 41 04 06 07 n [LF]
        if (n < 8)
            return NeedMore;
        if (p[2] == US && p[3] == 0x41 && p[4] == 0x04 && p[5] == 0x06 && p[6] == 0x07) {
            set(out, QStringLiteral("density"), QStringLiteral("US FS"), {{QStringLiteral("n"), p[7]}});
            if (awaitsOptionalByte(n, 8))
                return NeedMore;
            if (n >= 9 && p[8] == LF)
                return 9;
            return 8;
        }
        set(out, QStringLiteral("unknown"), QStringLiteral("US FS"), {}, VpCommand::Unknown);
        return 2;
    }
    if (f == 0x73) { // US s 02 c b d 00 00 00 00 00
        constexpr int total = 11;
        if (n < total)
            return NeedMore;
        // 0 means the peripheral is enabled.
        set(out, QStringLiteral("peripherals"), QStringLiteral("US s"),
            {{QStringLiteral("fn"), p[2]},
             {QStringLiteral("cutter"), p[3] == 0},
             {QStringLiteral("buzzer"), p[4] == 0},
             {QStringLiteral("drawer"), p[5] == 0}});
        if (p[2] != 0x02)
            out.kind = VpCommand::Malformed;
        return total;
    }
    if (f == 0x69) { // US i a.b.c.d US % 00 mask US % 01 gateway
        constexpr int total = 20;
        if (n < total)
            return NeedMore;
        auto quad = [p](int at) {
            return QStringLiteral("%1.%2.%3.%4").arg(p[at]).arg(p[at + 1]).arg(p[at + 2]).arg(p[at + 3]);
        };
        const bool framed = p[6] == US && p[7] == 0x25 && p[8] == 0x00 && p[13] == US && p[14] == 0x25 && p[15] == 0x01;
        if (!framed) {
            set(out, QStringLiteral("network_settings"), QStringLiteral("US i"), {}, VpCommand::Malformed);
            return 2;
        }
        set(out, QStringLiteral("network_settings"), QStringLiteral("US i"),
            {{QStringLiteral("ip"), quad(2)}, {QStringLiteral("mask"), quad(9)}, {QStringLiteral("gateway"), quad(16)}});
        return total;
    }
    set(out, QStringLiteral("unknown"), QStringLiteral("US ") + hex2(f), {}, VpCommand::Unknown);
    return 2;
}
