#pragma once

#include <QMetaType>

// The transport a builder's output is meant for; the same numbers as the
// view model's communication modes.
enum class CommType : int { Tcp = 0, Usb = 1, Serial = 2, Driver = 3 };

Q_DECLARE_METATYPE(CommType)
