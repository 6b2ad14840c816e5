#include "fleet/AddressRange.h"

#include "text/DottedQuad.h"

namespace {
// Below /31 the first and the last address of a network are no hosts.
constexpr int LastPrefixWithBroadcast = 30;
} // namespace

bool AddressRange::parse(const QString &text, AddressRange *range, QString *error)
{
    const QString trimmed = text.trimmed();
    const int slash = trimmed.indexOf(QLatin1Char('/'));
    if (slash < 0) {
        *error = tr("地址范围应写作 网络/前缀长度，如 10.1.0.0/22: %1").arg(text);
        return false;
    }
    bool valid = false;
    const quint32 address = DottedQuad::toIPv4(trimmed.left(slash), &valid);
    if (!valid) {
        *error = tr("地址范围 %1 中的网络不是 IPv4 地址").arg(text);
        return false;
    }
    const QString prefixText = trimmed.mid(slash + 1);
    bool digits = !prefixText.isEmpty() && prefixText.size() <= 2;
    for (const QChar c : prefixText)
        digits = digits && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    const int prefix = digits ? prefixText.toInt() : -1;
    if (prefix < MinPrefix || prefix > MaxPrefix) {
        *error = tr("地址范围 %1 的前缀长度应为 %2 到 %3").arg(text).arg(MinPrefix).arg(MaxPrefix);
        return false;
    }
    AddressRange r;
    r.m_prefix = prefix;
    r.m_network = address & r.mask();
    if (r.m_network != address) {
        *error = tr("地址范围 %1 的主机部分不为零；网络是 %2").arg(text, r.text());
        return false;
    }
    *range = r;
    return true;
}

quint32 AddressRange::mask() const
{
    return m_prefix == 0 ? 0u : ~quint32(0) << (32 - m_prefix);
}

quint32 AddressRange::firstHost() const
{
    return m_prefix <= LastPrefixWithBroadcast ? m_network + 1 : m_network;
}

quint32 AddressRange::lastHost() const
{
    const quint32 broadcast = m_network | ~mask();
    return m_prefix <= LastPrefixWithBroadcast ? broadcast - 1 : broadcast;
}

bool AddressRange::contains(const QString &ip) const
{
    bool valid = false;
    const quint32 address = DottedQuad::toIPv4(ip, &valid);
    return valid && address >= firstHost() && address <= lastHost();
}

QStringList AddressRange::hosts() const
{
    QStringList list;
    list.reserve(hostCount());
    for (quint64 a = firstHost(); a <= lastHost(); ++a)
        list.append(dotted(quint32(a)));
    return list;
}

QString AddressRange::text() const
{
    return dotted(m_network) + QLatin1Char('/') + QString::number(m_prefix);
}

QString AddressRange::dotted(quint32 address)
{
    return QStringLiteral("%1.%2.%3.%4")
        .arg(address >> 24)
        .arg((address >> 16) & 0xFF)
        .arg((address >> 8) & 0xFF)
        .arg(address & 0xFF);
}
