#pragma once

#include <QString>
#include <QVariantMap>

// The limits of the whole-number values the command API's operations take
// (device/CommandOperations.h), by operation and parameter position: the one
// table behind the window's spin boxes, the command line's verbs and
// `quillmark run`, so that a value the window cannot send is refused
// everywhere. Parameters without a row have no limits of their own.
class OperationRanges
{
public:
    struct Range
    {
        int min = 0;
        int max = -1;
        // False for a parameter without limits (max < min).
        bool limited() const { return min <= max; }
        bool contains(int value) const { return !limited() || (value >= min && value <= max); }
    };

    static Range of(const QString &operation, int parameter);
    // {"from": min, "to": max} for a spin box; empty when unlimited.
    static QVariantMap forControl(const QString &operation, int parameter);

    struct Entry
    {
        const char *operation;
        int parameter;
        Range range;
    };
    // Every row, for tests that hold the table against the operations.
    static QList<Entry> entries();
};
