#include "device/CommunicationInterface.h"

// Every operation is overridden by BaseDeviceManager; these bodies only keep
// a bare interface usable (a call does nothing and returns an empty result),
// so they use none of their parameters.
#pragma GCC diagnostic ignored "-Wunused-parameter"

#define QM_DO_NOTHING(result, name, parameters) \
    result CommunicationInterface::name parameters { return result(); }
QM_COMMAND_OPERATIONS(QM_DO_NOTHING)
#undef QM_DO_NOTHING
