#pragma once

#include "device/BaseDeviceManager.h"

#include <QMetaType>

#include <functional>

// One command-API call on a manager, for data-driven tests.
using Op = std::function<void(BaseDeviceManager *)>;
Q_DECLARE_METATYPE(Op)

// Adds one row per command operation (column "op", added by the caller), each
// with arguments a page would pass.
void addEveryOperationRow();
