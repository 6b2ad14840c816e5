#pragma once

#include <QJsonObject>
#include <QList>

// What a virtual printer understood, reduced to what the bytes decide: its
// decoded commands, text and undecodable bytes, in order, without running
// numbers, times or the link they came over.
class PrinterTrace
{
public:
    static QList<QJsonObject> decoded(const QList<QJsonObject> &events);
    // The first difference as text, empty when both are equal.
    static QString firstDifference(const QList<QJsonObject> &got, const QList<QJsonObject> &expected);
};
