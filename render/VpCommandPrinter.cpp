#include "render/VpCommandPrinter.h"

#include "render/VpBarcode.h"

namespace {

// GS ( k PDF417 error level: m 30 gives the level itself, m 31 a ratio.
constexpr int Pdf417LevelByNumber = 0x30;

int param(const VpCommand &cmd, const char *key)
{
    return cmd.params.value(QLatin1String(key)).toInt();
}

// Parameters given either as a number or as its digit character ("0" / 0x30).
int digitParam(const VpCommand &cmd, const char *key)
{
    const int n = param(cmd, key);
    return n >= 0x30 ? n - 0x30 : n;
}

int wordParam(const VpCommand &cmd, const char *low, const char *high)
{
    return param(cmd, low) + 256 * param(cmd, high);
}

} // namespace

VpCommandPrinter::VpCommandPrinter(int paperDots) : m_renderer(paperDots) {}

QStringList VpCommandPrinter::selfTestLines() const
{
    if (m_selfTestLines)
        return m_selfTestLines();
    return {QStringLiteral("*** SELF TEST ***"), QStringLiteral("Paper: %1 dots").arg(m_renderer.paperDots())};
}

VpCommandPrinter::Outcome VpCommandPrinter::apply(const VpCommand &cmd, QJsonObject *extra, QString *error)
{
    const qint64 clipped = m_renderer.clippedDots();
    const Outcome outcome = applyCommand(cmd, extra, error);
    if (m_renderer.clippedDots() > clipped)
        extra->insert(QStringLiteral("clipped_dots"), double(m_renderer.clippedDots() - clipped));
    return outcome;
}

