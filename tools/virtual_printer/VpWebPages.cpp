#include "VpWebPages.h"

namespace {

QByteArray head(const char *title)
{
    return QByteArray("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>") + title + "</title></head>\n<body>\n";
}

const char *const Tail = "</body></html>\n";

QByteArray networkFields(const char *extra)
{
    return QByteArray("<form method=\"post\" action=\"/config.cgi\">\n"
                      "IP <input name=\"ip\" value=\"192.168.1.87\"><br>\n"
                      "Mask <input name=\"sub\" value=\"255.255.255.0\"><br>\n"
                      "Gateway <input name=\"gw\" value=\"192.168.1.1\"><br>\n")
        + extra + "<input type=\"submit\" value=\"Save\">\n</form>\n";
}

} // namespace

QStringList VpWebPages::models()
{
    return {QStringLiteral("KVZ-L7D"), QStringLiteral("KVZ-L7N"), QStringLiteral("KVZ-L7K"),
            QStringLiteral("KVZ-L7S"), QStringLiteral("KVZ-L7W")};
}

QByteArray VpWebPages::configPage(const QString &model)
{
    if (model == QLatin1String("KVZ-L7D")) {
        return head("Printer Settings")
            + "<h1>Printer Settings</h1>\n<table id=\"Table1\" border=\"1\">\n"
              "<tr><td>IP</td><td>192.168.1.87</td></tr>\n<tr><td>Mask</td><td>255.255.255.0</td></tr>\n"
              "<tr><td>Gateway</td><td>192.168.1.1</td></tr>\n</table>\n"
            + networkFields("DHCP <input name=\"dhcp\" value=\"0\"><br>\n") + Tail;
    }
    if (model == QLatin1String("KVZ-L7N")) {
        return head("Network Printer")
            + "<h1>Network Printer</h1>\n"
              "<div class=\"color-swatch\" id=\"workLamp\"></div>\n"
              "<input type=\"color\" id=\"nativeColorPicker\">\n"
            + networkFields("DHCP <input name=\"dhcp\"><br>Beep <input name=\"beep\"><br>Cut <input name=\"cut\"><br>\n"
                            "Beep type <input name=\"beepType\"><br>Print mode <input name=\"printMode\"><br>\n"
                            "Density <input name=\"density\"><br>\n")
            + "<script>\nfetch('/w5500.js');\n"
              "function rgbToHex(r, g, b) { return '#' + [r, g, b].map(v => v.toString(16).padStart(2, '0')).join(''); }\n"
              "function configureNetwork() { document.forms[0].submit(); }\n</script>\n"
            + Tail;
    }
    if (model == QLatin1String("KVZ-L7K")) {
        return head("Printer Web Server")
            + "<h1>Printer Web Server</h1>\n"
            + networkFields("DHCP <input name=\"dhcp\" value=\"dhcpn\"><br>MAC <input name=\"mac\"><br>\n")
            + "<p>Copyright (c) KVZ. All rights reserved.</p>\n" + Tail;
    }
    if (model == QLatin1String("KVZ-L7S")) {
        return head("Ethernet Web Page Configuration")
            + "<h1>Ethernet Web Page Configuration</h1>\n"
            + networkFields("MAC <input name=\"mac\"><br>DHCP <input name=\"dhcp\" value=\"dhcpn\"><br>\n")
            + "<form class=\"upload-form\" method=\"post\" action=\"/upload.cgi\" enctype=\"multipart/form-data\">\n"
              "<input type=\"file\" name=\"firmware\"><input type=\"submit\" value=\"Upload\"></form>\n"
            + Tail;
    }
    if (model == QLatin1String("KVZ-L7W")) {
        return head("以太网网页配置")
            + "<h1>以太网网页配置</h1>\n"
              "<form method=\"post\" action=\"/config.cgi\">\n"
              "IP <input name='ip' size='16'><br>\nMask <input name='sub' size='16'><br>\n"
              "Gateway <input name='gw' size='16'><br>\nMAC <input name='mac' size='16'><br>\n"
              "DHCP <input name='dhcp' size='16'><br>\n<input type=\"submit\"></form>\n"
              "<form class=\"upload-form\" method=\"post\" action=\"/upload.cgi\" enctype=\"multipart/form-data\">\n"
              "<input type=\"file\" name=\"firmware\"><input type=\"submit\"></form>\n"
            + Tail;
    }
    return head("Printer") + "<h1>Printer</h1>\n<p>Network settings are not available on this page.</p>\n" + Tail;
}

QByteArray VpWebPages::formReply(const QString &model, const QList<QPair<QString, QString>> &fields)
{
    QByteArray rows;
    for (const auto &f : fields)
        rows += "<tr><td>" + f.first.toHtmlEscaped().toUtf8() + "</td><td>" + f.second.toHtmlEscaped().toUtf8()
            + "</td></tr>\n";
    return head("Settings saved") + "<h1>" + model.toHtmlEscaped().toUtf8()
        + ": settings saved</h1>\n<table>\n" + rows + "</table>\n<p>The printer restarts with the new settings.</p>\n"
        + Tail;
}

QByteArray VpWebPages::notFoundPage()
{
    return head("Not found") + "<h1>404 Not found</h1>\n" + Tail;
}
