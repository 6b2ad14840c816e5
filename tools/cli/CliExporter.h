#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// quillmark exporter: the printers of a targets file polled in the background
// and served to Prometheus (fleet/PrinterExporter) until SIGTERM or SIGINT;
// SIGHUP rereads the targets file.
class CliExporter
{
    Q_DECLARE_TR_FUNCTIONS(CliExporter)
public:
    static constexpr double MinIntervalSeconds = 0.1;
    static constexpr double MaxIntervalSeconds = 86400;

    // arguments after "exporter"
    explicit CliExporter(const QStringList &arguments);
    int exec();

    static QString helpText();

private:
    int usageError(const QString &message);

    QStringList m_args;
};
