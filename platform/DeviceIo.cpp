#include "platform/DeviceIo.h"

DeviceIo::~DeviceIo() = default;
