#pragma once

#include <QtGlobal>

// Tells whether the device behind an open serial port handle has gone away
// (adapter unplugged, terminal hung up). A vanished line on this system reads
// as end-of-file rather than failing with a resource error.
class SerialLineProbe
{
public:
    static bool isGone(qintptr handle);
};
