#include "commands/OperationRanges.h"

#include <QList>

#include <iterator>

namespace {
// Most settings travel as one byte.
constexpr int ByteMax = 255;

// Choices count from 1 as the pages number their buttons; logos from 0 as the
// page's list.
const OperationRanges::Entry Rows[] = {
    {"setBuzzerClicked", 0, {1, 9}},              // beeps
    {"setBuzzerClicked", 1, {1, 9}},              // x 50 ms
    {"setBuzzerAlarmClicked", 0, {1, 20}},
    {"setBuzzerAlarmClicked", 1, {1, 20}},
    {"setBuzzerAlarmClicked", 2, {1, 4}},         // alarm mode
    {"setCutClicked", 0, {1, 3}},                 // full, partial, feed and cut
    {"setCutClicked", 1, {0, ByteMax}},           // motion units
    {"setControlPulseClicked", 0, {1, 2}},        // pin 2, pin 5
    {"setControlPulseClicked", 1, {0, ByteMax}},  // x 2 ms
    {"setControlPulseClicked", 2, {0, ByteMax}},
    {"setOpenPulseClicked", 0, {1, 2}},
    {"setOpenPulseClicked", 1, {1, 20}},
    {"setPrintAndPaperFeedClicked", 2, {0, ByteMax}},
    {"setPrintAndPaperFeedLineClicked", 2, {0, ByteMax}},
    {"setSetLineSpaceClicked", 0, {0, ByteMax}},
    {"setPrintLogoClicked", 0, {1, 4}},           // print mode
    {"setPrintLogoClicked", 1, {0, 6}},           // logo1 ... logo7
    {"setHriPositionClicked", 0, {1, 4}},
    {"setHriFontClicked", 0, {1, 2}},
    {"setBarcodeSizeClicked", 0, {2, 6}},
    {"setBarcodeSizeClicked", 1, {2, 6}},
    {"setQRCodeClicked", 0, {1, 8}},              // module size
    {"setQRCodeClicked", 1, {0, 3}},              // L, M, Q, H
    {"setRightSpaceClicked", 0, {0, ByteMax}},
    {"setLeftMarginClicked", 0, {0, ByteMax}},
    {"setLeftMarginClicked", 1, {0, ByteMax}},
    {"setPrintAreaClicked", 0, {0, ByteMax}},
    {"setPrintAreaClicked", 1, {0, ByteMax}},
    {"setUnitClicked", 0, {0, ByteMax}},
    {"setUnitClicked", 1, {0, ByteMax}},
    {"setHanziMarginClicked", 0, {0, ByteMax}},
    {"setHanziMarginClicked", 1, {0, ByteMax}},
    {"setDensityClicked", 0, {0, 9}},
};
} // namespace

OperationRanges::Range OperationRanges::of(const QString &operation, int parameter)
{
    for (const Entry &row : Rows) {
        if (row.parameter == parameter && operation == QLatin1String(row.operation))
            return row.range;
    }
    return Range();
}

QVariantMap OperationRanges::forControl(const QString &operation, int parameter)
{
    const Range range = of(operation, parameter);
    if (!range.limited())
        return QVariantMap();
    return QVariantMap{{QStringLiteral("from"), range.min}, {QStringLiteral("to"), range.max}};
}

QList<OperationRanges::Entry> OperationRanges::entries()
{
    return QList<Entry>(std::begin(Rows), std::end(Rows));
}
