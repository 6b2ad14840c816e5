#pragma once

#include <QObject>
#include <QString>

class HttpRequest;

// POSTs the network settings form to the printer's web server, one request at
// a time (a newer one ends the older), and logs the printer's answer.
class NetworkSettingsPost : public QObject
{
    Q_OBJECT
public:
    static constexpr int RequestTimeoutMs = 10000;
    static constexpr qint64 MaxAnswerBytes = 64 * 1024;

    explicit NetworkSettingsPost(QObject *parent = nullptr);
    ~NetworkSettingsPost() override;

    void post(const QString &url, const QString &body);
    // Ends the request under way without a word (a new connection).
    void cancel();
    // A form is on its way and has no answer yet.
    bool isPending() const { return m_request != nullptr; }

signals:
    // The printer's answer to the form: its HTTP status, or 0 and the
    // failure as the log line says it.
    void sigPostFinished(int httpStatus, QString failure);

private:
    HttpRequest *m_request = nullptr;
};
