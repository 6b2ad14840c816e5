#pragma once

// What the exporter tests read over HTTP on loopback: a page (the exporter's
// /metrics, Prometheus's query API) and the value of one series in an
// exposition.

#include <QString>

namespace FleetHttp {

// GET path from ADDRESS:PORT over HTTP/1.0; the body, or an empty text when
// no answer came within timeoutMs.
QString get(const QString &hostPort, const QString &path = QStringLiteral("/metrics"), int timeoutMs = 15000);

// The value of a series line ("name{a=\"1\"}", labels in name order) in an
// exposition; NaN when it is not there.
double valueOf(const QString &exposition, const QString &series);

} // namespace FleetHttp
