#include "device/ActionLog.h"

#include "app/base/Logger.h"

namespace ActionLog {

QString fill(const QString &tmpl, const QStringList &args)
{
    // One pass over the template, so that a "%2" inside an argument (user text)
    // is never replaced again.
    QString line;
    line.reserve(tmpl.size() + 64);
    for (int i = 0; i < tmpl.size(); ++i) {
        const QChar c = tmpl.at(i);
        if (c == QLatin1Char('%') && i + 1 < tmpl.size() && tmpl.at(i + 1).isDigit()) {
            int digits = 1;
            int n = tmpl.at(i + 1).digitValue();
            if (i + 2 < tmpl.size() && tmpl.at(i + 2).isDigit()) {
                const int two = n * 10 + tmpl.at(i + 2).digitValue();
                if (two >= 1 && two <= args.size()) {
                    n = two;
                    digits = 2;
                }
            }
            if (n >= 1 && n <= args.size()) {
                line += args.at(n - 1);
                i += digits;
                continue;
            }
        }
        line += c;
    }
    return line;
}

} // namespace ActionLog

QString ActionLog::text(const QString &v)
{
    return Logger::oneLine(v);
}
