#pragma once

#include "fleet/PrinterMetrics.h"
#include "fleet/StatusPoller.h"
#include "fleet/TargetFile.h"

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>

#include <memory>
#include <mutex>

class TargetIdentifier;
namespace prometheus {
class Exposer;
}

// The printers of a targets file served to Prometheus: a StatusPoller asks
// them in the background, PrinterMetrics keeps their series, the Prometheus
// client's exposer answers scrapes on its own threads from what was recorded
// last, and a TargetIdentifier learns models and MAC addresses. The log gets
// a line when a printer starts or stops answering and when what it reports
// changes, not one per poll.
class PrinterExporter : public QObject, private StatusPoller::Sink
{
    Q_OBJECT
public:
    static constexpr const char *DefaultListen = "127.0.0.1:9731";
    static constexpr const char *MetricsPath = "/metrics";

    struct Settings
    {
        QString targetsPath;
        QString listen = QString::fromLatin1(DefaultListen);
        StatusPoller::Settings poll;
    };

    // ADDRESS:PORT (an IPv6 address in brackets) as the exposer takes it;
    // false with a message otherwise.
    static bool parseListen(const QString &text, QString *address, QString *error);

    explicit PrinterExporter(const Settings &settings, QObject *parent = nullptr);
    ~PrinterExporter() override;

    enum class Start { Started, TargetsUnreadable, CannotListen, CannotPoll };

    // Reads the targets file (lines left out are reported by problem()),
    // listens and starts polling; otherwise error holds the reason.
    Start start(QString *error);
    // Reads the targets file again (SIGHUP). When it cannot be read or holds
    // no valid line, the printers polled now stay, and problem() says why.
    void reload();

    // Where scrapes are answered ("127.0.0.1:9731"), once started.
    QString listeningAddress() const { return m_listening; }
    QList<PrinterTarget> targets() const { return m_targets; }
    // The targets that answer status requests.
    int polledCount() const;
    PrinterMetrics *metrics() { return m_metrics.get(); }

signals:
    // A ready-made text: a line of the targets file left out, a target that
    // cannot be polled, a file that cannot be read.
    void problem(const QString &message);

private:
    // The same, with the address and port taken apart for the listen check.
    static bool parseListen(const QString &text, QHostAddress *host, quint16 *port, QString *address,
                            QString *error);
    void pollFinished(const StatusPoller::Result &result) override;
    void roundFinished(double seconds, int printers) override;
    // The lines of a targets file left out, and queues named in it.
    void reportProblems(const TargetFile &file);
    void useTargets(const TargetFile &file);
    // A reading of the targets file refused for reason.
    void keepTargets(const QString &reason);
    void identifyAgain(const QString &identity);

    Settings m_settings;
    std::shared_ptr<PrinterMetrics> m_metrics = std::make_shared<PrinterMetrics>();
    std::unique_ptr<StatusPoller> m_poller;
    std::unique_ptr<prometheus::Exposer> m_exposer;
    TargetIdentifier *m_identifier = nullptr;
    QList<PrinterTarget> m_targets;
    QString m_listening;
};