VpCommandPrinter::Outcome VpCommandPrinter::applyCommand(const VpCommand &cmd, QJsonObject *extra, QString *error)
{
    VpRenderer &r = m_renderer;
    if (cmd.kind == VpCommand::Text) {
        // The mode in force when the text arrived, not after the whole chunk.
        const bool chinese = cmd.params.value(QStringLiteral("chinese")).toBool();
        extra->insert(QStringLiteral("text"), r.addText(cmd.data, chinese));
        extra->insert(QStringLiteral("bytes"), cmd.data.size());
        extra->insert(QStringLiteral("code_table"), chinese ? QStringLiteral("GBK") : r.codeTableName());
        return Applied;
    }
    if (cmd.kind != VpCommand::Command)
        return NotPrinting;

    const QString &name = cmd.name;
    if (name.startsWith(QLatin1String("graphics")))
        return applyGraphics(cmd, extra);
    if (name == QLatin1String("initialize")) {
        r.initialize();
    } else if (name == QLatin1String("print_mode")) {
        r.setPrintMode(param(cmd, "n"));
    } else if (name == QLatin1String("select_font")) {
        r.setFontB((param(cmd, "n") & 1) == 1);
    } else if (name == QLatin1String("bold") || name == QLatin1String("double_strike")) {
        r.setBold(param(cmd, "n") & 1);
    } else if (name == QLatin1String("underline")) {
        r.setUnderline(digitParam(cmd, "n"));
    } else if (name == QLatin1String("char_size")) {
        r.setCharSize(param(cmd, "n"));
    } else if (name == QLatin1String("reverse")) {
        r.setReverse(param(cmd, "n") & 1);
    } else if (name == QLatin1String("upside_down")) {
        r.setUpsideDown(param(cmd, "n") & 1);
    } else if (name == QLatin1String("rotate90")) {
        r.setRotate90(param(cmd, "n") & 1);
    } else if (name == QLatin1String("alignment")) {
        r.setAlignment(digitParam(cmd, "n"));
    } else if (name == QLatin1String("left_margin")) {
        r.setLeftMargin(wordParam(cmd, "nL", "nH"));
    } else if (name == QLatin1String("print_area_width")) {
        r.setPrintAreaWidth(wordParam(cmd, "nL", "nH"));
    } else if (name == QLatin1String("line_spacing")) {
        r.setLineSpacing(param(cmd, "n"));
    } else if (name == QLatin1String("default_line_spacing")) {
        r.setLineSpacing(VpRenderer::DefaultLineSpacing);
    } else if (name == QLatin1String("right_spacing")) {
        r.setRightSpacing(param(cmd, "n"));
    } else if (name == QLatin1String("absolute_position")) {
        r.setAbsolutePosition(wordParam(cmd, "nL", "nH"));
    } else if (name == QLatin1String("chinese_print_mode")) {
        r.setChineseFormat(param(cmd, "n"));
    } else if (name == QLatin1String("chinese_underline")) {
        r.setChineseUnderline(digitParam(cmd, "n"));
    } else if (name == QLatin1String("chinese_spacing")) {
        r.setChineseSpacing(param(cmd, "left"), param(cmd, "right"));
    } else if (name == QLatin1String("chinese_quad")) {
        r.setChineseQuad(param(cmd, "n") & 1);
    } else if (name == QLatin1String("code_table")) {
        QString table;
        if (r.setCodeTable(param(cmd, "n"), &table))
            extra->insert(QStringLiteral("table"), table);
        else
            extra->insert(QStringLiteral("supported"), false);
    } else if (name == QLatin1String("international_charset")) {
        if (!r.setInternationalSet(param(cmd, "n")))
            extra->insert(QStringLiteral("supported"), false);
    } else if (name == QLatin1String("maker_international_charset")) {
        r.setInternationalSet(param(cmd, "n"));
    } else if (name == QLatin1String("user_chars_enable")) {
        r.setUserCharsEnabled(param(cmd, "n") & 1);
    } else if (name == QLatin1String("define_user_chars")) {
        extra->insert(QStringLiteral("defined"),
                      r.defineUserChars(param(cmd, "y"), param(cmd, "first"), param(cmd, "last"), cmd.data));
    } else if (name == QLatin1String("cancel_user_char")) {
        r.cancelUserChar(param(cmd, "n"));
    } else if (name == QLatin1String("hri_position")) {
        r.setHriPosition(digitParam(cmd, "n"));
    } else if (name == QLatin1String("hri_font")) {
        r.setHriFontB(param(cmd, "n") & 1);
    } else if (name == QLatin1String("barcode_height")) {
        r.setBarcodeHeight(param(cmd, "n"));
    } else if (name == QLatin1String("barcode_width")) {
        r.setBarcodeWidth(param(cmd, "n"));
    } else if (name == QLatin1String("qr_module_size")) {
        r.setQrModule(param(cmd, "n"));
    } else if (name == QLatin1String("qr_error_level")) {
        r.setQrLevel(digitParam(cmd, "n"));
    } else if (name == QLatin1String("qr_store")) {
        r.storeQr(cmd.data);
        extra->insert(QStringLiteral("content"), QString::fromUtf8(cmd.data.constData(), cmd.data.size()));
    } else if (name == QLatin1String("qr_print")) {
        if (!r.printQr(error))
            return Failed;
    } else if (name == QLatin1String("pdf417_module_width")) {
        r.setPdf417Module(param(cmd, "n"));
    } else if (name == QLatin1String("pdf417_row_height")) {
        r.setPdf417RowHeight(param(cmd, "n"));
    } else if (name == QLatin1String("pdf417_error_level")) {
        // m 30: a level, n 30..38; m 31: a ratio, which the level follows.
        const int n = param(cmd, "n");
        r.setPdf417Level(param(cmd, "m") == Pdf417LevelByNumber && n >= '0' && n <= '8' ? n - '0' : -1);
    } else if (name == QLatin1String("pdf417_store")) {
        r.storePdf417(cmd.data);
        extra->insert(QStringLiteral("content"), QString::fromUtf8(cmd.data.constData(), cmd.data.size()));
    } else if (name == QLatin1String("pdf417_print")) {
        if (!r.printPdf417(error))
            return Failed;
    } else if (name == QLatin1String("barcode")) {
        QString text;
        const int symbology = param(cmd, "symbology");
        extra->insert(QStringLiteral("type"), VpBarcode::symbologyName(symbology));
        extra->insert(QStringLiteral("data"), QString::fromLatin1(cmd.data));
        if (!r.printBarcode(symbology, cmd.data, &text, error))
            return Failed;
        extra->insert(QStringLiteral("text"), text);
    } else if (name == QLatin1String("print_line_feed") || name == QLatin1String("form_feed")) {
        r.printLine();
    } else if (name == QLatin1String("horizontal_tab")) {
        r.horizontalTab();
    } else if (name == QLatin1String("print_feed_dots")) {
        r.printAndFeedDots(param(cmd, "n"));
    } else if (name == QLatin1String("print_feed_lines")) {
        r.printAndFeedLines(param(cmd, "n"));
    } else if (name == QLatin1String("bit_image")) {
        r.bitImage(param(cmd, "m"), param(cmd, "columns"), cmd.data);
    } else if (name == QLatin1String("raster_image")) {
        r.rasterImage(param(cmd, "m"), param(cmd, "width_bytes"), param(cmd, "height"), cmd.data);
    } else if (name == QLatin1String("define_logos")) {
        extra->insert(QStringLiteral("defined"), r.defineLogos(param(cmd, "count"), cmd.data));
    } else if (name == QLatin1String("print_logo")) {
        if (!r.printLogo(param(cmd, "n"), digitParam(cmd, "m")))
            extra->insert(QStringLiteral("defined"), false);
    } else if (name == QLatin1String("self_test") || name == QLatin1String("test_print")) {
        r.selfTest(selfTestLines());
        r.printAndFeedLines(SelfTestFeedLines);
        r.cut();
    } else if (name == QLatin1String("cut")) {
        if (cmd.params.contains(QStringLiteral("feed")))
            r.printAndFeedDots(param(cmd, "feed"));
        r.cut();
    } else {
        return NotPrinting;
    }
    return Applied;
}

