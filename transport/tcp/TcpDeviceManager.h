#pragma once

#include "device/BaseDeviceManager.h"
#include "platform/DevInfo.h"

#include <QList>
#include <QVariantMap>

#include <atomic>
#include <memory>

class NetworkSettingsPost;
class ThreadQuitFence;
class QTcpSocket;
class QThread;
class ScanWorker;

// Printers on the local network: a raw connection to the print port, the LAN
// search (run by a ScanWorker on a thread of its own), the one-address test
// and the custom search segment. A connect returns its outcome; while it
// waits for it (ConnectWaitMs at most) the event loop keeps running. Each
// connection made and each disconnect say so with connectionStatusChanged.
class TcpDeviceManager : public BaseDeviceManager
{
    Q_OBJECT
public:
    static constexpr quint16 PrintPort = 9100;
    static constexpr int ConnectWaitMs = 100;

    explicit TcpDeviceManager(QObject *parent = nullptr);
    ~TcpDeviceManager() override;

    bool openDevice(const QString &name, const QString &ip, const QString &mac, const QString &devPath) override;
    void closeDevice() override;
    bool writeRaw(const QByteArray &data) override;
    void refreshDevices() override;
    QVariantList deviceList() override;
    QString modeName() const override { return QStringLiteral("TCP"); }
    // True while the socket to the printer is connected.
    bool linkUp() const override;
    // Bytes handed to the socket that the printer's end has not yet
    // acknowledged (in Qt's buffer or in the kernel's send queue); -1 while
    // not connected.
    qint64 unacknowledgedBytes() const;

    // How long a connect may take (the command line's fleet commands wait
    // longer for printers at remote sites).
    void setConnectWaitMs(int ms) { m_connectWaitMs = ms; }
    // Why the last connect failed ("Connection refused", "Network
    // unreachable", a timeout); empty after a connect that succeeded.
    QString connectFailure() const { return m_connectFailure; }

    Q_INVOKABLE void testDeviceConnection(const QString &ip);
    Q_INVOKABLE void setTcpNetworkSegment(const QString &segment);
    // A network settings form is on its way; sigNetworkPostFinished follows.
    bool networkPostPending() const;

    // Test hook: the worker, to script it before a search.
    ScanWorker *scanWorker() const { return m_worker; }

public slots:
    void onBuilderData(CommType type, const QByteArray &data) override;

signals:
    // Requests to the scan worker, queued to its thread.
    void operate();
    void sigTestDevice(QString ip);
    void sigSegmentChanged(QString segment);
    void sigTestConnectionResult(QString ip, QString mac, QString name, bool success, QString errorMsg);
    void sigSearchProgress(int progress);
    // A LAN search begins: the device list is empty until its end.
    void sigSearchStarted();
    // One printer identified while the search runs, as a device-list entry
    // (keys "name", "ip", "mac"); the list of the finished search follows with
    // sigScanOverTcp.
    void sigDeviceFoundTcp(QVariantMap device);
    // The network settings form posted by setNetworkClicked has its answer:
    // the HTTP status, or 0 after sigOperationFailed.
    void sigNetworkPostFinished(int httpStatus);

protected:
    void postNetworkForm(const QString &url, const QString &body) override;

private slots:
    void slotAddDevList(const QString &ip, const QString &mac, const QString &name);
    void slotScanOver();
    void slotDeviceIdentified(const QString &ip, const QString &mac, const QString &name);
    void slotTestDeviceResult(const QString &ip, const QString &mac, const QString &name, bool success, const QString &errorMsg);

private:
    // Waits at most the connect wait (ConnectWaitMs unless set) for the connection started on the socket,
    // running the event loop meanwhile (not user input); true when connected.
    bool waitUntilConnected();

    QTcpSocket *m_tcpSock = nullptr;
    int m_connectWaitMs = ConnectWaitMs;
    QString m_connectFailure;
    NetworkSettingsPost *m_networkPost = nullptr;
    QThread *m_scanThread = nullptr;
    std::unique_ptr<ThreadQuitFence> m_scanThreadStop;
    ScanWorker *m_worker = nullptr;
    // Set by the scan thread as its worker goes, read after QThread::wait():
    // Qt's threads are detached and end under Qt's own lock, so without it
    // ThreadSanitizer sees no order between the thread's last work and the
    // frees that follow the wait.
    std::atomic<bool> m_workerGone{false};
    DevInfo m_currentDevice;
    QList<DevInfo> m_devices;
};
