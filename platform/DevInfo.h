#pragma once

#include <QList>
#include <QMetaType>
#include <QString>

// One device as a transport found it. TCP devices fill ip, mac and name;
// USB devices vpid, model, manufacturer and devPath.
struct DevInfo
{
    QString ip;
    QString mac;
    QString name;
    QString vpid;
    QString model;
    QString manufacturer;
    QString devPath;

    bool operator==(const DevInfo &o) const
    {
        return ip == o.ip && mac == o.mac && name == o.name && vpid == o.vpid && model == o.model
            && manufacturer == o.manufacturer && devPath == o.devPath;
    }
    bool operator!=(const DevInfo &o) const { return !(*this == o); }
};

Q_DECLARE_METATYPE(DevInfo)
Q_DECLARE_METATYPE(QList<DevInfo>)
