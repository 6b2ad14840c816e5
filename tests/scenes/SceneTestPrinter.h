#pragma once

#include <QObject>
#include <QVariantList>
#include <QVariantMap>

#include <memory>
#include <vector>

class VirtualPrinter;

// One in-process virtual printer as the scene tests see it.
class SceneVirtualPrinter : public QObject
{
    Q_OBJECT
    // Where it listens now (a network form may move it to another 127.x address).
    Q_PROPERTY(QString address READ address)
    Q_PROPERTY(int rawPort READ rawPort CONSTANT)
    Q_PROPERTY(int httpPort READ httpPort CONSTANT)
    Q_PROPERTY(QString serialPath READ serialPath CONSTANT)
    Q_PROPERTY(QString usbNodePath READ usbNodePath CONSTANT)
    Q_PROPERTY(QStringList serviceLines READ serviceLines CONSTANT)
public:
    explicit SceneVirtualPrinter(std::unique_ptr<VirtualPrinter> printer, QObject *parent = nullptr);
    ~SceneVirtualPrinter() override;

    QString address() const;
    int rawPort() const;
    int httpPort() const;
    QString serialPath() const;
    QString usbNodePath() const;
    QStringList serviceLines() const;

    // Bytes that arrived ("tcp", "serial", "usb" or all links for ""), as
    // upper-case hexadecimal pairs separated by blanks ("1B 40").
    Q_INVOKABLE QString receivedHex(const QString &source = QString()) const;
    Q_INVOKABLE int receivedCount(const QString &source = QString()) const;
    Q_INVOKABLE void clearReceived();
    // The event log (see VpEventLog.h): entries as JS objects.
    Q_INVOKABLE QVariantList events(const QString &name = QString()) const;
    Q_INVOKABLE QVariantList eventsSince(int seq) const;
    Q_INVOKABLE int lastEventSeq() const;
    // Bodies POSTed to /config.cgi, as text.
    Q_INVOKABLE QStringList recordedForms() const;
    Q_INVOKABLE int pageCount() const;
    // The last page printed (a QImage, for sceneTest.readBarcodeImage); null
    // before the first.
    Q_INVOKABLE QVariant lastPage() const;
    // Compares the printer's page `page` (from the end when negative: -1 the
    // last) with page `previewPage` of a print preview (a PrintPreview):
    // empty when they are the same picture, else what differs.
    Q_INVOKABLE QString comparePage(int page, QObject *preview, int previewPage = 0) const;
    // How the last page differs from `dots` (a 1-bit picture such as a
    // preview's image) printed centred at `scale` times its size on top of
    // blank paper (see PrintedDots); empty when it holds exactly those dots.
    Q_INVOKABLE QString lastPageDifference(const QVariant &dots, int scale = 1) const;
    Q_INVOKABLE void flushPage();
    // A line of the control language ("set paper_out on", "setting A7 41 42", ...).
    Q_INVOKABLE QString control(const QString &line);
    Q_INVOKABLE bool setFlag(const QString &name, bool on);
    Q_INVOKABLE bool unplug();
    Q_INVOKABLE bool replug();
    Q_INVOKABLE void stop();

    VirtualPrinter *printer() const { return m_printer.get(); }

private:
    std::unique_ptr<VirtualPrinter> m_printer;
};

// Starts virtual printers for scene tests (context property `testPrinter`).
class SceneTestPrinter : public QObject
{
    Q_OBJECT
public:
    explicit SceneTestPrinter(const QString &usbRoot, QObject *parent = nullptr);
    ~SceneTestPrinter() override;

    // Options (all optional): address ("127.0.0.1"), model ("KVZ-L7N"),
    // rawPort (9100; 0 ephemeral, -1 off), httpPort (-1), netbiosPort (-1),
    // netbiosName, mac ("001122334455"), paper (80), serial (false: a pty,
    // see serialPath), usb (false: a USB printer in the run's fake USB tree),
    // usbVid/usbPid (hex text), usbSerial, flags (list of names such as
    // "paper_out"). Returns null when a requested service could not start
    // (the reason goes to the test's output).
    Q_INVOKABLE SceneVirtualPrinter *start(const QVariantMap &options = QVariantMap());
    // A host that accepts on the print port (9100) and on its web port (80)
    // but never answers a page request: it holds a LAN search up to the page
    // limits. False when the ports could not be bound.
    Q_INVOKABLE bool startSilentHost(const QString &address);
    Q_INVOKABLE void stopAll();

private:
    QString m_usbRoot;
    std::vector<SceneVirtualPrinter *> m_printers; // children of this object
    std::vector<QObject *> m_silentHosts;          // children of this object
};
