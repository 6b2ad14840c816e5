#pragma once

#include <QCoreApplication>
#include <QString>

// What a path given as a printer's or serial line's node may be, and whether
// this process may use it: the one check before a node is opened for writing
// (the window's USB and serial pages, the command line, targets files).
class DeviceNodeAccess
{
    Q_DECLARE_TR_FUNCTIONS(DeviceNodeAccess)
public:
    // True only when the node exists and access is refused for lack of
    // permission; a missing node or any other failure gives false.
    static bool permissionDenied(const QString &path);

    // The path a person typed for a node: an absolute path as it is, a
    // relative path with a slash from the current folder, a bare name under
    // /dev (ttyS0) unless only the current folder holds it.
    static QString resolvedPath(const QString &typed);

    // True when path (after symbolic links) is a character device: a USB
    // printer, a serial line or a terminal such as the virtual printer's pty.
    static bool isCharacterDevice(const QString &path);
    // True when the open descriptor is a character device.
    static bool isCharacterDevice(int fd);
    // Empty when path is a character device or names nothing (yet); else the
    // refusal to show: a regular file, a folder or a pipe is never written to
    // as a printer.
    static QString notADeviceProblem(const QString &path);
};
