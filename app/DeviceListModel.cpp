#include "app/DeviceListModel.h"

#include "transport/serial/SerialPortManager.h"
#include "transport/spooler/PrintDriverManager.h"
#include "transport/tcp/TcpDeviceManager.h"
#include "transport/usb/USBDeviceManager.h"

namespace {

QString field(const DevInfo &d, int role)
{
    switch (role) {
    case Qt::DisplayRole:
    case DeviceListModel::NameRole: return d.name;
    case DeviceListModel::IpRole: return d.ip;
    case DeviceListModel::MacRole: return d.mac;
    case DeviceListModel::VpidRole: return d.vpid;
    case DeviceListModel::ModelNameRole: return d.model;
    case DeviceListModel::ManufacturerRole: return d.manufacturer;
    case DeviceListModel::DevPathRole: return d.devPath;
    default: return QString();
    }
}

} // namespace

DeviceListModel::DeviceListModel(TcpDeviceManager *manager, QObject *parent) : QAbstractListModel(parent)
{
    m_unknownTexts = {{NameRole, QT_TR_NOOP("未知设备")},
                      {IpRole, QT_TR_NOOP("未知IP")},
                      {MacRole, QT_TR_NOOP("未知MAC")}};
    connect(manager, &TcpDeviceManager::sigSearchStarted, this, &DeviceListModel::beginSearch);
    connect(manager, &TcpDeviceManager::sigDeviceFoundTcp, this, &DeviceListModel::addFound);
    connect(manager, &TcpDeviceManager::sigScanOverTcp, this,
            [this, manager] { finishSearch(manager->getDeviceList()); });
}

DeviceListModel::DeviceListModel(USBDeviceManager *manager, QObject *parent) : QAbstractListModel(parent)
{
    m_unknownTexts = {{VpidRole, QT_TR_NOOP("未知V/PID")},
                      {ModelNameRole, QT_TR_NOOP("未知型号")},
                      {ManufacturerRole, QT_TR_NOOP("未知厂商")},
                      {DevPathRole, QT_TR_NOOP("未知地址")}};
    connect(manager, &USBDeviceManager::sigScanOverUsb, this, [this, manager] { setDevices(manager->getDeviceList()); });
    setDevices(manager->getDeviceList());
}

DeviceListModel::DeviceListModel(SerialPortManager *manager, QObject *parent) : QAbstractListModel(parent)
{
    connect(manager, &SerialPortManager::availablePortsChanged, this,
            [this, manager] { setDevices(manager->getDeviceList()); });
    setDevices(manager->getDeviceList());
}

DeviceListModel::DeviceListModel(PrintDriverManager *manager, QObject *parent) : QAbstractListModel(parent)
{
    connect(manager, &PrintDriverManager::availablePrintersChanged, this,
            [this, manager] { setDevices(manager->getDeviceList()); });
    setDevices(manager->getDeviceList());
}

DeviceListModel::~DeviceListModel() = default;

DevInfo DeviceListModel::deviceOf(const QVariantMap &entry)
{
    DevInfo d;
    d.name = entry.value(QStringLiteral("name")).toString();
    d.ip = entry.value(QStringLiteral("ip")).toString();
    d.mac = entry.value(QStringLiteral("mac")).toString();
    d.vpid = entry.value(QStringLiteral("vpid")).toString();
    d.model = entry.value(QStringLiteral("model")).toString();
    d.manufacturer = entry.value(QStringLiteral("manufacturer")).toString();
    d.devPath = entry.value(QStringLiteral("devPath")).toString();
    return d;
}

int DeviceListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.size();
}

QVariant DeviceListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return QVariant();
    const QString value = field(m_rows.at(index.row()), role);
    if (value.isEmpty() && m_unknownTexts.contains(role))
        return tr(m_unknownTexts.value(role));
    return value;
}

QHash<int, QByteArray> DeviceListModel::roleNames() const
{
    return {{NameRole, "name"},
            {IpRole, "ip"},
            {MacRole, "mac"},
            {VpidRole, "vpid"},
            {ModelNameRole, "modelName"},
            {ManufacturerRole, "manufacturer"},
            {DevPathRole, "devPath"}};
}

QVariantMap DeviceListModel::get(int row) const
{
    QVariantMap entry;
    if (row < 0 || row >= m_rows.size())
        return entry;
    const QHash<int, QByteArray> roles = roleNames();
    for (auto it = roles.cbegin(); it != roles.cend(); ++it)
        entry.insert(QString::fromLatin1(it.value()), data(index(row), it.key()));
    return entry;
}

void DeviceListModel::append(const QVariantMap &device)
{
    beginInsertRows(QModelIndex(), m_rows.size(), m_rows.size());
    m_rows.append(deviceOf(device));
    endInsertRows();
    emit countChanged();
}

void DeviceListModel::remove(int row)
{
    if (row < 0 || row >= m_rows.size())
        return;
    beginRemoveRows(QModelIndex(), row, row);
    m_rows.removeAt(row);
    endRemoveRows();
    emit countChanged();
}

void DeviceListModel::setDevices(const QVariantList &entries)
{
    const int before = m_rows.size();
    beginResetModel();
    m_rows.clear();
    for (const QVariant &entry : entries)
        m_rows.append(deviceOf(entry.toMap()));
    endResetModel();
    if (m_rows.size() != before)
        emit countChanged();
}

void DeviceListModel::beginSearch()
{
    setDevices({});
    setSearching(true);
}

void DeviceListModel::addFound(const QVariantMap &entry)
{
    if (!m_searching)
        return;
    const DevInfo device = deviceOf(entry);
    if (m_rows.contains(device))
        return;
    beginInsertRows(QModelIndex(), m_rows.size(), m_rows.size());
    m_rows.append(device);
    endInsertRows();
    emit countChanged();
}

void DeviceListModel::finishSearch(const QVariantList &entries)
{
    setDevices(entries);
    setSearching(false);
}

void DeviceListModel::setSearching(bool searching)
{
    if (searching == m_searching)
        return;
    m_searching = searching;
    emit searchingChanged();
}
