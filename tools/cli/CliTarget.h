#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class BaseDeviceManager;
class PrintDriverManager;
class SerialPortManager;
class TcpDeviceManager;
class USBDeviceManager;

// The printer a command talks to, named on the command line by one of
// --tcp ADDRESS, --usb NODE, --serial PATH[:BAUD] or --queue NAME. Owns the
// one device manager of that transport, connects it, and waits (bounded) for
// what the back end does in the event loop: bytes still to be written,
// status replies, a line that went away, errors the transport reports.
class CliTarget : public QObject
{
    Q_OBJECT
public:
    enum class Kind { None, Tcp, Usb, Serial, Queue };

    struct Endpoint
    {
        Kind kind = Kind::None;
        QString address; // IPv4 address, node, port path or queue name
        QString baud;    // serial only; empty for the default
    };

    // Time allowed for written bytes to leave and for a status reply.
    static constexpr int DrainLimitMs = 5000;
    static constexpr int StatusReplyLimitMs = 1500;
    static constexpr const char *DefaultBaud = "9600";

    // Takes a target option ("--tcp A" or "--tcp=A", ...) at args[*index]; true
    // when one was taken (index moved past it). A second target or a missing
    // value is an error.
    static bool takeOption(const QStringList &args, int *index, Endpoint *endpoint, QString *error);
    static QString describe(const Endpoint &endpoint);

    explicit CliTarget(const Endpoint &endpoint, QObject *parent = nullptr);
    ~CliTarget() override;

    const Endpoint &endpoint() const { return m_endpoint; }
    BaseDeviceManager *manager() const { return m_manager; }

    // Connects; on failure error holds the transport's failure text.
    bool open(QString *error);
    // The transport answers status requests (TCP, USB, serial).
    bool answersStatus() const { return m_endpoint.kind != Kind::Queue; }

    // Starts collecting the errors the transport reports (log lines at error
    // level, serial and spooler failure signals).
    void beginOperation();
    // Lets written bytes leave and events run; false when errors were
    // reported (in errors).
    bool finishOperation(QStringList *errors);
    // Lets pending events (a closed line, hot-plug) arrive, then tells whether
    // the printer is still connected; the text for a lost one is lostMessage().
    bool stillConnected();
    bool isConnected();
    QString lostMessage() const;

    // Sends one real-time status request (0 printer ... 3 paper) and waits for
    // the reply; empty when none came.
    QString queryStatus(int status);

    // Sends bytes as they are, through the transport's own data path; false
    // when the printer went away before all of them were handed over.
    bool sendBytes(const QByteArray &bytes);

    void close();

private:
    void drain();
    void noteError(const QString &text);

    Endpoint m_endpoint;
    BaseDeviceManager *m_manager = nullptr;
    TcpDeviceManager *m_tcp = nullptr;
    USBDeviceManager *m_usb = nullptr;
    SerialPortManager *m_serial = nullptr;
    PrintDriverManager *m_queue = nullptr;
    bool m_opened = false;
    bool m_collecting = false;
    QStringList m_errors;
    QString m_connectError;
};
