#pragma once

// quillmark-virtual-printer as a library: one emulated printer of the family,
// run in-process by tests. Its services run on a thread of their own, so a
// test may use blocking sockets or a serial port against it from any thread.
//
//   VirtualPrinterOptions o;              // see VirtualPrinterOptions.h
//   o.rawPort = 0; o.httpPort = 0;        // 0: ephemeral, -1: off
//   o.netbiosPort = VirtualPrinterOptions::Off;
//   VirtualPrinter printer(o);
//   printer.start();                      // false if a requested service failed
//   ... connect to 127.0.0.1:printer.rawPort() ...
//   printer.setFlag(VpState::PaperOut, true);  // DLE EOT 2/4 answer accordingly
//   printer.waitForEvent("page", 5000);   // JSON event, see VpEventLog.h
//   printer.pages();                      // rendered pages (QImage, 0 dot / 255 paper)
//   printer.recordedForms();              // bodies POSTed to /config.cgi
//   printer.flushPage();                  // end the page (serial/USB never end a stream)
//   printer.unplug(); printer.replug();   // USB hot-plug (with usbSysfsRoot)
//   printer.stop();                       // also done by the destructor
//
// Once started, every public function may be called from any thread (start
// and stop from the owning thread). control() runs one command of the control
// interface (the same language as the program's stdin and --control socket;
// "help" lists it) and returns its one-line answer. Characters are drawn with
// system fonts, which needs a QGuiApplication in the process (QTEST_MAIN with
// the offscreen platform has one); without it text prints as blank cells.
//
// Command line: quillmark-virtual-printer [--address 127.0.0.1] [--model KVZ-L7N]
//   [--output DIR] [--raw-port 9100] [--http-port 80] [--netbios-port 137]
//   [--netbios-name NAME] [--paper 80|58] [--serial PATH|-] [--usb-sysfs ROOT]
//   [--usb-vid HEX] [--usb-pid HEX] [--usb-serial TEXT] [--mac MAC]
//   [--control SOCKET] [--cover-open ... --feed-button]
// It prints one line per service and then "ready":
//   "tcp listening ADDR:PORT", "http listening ADDR:PORT",
//   "netbios listening ADDR:PORT name NAME", "serial pty PTY [link PATH]",
//   "usb node ROOT/dev/usb/lpN pty PTY sysfs ROOT/class/usbmisc/lpN",
//   or "<service> not-bound ADDR:PORT REASON" / "not-opened" / "not-created".
// Exit codes: 0 after SIGINT/SIGTERM or "quit", 1 nothing could be served,
// 2 bad arguments.

#include "VirtualPrinterOptions.h"
#include "VpState.h"

#include <QHash>
#include <QImage>
#include <QJsonObject>
#include <QList>
#include <QScopedPointer>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>

class QThread;
class VpEngine;
class VpEventLog;

class VirtualPrinter
{
public:
    explicit VirtualPrinter(const VirtualPrinterOptions &options = VirtualPrinterOptions());
    // A printer whose services run on a thread it shares with others (a
    // fleet, VirtualPrinterFleet); the thread must run for as long as the
    // printer does and outlive it.
    VirtualPrinter(const VirtualPrinterOptions &options, QThread *sharedThread);
    ~VirtualPrinter();
    VirtualPrinter(const VirtualPrinter &) = delete;
    VirtualPrinter &operator=(const VirtualPrinter &) = delete;

    // Starts every requested service. serviceLines() then holds one line per
    // service ("tcp listening 127.0.0.1:9100", "http not-bound 127.0.0.1:80 ...").
    bool start(QString *error = nullptr);
    void stop();
    bool isRunning() const { return m_running; }
    QStringList serviceLines() const { return m_lines; }

    const VirtualPrinterOptions &options() const { return m_options; }
    // Where the network services listen now: options().address until a
    // network form moves the printer (see VpEngine::moveTo).
    QString address() const;
    quint16 rawPort() const;      // 0 when not serving
    quint16 httpPort() const;
    quint16 netbiosPort() const;
    QString serialPtyPath() const;
    QString usbNodePath() const;   // ROOT/dev/usb/lpN
    QString usbClassEntry() const; // ROOT/class/usbmisc/lpN
    QString usbDeviceDir() const;  // the USB device dir (idVendor, ...)

    // Printer state.
    void setFlag(VpState::Flag flag, bool on);
    bool setFlag(const QString &name, bool on);
    bool flag(VpState::Flag flag) const;
    void clearFlags();
    quint8 statusByte(int n) const;
    QByteArray setting(quint8 code) const;
    void setSetting(quint8 code, const QByteArray &value);
    QJsonObject snapshot() const;
    VpState *state() { return m_state.data(); }

    // What happened.
    QList<QJsonObject> events() const;
    QList<QJsonObject> events(const QString &name) const;
    qint64 lastEventSeq() const;
    // Waits for an event of this name after afterSeq; empty object on time-out.
    QJsonObject waitForEvent(const QString &name, int timeoutMs, qint64 afterSeq = 0) const;
    QList<QByteArray> recordedForms() const;
    // Pages stay readable after stop().
    QStringList pageFiles() const;
    QList<QImage> pages() const;
    // The bytes that arrived on a link ("tcp", "serial", "usb"), or on all
    // links in arrival order (empty source); kept after stop().
    QByteArray receivedBytes(const QString &source = QString()) const;
    void clearReceivedBytes();
    // The bytes the raw port has taken in and not yet decoded (bounded by its
    // receive buffer per connection); "tcp_buffered" of the status command.
    qint64 rawBufferedBytes() const;
    // Ends the current page now (serial and USB lines never end a stream on
    // their own; stop() and unplug() also end it).
    void flushPage();
    VpEventLog *eventLog() { return m_log.data(); }

    // USB hot-plug: entry and node removed and the pty closed / created again.
    bool unplug(QString *error = nullptr);
    bool replug(QString *error = nullptr);

    // Switched off: the network services stop answering (connections are
    // refused); switched on: they listen again where they did.
    bool setPowered(bool on, QString *error = nullptr);
    bool isPowered() const { return m_powered; }

    // One command of the control interface; returns "ok ..." or "error ...".
    QString control(const QString &line);
    static QString controlHelp();

private:
    bool startEngine(QString *error);
    // Runs fn on the printer's thread and waits for it to finish.
    void runOnEngine(const std::function<void()> &fn) const;

    VirtualPrinterOptions m_options;
    QScopedPointer<VpState> m_state;
    QScopedPointer<VpEventLog> m_log;
    QThread *m_thread = nullptr;
    std::shared_ptr<std::mutex> m_quitFence = std::make_shared<std::mutex>();
    // Set by the engine thread as it finishes, read after QThread::wait():
    // Qt's threads are detached and end under Qt's own lock, so without it
    // ThreadSanitizer sees no order between the thread's last work and the
    // frees that follow the wait.
    std::shared_ptr<std::atomic<bool>> m_threadFinished;
    VpEngine *m_engine = nullptr;
    bool m_ownThread = true;
    std::atomic<bool> m_powered{true};
    QStringList m_lines;
    bool m_running = false;
    QStringList m_stoppedPageFiles;
    QList<QImage> m_stoppedPages;
    QHash<QString, QByteArray> m_stoppedReceived;
};
