#pragma once

#include "device/BaseDeviceManager.h"

#include <QByteArray>

// The target of --preview: a transport that moves no bytes. The builders are
// set up as for a network printer and everything they would send is kept, so
// that it can be drawn instead of printed.
class CliPreviewManager : public BaseDeviceManager
{
    Q_OBJECT
public:
    explicit CliPreviewManager(QObject *parent = nullptr);

    bool openDevice(const QString &name, const QString &ip, const QString &mac, const QString &devPath) override;
    void closeDevice() override {}
    bool writeRaw(const QByteArray &data) override;
    void refreshDevices() override {}
    QVariantList deviceList() override { return {}; }
    QString modeName() const override { return QStringLiteral("Preview"); }

    // Everything that would have gone to the printer, in order.
    const QByteArray &bytes() const { return m_bytes; }

public slots:
    void onBuilderData(CommType type, const QByteArray &data) override;

private:
    QByteArray m_bytes;
};
