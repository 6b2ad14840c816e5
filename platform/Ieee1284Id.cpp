#include "platform/Ieee1284Id.h"

namespace Ieee1284Id {

QString field(const QString &id, const QStringList &keys)
{
    const QStringList pairs = id.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString &key : keys) {
        for (const QString &pair : pairs) {
            const int colon = pair.indexOf(QLatin1Char(':'));
            if (colon < 0)
                continue;
            if (pair.left(colon).trimmed().compare(key, Qt::CaseInsensitive) == 0)
                return pair.mid(colon + 1).trimmed();
        }
    }
    return QString();
}

QString model(const QString &id)
{
    return field(id, {QStringLiteral("MDL"), QStringLiteral("MODEL")});
}

QString manufacturer(const QString &id)
{
    return field(id, {QStringLiteral("MFG"), QStringLiteral("MANUFACTURER")});
}

} // namespace Ieee1284Id
