#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QMap>
#include <mutex>
#include <QString>
#include <QStringList>

// Everything the printer knows about itself that outlives one command: the
// status flags a test can set, the settings table read and written through
// the settings frame, the maker's settings, and the network forms received.
// Thread-safe.
class VpState
{
public:
    enum Flag {
        CoverOpen,
        PaperOut,
        PaperNearEnd,
        DrawerOpen,
        CutterError,
        UnrecoverableError,
        HeadOverheat,
        Offline,
        FeedButton,
        NoReply, // takes commands but answers none (status, settings reads)
        MechanicalError,
        AutoRecoverableError, // like HeadOverheat: error status bit 6
        FlagCount
    };

    // Setting codes of the settings frame.
    enum Setting : quint8 {
        InstructionSet = 0xA2,
        PaperType = 0xA3,
        SpeedMode = 0xA4,
        DensityMode = 0xA5,
        CharacterMode = 0xA6,
        BluetoothName = 0xA7,
        BluetoothPin = 0xA8,
        BluetoothAddress = 0xA9,
    };

    // Names used on the command line ("--cover-open") and the control
    // interface ("set cover_open 1").
    static QString flagName(Flag flag);
    static bool flagFromName(const QString &name, Flag *flag);
    static QStringList flagNames();
    static QString settingName(quint8 code);

    explicit VpState(const QString &model = QStringLiteral("KVZ-L7N"));

    void setFlag(Flag flag, bool on);
    bool flag(Flag flag) const;

    // Reply to DLE EOT n (n = 1..4); bits 1 and 4 are always set.
    quint8 statusByte(int n) const;
    // Reply to GS r n (1 paper sensor, 2 drawer).
    quint8 transmitStatusByte(int n) const;

    QByteArray setting(quint8 code) const;
    bool setSetting(quint8 code, const QByteArray &value);
    // The settings answer frame for a read of code.
    QByteArray settingsReply(quint8 code) const;
    // The settings frame checksum: sum of bytes modulo 256.
    static quint8 checksum(const QByteArray &bytes);

    // The maker's settings (lamp colours, switches, density, ...), by key.
    void setMaker(const QString &key, const QJsonValue &value);
    QJsonObject makerSettings() const;

    // The address the network services listen on (it follows network forms).
    QString address() const;
    void setAddress(const QString &address);

    QString model() const;
    void setModel(const QString &model);

    // Network configuration forms POSTed to /config.cgi, in order.
    void recordForm(const QByteArray &body);
    QList<QByteArray> forms() const;

    // Factory reset: settings table and maker settings back to defaults.
    void factoryReset();

    QJsonObject snapshot() const;

private:
    void resetTablesLocked();

    mutable std::mutex m_mutex; // std::mutex: ThreadSanitizer sees its ordering
    bool m_flags[FlagCount] = {};
    QMap<quint8, QByteArray> m_settings;
    QJsonObject m_maker;
    QString m_model;
    QString m_address;
    QList<QByteArray> m_forms;
};
