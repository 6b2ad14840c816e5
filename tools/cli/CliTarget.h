#pragma once

#include "transport/tcp/NetworkSettingsPost.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringList>

class BaseDeviceManager;
class CliPreviewManager;
class PrintDriverManager;
class SerialPortManager;
class TcpDeviceManager;
class USBDeviceManager;

// The printer a command talks to, named on the command line by one of
// --tcp ADDRESS, --usb NODE, --serial PATH[:BAUD] or --queue NAME. Owns the
// one device manager of that transport, connects it, and waits (bounded) for
// what the back end does in the event loop: bytes still to be written,
// status replies, a network form's answer, a line that went away, and the
// failures the managers report as signals.
class CliTarget : public QObject
{
    Q_OBJECT
public:
    // Preview: no printer; what would be sent is drawn into PNG files.
    enum class Kind { None, Tcp, Usb, Serial, Queue, Preview };

    struct Endpoint
    {
        Kind kind = Kind::None;
        QString address; // IPv4 address, node, port path or queue name
        QString baud;    // serial only; empty for the default
    };

    // Time allowed for written bytes to leave and for a status reply.
    static constexpr int DrainLimitMs = 5000;
    static constexpr int StatusReplyLimitMs = 1500;
    // A network form's answer: the post's own limit and a little more.
    static constexpr int NetworkPostLimitMs = NetworkSettingsPost::RequestTimeoutMs + 2000;
    // The single-address test that reads a printer's model from its web page.
    static constexpr int IdentifyLimitMs = 15000;
    static constexpr const char *DefaultBaud = "9600";

    // The longest part of a target's address that messages show.
    static constexpr int MaxShownChars = 80;

    static QString describe(const Endpoint &endpoint);
    // The address as messages show it: on one line, cut after MaxShownChars.
    static QString shown(const QString &address);

    explicit CliTarget(const Endpoint &endpoint, QObject *parent = nullptr);
    ~CliTarget() override;

    const Endpoint &endpoint() const { return m_endpoint; }

    // Limits other than the window's, set before open(): a TCP connect; the
    // answer to a status request and the bytes written leaving (each).
    void setConnectTimeout(int ms) { m_connectMs = ms; }
    void setAnswerTimeout(int ms)
    {
        m_drainLimitMs = ms;
        m_statusReplyLimitMs = ms;
    }
    BaseDeviceManager *manager() const { return m_manager; }

    // TCP: reads the model and MAC address from the printer (its web page and
    // the neighbour table) as the search does; open() then connects with
    // them, as the window connects to a printer it found. False with the
    // test's message when the printer did not tell them; reachable says
    // whether its print port answered at all.
    bool identify(QString *error, bool *reachable);
    QString model() const { return m_model; }

    // Connects; on failure error holds the transport's failure text.
    bool open(QString *error);

    // Starts collecting the failures the manager reports.
    void beginOperation();
    // Lets written bytes leave, a network form get its answer and events run;
    // false when failures were reported (in errors).
    bool finishOperation(QStringList *errors);
    // Lets pending events (a closed line, hot-plug) arrive, then tells whether
    // the printer is still connected; the text for a lost one is lostMessage().
    bool stillConnected();
    bool isConnected();
    // Preview: draws what the operations would have sent on 80 mm paper (or
    // the width set), one picture per cut (the address, OUT.png, gives
    // OUT-1.png, ...); false with the reason when nothing could be drawn or a
    // file not written.
    void setPreviewPaperDots(int dots) { m_previewPaperDots = dots; }
    bool writePreview(QStringList *files, QString *error);
    QString lostMessage() const;

    // Sends one real-time status request (0 printer ... 3 paper) and waits for
    // the reply; empty when none came (or none that is a status byte).
    QString queryStatus(int status);
    // The status request an operation of the command API sends (0 to 3), or
    // -1 for the others.
    static int statusOperation(const QString &operation);

    // Sends bytes as they are, through the transport's own data path; false
    // when the printer went away before all of them were handed over, or
    // they did not leave within the answer time-out (writeTimedOut()).
    bool sendBytes(const QByteArray &bytes);
    bool writeTimedOut() const { return m_writeTimedOut; }

    void close();

private:
    void createManager();
    // Lets written bytes leave, at most the drain limit; with confirm, until
    // the link confirms them (TCP: the printer's end acknowledged every
    // byte). False, with the reason noted, when they did not.
    bool drain(bool confirm = false);
    // Waits until the line has been open PrinterReplyReader::SettleMs.
    void settle();
    void wait(int ms);
    void waitForNetworkPost();
    void noteFailure(const QString &text);

    Endpoint m_endpoint;
    BaseDeviceManager *m_manager = nullptr;
    TcpDeviceManager *m_tcp = nullptr;
    USBDeviceManager *m_usb = nullptr;
    SerialPortManager *m_serial = nullptr;
    PrintDriverManager *m_queue = nullptr;
    CliPreviewManager *m_preview = nullptr;
    int m_previewPaperDots = 0; // 0: 80 mm
    bool m_opened = false;
    bool m_collecting = false;
    int m_connectMs = 0; // 0: the manager's own
    int m_drainLimitMs = DrainLimitMs;
    int m_statusReplyLimitMs = StatusReplyLimitMs;
    QStringList m_failures;
    QElapsedTimer m_openClock;
    bool m_writeTimedOut = false;
    QString m_model;
    QString m_mac;
};
