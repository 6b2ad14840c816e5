#pragma once

#include "platform/DevInfo.h"

#include <QObject>
#include <QString>

// The connection of one transport as the window shows it: whether a printer
// is connected, and which (the fields its transport fills: TCP name, ip and
// mac; USB vpid, model, manufacturer and path; serial the port as name; the
// spooler the queue as name). The view model keeps it in step with the
// transport's manager.
class DeviceConnection : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool connected READ isConnected NOTIFY changed)
    Q_PROPERTY(QString name READ name NOTIFY changed)
    Q_PROPERTY(QString ip READ ip NOTIFY changed)
    Q_PROPERTY(QString mac READ mac NOTIFY changed)
    Q_PROPERTY(QString vpid READ vpid NOTIFY changed)
    Q_PROPERTY(QString modelName READ modelName NOTIFY changed)
    Q_PROPERTY(QString manufacturer READ manufacturer NOTIFY changed)
    Q_PROPERTY(QString devPath READ devPath NOTIFY changed)
public:
    explicit DeviceConnection(QObject *parent = nullptr);
    ~DeviceConnection() override;

    bool isConnected() const { return m_connected; }
    DevInfo device() const { return m_device; }
    QString name() const { return m_device.name; }
    QString ip() const { return m_device.ip; }
    QString mac() const { return m_device.mac; }
    QString vpid() const { return m_device.vpid; }
    QString modelName() const { return m_device.model; }
    QString manufacturer() const { return m_device.manufacturer; }
    QString devPath() const { return m_device.devPath; }

    // A connection to the device was made (again).
    void open(const DevInfo &device);
    // The connection ended; nothing happens when there was none.
    void close();

signals:
    void changed();
    void opened();
    void closed();

private:
    bool m_connected = false;
    DevInfo m_device;
};
