#pragma once

#include <QString>
#include <QStringList>

// The text of a user action's log line: a translated template whose %1, %2 ...
// take the arguments in one pass, so a "%2" inside user text stays as typed.
namespace ActionLog {

QString fill(const QString &tmpl, const QStringList &args);

// Arguments as the log shows them: integers in decimal, flags as 0/1.
inline QString text(int v) { return QString::number(v); }
inline QString text(bool v) { return v ? QStringLiteral("1") : QStringLiteral("0"); }
inline QString text(const QString &v) { return v; }

} // namespace ActionLog
