#include "platform/SerialLineProbe.h"

#include <cerrno>
#include <termios.h>

bool SerialLineProbe::isGone(qintptr handle)
{
    if (handle < 0)
        return true;
    // A hung-up terminal refuses every control request with EIO; a removed
    // device answers ENODEV or ENXIO.
    termios settings;
    if (::tcgetattr(static_cast<int>(handle), &settings) == 0)
        return false;
    return errno == EIO || errno == ENODEV || errno == ENXIO || errno == EBADF;
}
