#pragma once

#include "device/CommandOperations.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>

// The operations the scenes call on the current device manager
// (deviceViewModel.communication), listed in device/CommandOperations.h. Every
// command operation is implemented once, in BaseDeviceManager.
class CommunicationInterface : public QObject
{
    Q_OBJECT
public:
    explicit CommunicationInterface(QObject *parent = nullptr) : QObject(parent) {}
    ~CommunicationInterface() override = default;

    // The operations of device/CommandOperations.h, each overridable.
#define QM_DECLARE_OPERATION(result, name, parameters) Q_INVOKABLE virtual result name parameters;
    QM_COMMAND_OPERATIONS(QM_DECLARE_OPERATION)
#undef QM_DECLARE_OPERATION

signals:
    void sigScanOver();
    void sigScanOverTcp();
    void sigScanOverUsb();
    void connectionStatusChanged(bool connected);
    void sigConnectionFailTcp(QString errorMessage);
    void sigConnectionFailUsb(QString errorMessage);
};
