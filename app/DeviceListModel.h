#pragma once

#include "platform/DevInfo.h"

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QVariantList>
#include <QVariantMap>

class PrintDriverManager;
class SerialPortManager;
class TcpDeviceManager;
class USBDeviceManager;

// The devices one transport offers, as its connection page lists them. The
// rows follow the transport's manager: the list of each finished search or
// refresh replaces them (a LAN search empties them as it starts and shows each
// printer as soon as it is identified), hot-plug included, since the USB
// manager lists again on every change. Entries the user adds or removes on the
// page stay until the list comes again.
//
// Roles carry the device-list keys: name, ip, mac, vpid, manufacturer and
// devPath, and modelName for the model (a role called "model" would be hidden
// by the delegate's own `model`). An empty field of the ones a transport shows
// reads as its "unknown" text (TCP: name, ip, mac; USB: vpid, model,
// manufacturer, path).
class DeviceListModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int count READ count NOTIFY countChanged)
    // A LAN search runs: from its start to the end of its list.
    Q_PROPERTY(bool searching READ searching NOTIFY searchingChanged)
public:
    enum Role {
        NameRole = Qt::UserRole + 1,
        IpRole,
        MacRole,
        VpidRole,
        ModelNameRole,
        ManufacturerRole,
        DevPathRole,
    };
    Q_ENUM(Role)

    explicit DeviceListModel(TcpDeviceManager *manager, QObject *parent = nullptr);
    explicit DeviceListModel(USBDeviceManager *manager, QObject *parent = nullptr);
    explicit DeviceListModel(SerialPortManager *manager, QObject *parent = nullptr);
    explicit DeviceListModel(PrintDriverManager *manager, QObject *parent = nullptr);
    ~DeviceListModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    int count() const { return m_rows.size(); }
    bool searching() const { return m_searching; }
    DevInfo device(int row) const { return m_rows.value(row); }

    // The row as role name to value (as the delegates read it); empty for a
    // row that does not exist.
    Q_INVOKABLE QVariantMap get(int row) const;
    // Lists a device the page found itself (a printer tested by its address),
    // keys as in the device lists ("name", "ip", "mac", ...); listed again if
    // already there.
    Q_INVOKABLE void append(const QVariantMap &device);
    // Takes a row off the page; the transport still knows the device.
    Q_INVOKABLE void remove(int row);

    // The device of a device-list entry.
    static DevInfo deviceOf(const QVariantMap &entry);

signals:
    void countChanged();
    void searchingChanged();

private:
    // Device-list entries ("name", "ip", "mac", "vpid", "model",
    // "manufacturer", "devPath") replace the rows.
    void setDevices(const QVariantList &entries);
    void beginSearch();
    // A printer identified while the search runs, unless already listed.
    void addFound(const QVariantMap &entry);
    void finishSearch(const QVariantList &entries);
    void setSearching(bool searching);

    QList<DevInfo> m_rows;
    bool m_searching = false;
    // Role to the untranslated "unknown" text of an empty field.
    QHash<int, const char *> m_unknownTexts;
};
