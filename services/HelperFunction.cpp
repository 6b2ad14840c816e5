#include "services/HelperFunction.h"

#include "commands/RealTimeStatusForm.h"

QString HelperFunction::decodeStatusReply(const QString &cmd, const QString &payload) const
{
    return RealTimeStatusForm::decodeReply(cmd, payload);
}
