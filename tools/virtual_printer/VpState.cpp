#include "VpState.h"

#include <QJsonArray>

namespace {

constexpr quint8 Dle = 0x10;
constexpr quint8 FixedBits = 0x12;       // bits 1 and 4 of every status byte
constexpr quint8 DrawerClosedBit = 0x04; // DLE EOT 1
constexpr quint8 OfflineBit = 0x08;      // DLE EOT 1
constexpr quint8 CoverBit = 0x04;        // DLE EOT 2
constexpr quint8 FeedButtonBit = 0x08;   // DLE EOT 2
constexpr quint8 PaperStopBit = 0x20;    // DLE EOT 2
constexpr quint8 ErrorBit = 0x40;        // DLE EOT 2
constexpr quint8 MechanicalBit = 0x04;   // DLE EOT 3
constexpr quint8 CutterBit = 0x08;       // DLE EOT 3
constexpr quint8 UnrecoverableBit = 0x20; // DLE EOT 3
constexpr quint8 AutoRecoverableBit = 0x40; // DLE EOT 3 (head temperature or voltage)
constexpr quint8 NearEndBits = 0x0C;     // DLE EOT 4
constexpr quint8 PaperEndBits = 0x60;    // DLE EOT 4

const char *const FlagNames[VpState::FlagCount] = {
    "cover_open", "paper_out", "paper_near_end", "drawer_open", "cutter_error",
    "unrecoverable_error", "head_overheat", "offline", "feed_button", "no_reply",
    "mechanical_error", "auto_recoverable_error",
};

} // namespace

QString VpState::flagName(Flag flag)
{
    return flag >= 0 && flag < FlagCount ? QLatin1String(FlagNames[flag]) : QString();
}

bool VpState::flagFromName(const QString &name, Flag *flag)
{
    QString n = name.trimmed().toLower();
    n.replace(QLatin1Char('-'), QLatin1Char('_'));
    for (int i = 0; i < FlagCount; ++i) {
        if (n == QLatin1String(FlagNames[i])) {
            *flag = Flag(i);
            return true;
        }
    }
    return false;
}

QStringList VpState::flagNames()
{
    QStringList out;
    for (const char *n : FlagNames)
        out << QLatin1String(n);
    return out;
}

QString VpState::settingName(quint8 code)
{
    switch (code) {
    case InstructionSet: return QStringLiteral("instruction_set");
    case PaperType: return QStringLiteral("paper_type");
    case SpeedMode: return QStringLiteral("speed_mode");
    case DensityMode: return QStringLiteral("density_mode");
    case CharacterMode: return QStringLiteral("character_mode");
    case BluetoothName: return QStringLiteral("bluetooth_name");
    case BluetoothPin: return QStringLiteral("bluetooth_pin");
    case BluetoothAddress: return QStringLiteral("bluetooth_address");
    default: return QString();
    }
}

VpState::VpState(const QString &model) : m_model(model)
{
    resetTablesLocked();
}

void VpState::resetTablesLocked()
{
    m_settings.clear();
    m_settings[InstructionSet] = QByteArray(1, 0);
    m_settings[PaperType] = QByteArray(1, 0);
    m_settings[SpeedMode] = QByteArray(1, 0);
    m_settings[DensityMode] = QByteArray(1, 0);
    m_settings[CharacterMode] = QByteArray(1, 0);
    m_settings[BluetoothName] = (m_model.isEmpty() ? QStringLiteral("KVZ") : m_model).toLatin1() + "_BT";
    m_settings[BluetoothPin] = "1234";
    m_settings[BluetoothAddress] = "DC:0D:30:5A:00:01";
    m_maker = QJsonObject{
        {QStringLiteral("print_mode"), 1}, // Chinese-character mode at power-on
        {QStringLiteral("buzzer_switch"), 1},
        {QStringLiteral("knife_switch"), 1},
        {QStringLiteral("density"), 2},
        {QStringLiteral("error_beep"), 0},
        {QStringLiteral("model_name"), m_model},
        {QStringLiteral("baud_rate"), 115200},
    };
}

void VpState::setFlag(Flag flag, bool on)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (flag >= 0 && flag < FlagCount)
        m_flags[flag] = on;
}

bool VpState::flag(Flag flag) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return flag >= 0 && flag < FlagCount && m_flags[flag];
}

