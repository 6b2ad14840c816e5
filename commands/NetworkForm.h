#pragma once

#include "commands/CommType.h"
#include "platform/DevInfo.h"

#include <QByteArray>
#include <QObject>
#include <QString>

// The printer's own network settings: over TCP a form for the printer's web
// server (its layout depends on the model; the transport POSTs it), over USB
// the 1F 69 command.
class NetworkForm : public QObject
{
    Q_OBJECT
public:
    NetworkForm(CommType type, const DevInfo &device);

    DevInfo device() const { return m_device; }

    void sendNetwork(const QString &editIP, const QString &editMask, const QString &editGateway, int dhcp, int beep,
                     int cut, int beepType, int printMode, int density);

    // The form for a model; false when no request is to be made (DHCP off with
    // an unknown model). DHCP on with an unknown model gives an empty body.
    static bool formBody(const QString &model, const QString &mac, const QString &ip, const QString &mask,
                         const QString &gateway, int dhcp, int beep, int cut, int beepType, int printMode,
                         int density, QString *body);
    // 1F 69 address 1F 25 00 mask 1F 25 01 gateway; empty when any text is no
    // address (DottedQuad).
    static QByteArray usbCommand(const QString &ip, const QString &mask, const QString &gateway);
    static QString configUrl(const QString &ip);

signals:
    void sigSendData(CommType type, QByteArray dataArray);
    // A form to POST to the printer's web server at url.
    void sigPostForm(QString url, QString body);

private:
    void sendOverTcp(const QString &editIP, const QString &editMask, const QString &editGateway, int dhcp, int beep,
                     int cut, int beepType, int printMode, int density);
    void sendOverUsb(const QString &editIP, const QString &editMask, const QString &editGateway);

    CommType m_type;
    DevInfo m_device;
};
