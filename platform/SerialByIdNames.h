#pragma once

#include <QString>
#include <QStringList>

// The stable names udev gives serial adapters in a by-id directory
// (/dev/serial/by-id/usb-Maker_Adapter_1234-if00-port0 -> ../../ttyUSB0).
// The directory comes from the caller so tests can stand a fake in its place.
class SerialByIdNames
{
public:
    static constexpr const char *SystemDirectory = "/dev/serial/by-id";

    explicit SerialByIdNames(QString directory = QString::fromLatin1(SystemDirectory));

    QString directory() const { return m_directory; }

    struct Alias
    {
        QString path;   // the by-id name, absolute
        QString target; // the device node it leads to, absolute and resolved
    };
    // Names whose device node exists, sorted by name; none when the directory
    // is missing (no adapter plugged in).
    QList<Alias> aliases() const;

private:
    QString m_directory;
};
