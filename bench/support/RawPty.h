#pragma once

// A pseudo-terminal in raw mode standing in for a printer's node: the program
// under test opens `path`; the benchmark plays the printer on `master`.
// `keeper` holds the slave open so the pty survives the program's close.

#include <QString>

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

struct RawPty
{
    int master = -1;
    int keeper = -1;
    QString path;

    RawPty()
    {
        master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        ::grantpt(master);
        ::unlockpt(master);
        termios tio{};
        ::tcgetattr(master, &tio);
        ::cfmakeraw(&tio);
        ::tcsetattr(master, TCSANOW, &tio);
        char name[128] = {};
        ::ptsname_r(master, name, sizeof name);
        path = QString::fromLocal8Bit(name);
        keeper = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    }
    ~RawPty()
    {
        ::close(keeper);
        ::close(master);
    }
    RawPty(const RawPty &) = delete;
    RawPty &operator=(const RawPty &) = delete;
};