quint8 VpState::statusByte(int n) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const bool autoRecoverable = m_flags[HeadOverheat] || m_flags[AutoRecoverableError];
    const bool anyError =
        m_flags[CutterError] || m_flags[UnrecoverableError] || m_flags[MechanicalError] || autoRecoverable;
    const bool offline = m_flags[Offline] || m_flags[CoverOpen] || m_flags[PaperOut] || m_flags[FeedButton] || anyError;
    quint8 b = FixedBits;
    switch (n) {
    case 1:
        if (!m_flags[DrawerOpen])
            b |= DrawerClosedBit;
        if (offline)
            b |= OfflineBit;
        break;
    case 2:
        if (m_flags[CoverOpen])
            b |= CoverBit;
        if (m_flags[FeedButton])
            b |= FeedButtonBit;
        if (m_flags[PaperOut])
            b |= PaperStopBit;
        if (anyError)
            b |= ErrorBit;
        break;
    case 3:
        if (m_flags[MechanicalError])
            b |= MechanicalBit;
        if (m_flags[CutterError])
            b |= CutterBit;
        if (m_flags[UnrecoverableError])
            b |= UnrecoverableBit;
        if (autoRecoverable)
            b |= AutoRecoverableBit;
        break;
    case 4:
        if (m_flags[PaperNearEnd])
            b |= NearEndBits;
        if (m_flags[PaperOut])
            b |= PaperEndBits;
        break;
    default:
        break;
    }
    return b;
}

quint8 VpState::transmitStatusByte(int n) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (n == 1 || n == 0x31) {
        quint8 b = 0;
        if (m_flags[PaperNearEnd])
            b |= 0x03;
        if (m_flags[PaperOut])
            b |= 0x0C;
        return b;
    }
    return m_flags[DrawerOpen] ? 0x00 : 0x01;
}

QByteArray VpState::setting(quint8 code) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    // Copies in and out: a stored value shared with a caller's copy would be
    // freed by whichever thread drops it last, outside this lock.
    const QByteArray &value = m_settings[code];
    return QByteArray(value.constData(), value.size());
}

bool VpState::setSetting(quint8 code, const QByteArray &value)
{
    if (settingName(code).isEmpty())
        return false;
    const QByteArray copy(value.constData(), value.size());
    std::lock_guard<std::mutex> lock(m_mutex);
    m_settings[code] = copy;
    return true;
}

quint8 VpState::checksum(const QByteArray &bytes)
{
    quint8 sum = 0;
    for (char c : bytes)
        sum = quint8(sum + quint8(c));
    return sum;
}

QByteArray VpState::settingsReply(quint8 code) const
{
    const QByteArray data = setting(code);
    QByteArray frame;
    frame.append(char(Dle));
    frame.append(char(code));
    frame.append(char(0x00)); // an answer to a read
    frame.append(char(0x00));
    frame.append(char(data.size() & 0xFF));
    frame.append(char((data.size() >> 8) & 0xFF));
    frame.append(data);
    frame.append(char(checksum(frame)));
    return frame;
}

void VpState::setMaker(const QString &key, const QJsonValue &value)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_maker.insert(key, value);
}

QJsonObject VpState::makerSettings() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_maker;
}

QString VpState::address() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_address;
}

void VpState::setAddress(const QString &address)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_address = address;
}

QString VpState::model() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_model;
}

void VpState::setModel(const QString &model)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_model = model;
}

void VpState::recordForm(const QByteArray &body)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_forms.append(body);
}

QList<QByteArray> VpState::forms() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_forms;
}

void VpState::factoryReset()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    resetTablesLocked();
}

QJsonObject VpState::snapshot() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    QJsonObject flags;
    for (int i = 0; i < FlagCount; ++i)
        flags.insert(QLatin1String(FlagNames[i]), m_flags[i]);
    QJsonObject settings;
    for (auto it = m_settings.cbegin(); it != m_settings.cend(); ++it) {
        const QString name = settingName(it.key());
        if (it.key() >= BluetoothName)
            settings.insert(name, QString::fromLatin1(it.value()));
        else
            settings.insert(name, it.value().isEmpty() ? 0 : quint8(it.value().at(0)));
    }
    return QJsonObject{{QStringLiteral("model"), m_model},
                       {QStringLiteral("flags"), flags},
                       {QStringLiteral("settings"), settings},
                       {QStringLiteral("maker"), m_maker},
                       {QStringLiteral("forms"), m_forms.size()}};
}
