#pragma once

#include <QString>

// Whether this process may read and write a device node, as the system sees
// it for the real user (printer nodes belong to the group lp on Debian).
class DeviceNodeAccess
{
public:
    // True only when the node exists and access is refused for lack of
    // permission; a missing node or any other failure gives false.
    static bool permissionDenied(const QString &path);
};
