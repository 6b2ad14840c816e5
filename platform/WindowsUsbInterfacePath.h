#pragma once

#include <QString>

// The parts of a Windows USB printing interface path such as
// \\?\usb#vid_0a5f&pid_00a3#6&2a3b4c5d&0&1#{28d78fad-5a12-11d1-ae5b-0000f803a8c2}:
// the ids from the second "#"-part and the device's instance segment (third part).
struct WindowsUsbInterfacePath
{
    bool valid = false;
    QString vpid;  // "0a5f&00a3", letters as they stand in the path
    QString model; // "6&2a3b4c5d&0&1"

    // A path with fewer than three "#"-parts, or whose second part has no "&",
    // gives an invalid result with both texts empty.
    static WindowsUsbInterfacePath parse(const QString &devicePath);
};
