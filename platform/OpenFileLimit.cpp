#include "platform/OpenFileLimit.h"

#include <sys/resource.h>

namespace {
// What "no limit" counts as.
constexpr long Unlimited = 1L << 20;

long files(const rlimit &limit)
{
    return limit.rlim_cur == RLIM_INFINITY ? Unlimited : long(limit.rlim_cur);
}
} // namespace

long OpenFileLimit::raiseToHardLimit()
{
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0)
        return 0;
    if (limit.rlim_cur < limit.rlim_max) {
        rlimit raised = limit;
        raised.rlim_cur = limit.rlim_max;
        if (::setrlimit(RLIMIT_NOFILE, &raised) == 0)
            limit = raised;
    }
    return files(limit);
}

long OpenFileLimit::current()
{
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0)
        return 0;
    return files(limit);
}
