#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// The configuration pages the printers of the family serve. Each model's
// page carries the markers by which a client tells the models apart:
//   KVZ-L7D  a table with id "Table1";
//   KVZ-L7N  "nativeColorPicker", "color-swatch", "configureNetwork",
//            "fetch('/w5500.js')" and "rgbToHex";
//   KVZ-L7K  "Copyright" and no upload form;
//   KVZ-L7S  an "upload-form" and "Ethernet Web Page Configuration";
//   KVZ-L7W  an "upload-form", "以太网网页配置" and "size='16'";
//   unknown  none of them.
class VpWebPages
{
public:
    static QStringList models();
    // UTF-8 HTML of the configuration page; models outside the family get
    // the unknown page.
    static QByteArray configPage(const QString &model);
    // The page answering a POST to /config.cgi.
    static QByteArray formReply(const QString &model, const QList<QPair<QString, QString>> &fields);
    static QByteArray notFoundPage();
};
