#pragma once

#include <QList>
#include <QPair>
#include <QString>

// One printer to watch, as a line of a targets file names it: a transport and
// its address in the command line's own forms (tcp:10.1.2.3, usb:/dev/usb/lp0,
// serial:/dev/ttyUSB0:9600, queue:NAME) and the labels the user gave it
// (site=shop-17 till=2).
class PrinterTarget
{
public:
    enum class Transport { Tcp, Usb, Serial, Queue };
    using Label = QPair<QString, QString>;

    // A serial line without a speed runs at this one.
    static constexpr int DefaultBaud = 9600;
    // The speeds a serial target may name.
    static const QList<int> &serialSpeeds();

    Transport transport = Transport::Tcp;
    QString address; // IPv4 address, device node, serial port or queue name
    int baud = 0;    // serial only; 0 for the default
    QList<Label> labels;
    int line = 0;    // line of the targets file; 0 when it came from elsewhere

    // "tcp", "usb", "serial" or "queue".
    static QString transportName(Transport transport);
    QString transportName() const { return transportName(transport); }

    // The target as written, without labels ("serial:/dev/ttyUSB0:9600").
    QString text() const;
    // What makes two targets the same printer: transport and address (a
    // serial port is one printer whatever its speed).
    QString identity() const;
    // Whether the printer answers real-time status requests (a queue does not).
    bool answersStatus() const { return transport != Transport::Queue; }

    bool operator==(const PrinterTarget &other) const;
    bool operator!=(const PrinterTarget &other) const { return !(*this == other); }
};
