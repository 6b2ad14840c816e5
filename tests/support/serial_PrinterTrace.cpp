#include "support/serial_PrinterTrace.h"

#include <QJsonDocument>
#include <QStringList>

QList<QJsonObject> PrinterTrace::decoded(const QList<QJsonObject> &events)
{
    static const QStringList kinds{"command", "text", "unknown", "malformed", "truncated", "oversized"};
    QList<QJsonObject> out;
    for (QJsonObject e : events) {
        if (!kinds.contains(e.value("kind").toString()))
            continue;
        e.remove("seq");
        e.remove("time");
        e.remove("source");
        out << e;
    }
    return out;
}

QString PrinterTrace::firstDifference(const QList<QJsonObject> &got, const QList<QJsonObject> &expected)
{
    const int n = qMin(got.size(), expected.size());
    for (int i = 0; i < n; ++i) {
        if (got.at(i) != expected.at(i))
            return QStringLiteral("entry %1: got %2, expected %3")
                .arg(i)
                .arg(QString::fromUtf8(QJsonDocument(got.at(i)).toJson(QJsonDocument::Compact)),
                     QString::fromUtf8(QJsonDocument(expected.at(i)).toJson(QJsonDocument::Compact)));
    }
    if (got.size() != expected.size())
        return QStringLiteral("%1 entries, expected %2").arg(got.size()).arg(expected.size());
    return {};
}
