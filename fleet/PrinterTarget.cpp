#include "fleet/PrinterTarget.h"

const QList<int> &PrinterTarget::serialSpeeds()
{
    static const QList<int> speeds{1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200, 230400, 460800, 921600};
    return speeds;
}

QString PrinterTarget::transportName(Transport transport)
{
    switch (transport) {
    case Transport::Tcp: return QStringLiteral("tcp");
    case Transport::Usb: return QStringLiteral("usb");
    case Transport::Serial: return QStringLiteral("serial");
    case Transport::Queue: return QStringLiteral("queue");
    }
    return QString();
}

QString PrinterTarget::text() const
{
    QString text = identity();
    if (transport == Transport::Serial && baud > 0)
        text += QLatin1Char(':') + QString::number(baud);
    return text;
}

QString PrinterTarget::identity() const
{
    return transportName() + QLatin1Char(':') + address;
}

bool PrinterTarget::operator==(const PrinterTarget &other) const
{
    return transport == other.transport && address == other.address && baud == other.baud && labels == other.labels;
}