VpCommandPrinter::Outcome VpCommandPrinter::applyGraphics(const VpCommand &cmd, QJsonObject *extra)
{
    VpRenderer &r = m_renderer;
    const QString &name = cmd.name;
    const bool nv = name.startsWith(QLatin1String("graphics_nv_"));
    const int key = wordParam(cmd, "kc2", "kc1");
    const bool column = cmd.params.value(QStringLiteral("format")).toString() == QLatin1String("column");
    if (name == QLatin1String("graphics_store")) {
        r.storeGraphics(column, param(cmd, "width"), param(cmd, "height"), param(cmd, "bx"), param(cmd, "by"), cmd.data);
    } else if (name == QLatin1String("graphics_print")) {
        if (!r.printStoredGraphics())
            extra->insert(QStringLiteral("stored"), false);
    } else if (name.endsWith(QLatin1String("_define"))) {
        extra->insert(QStringLiteral("defined"), r.defineGraphics(nv, column, key, param(cmd, "width"),
                                                                  param(cmd, "height"), param(cmd, "planes"), cmd.data));
    } else if (name == QLatin1String("graphics_nv_print") || name == QLatin1String("graphics_download_print")) {
        if (!r.printGraphics(nv, key, param(cmd, "x"), param(cmd, "y")))
            extra->insert(QStringLiteral("defined"), false);
    } else if (name.endsWith(QLatin1String("_delete"))) {
        extra->insert(QStringLiteral("deleted"), r.deleteGraphics(nv, key));
    } else if (name.endsWith(QLatin1String("_delete_all"))) {
        extra->insert(QStringLiteral("deleted"), r.deleteGraphics(nv, -1));
    } else {
        return NotPrinting; // requests and the reference density
    }
    return Applied;
}
