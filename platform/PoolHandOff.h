#pragma once

#include <memory>

#if defined(__SANITIZE_THREAD__)
#include <sanitizer/tsan_interface.h>
#endif

// Tells ThreadSanitizer of an ordering that Qt gives but the checker cannot
// see. A QtConcurrent job reaches its pool thread through QThreadPool's queue,
// and its result comes back through the future, both under a QMutex of Qt's;
// Debian's Qt is not built for the checker, so that ordering is invisible to
// it. Without this, what the sending thread wrote before the job started (a
// picture decoded by the previous job and kept for the next one, say) looks
// unordered with the job's reads of it. The sender calls send() before it
// hands over, the receiver take() once it has what was handed over. Copies
// share one token. In other builds both calls do nothing. The hand-off itself
// (building the task, the result store) is named in tests/tsan.supp.
class PoolHandOff
{
public:
    void send() const
    {
#if defined(__SANITIZE_THREAD__)
        __tsan_release(m_token.get());
#endif
    }

    void take() const
    {
#if defined(__SANITIZE_THREAD__)
        __tsan_acquire(m_token.get());
#endif
    }

private:
    std::shared_ptr<char> m_token = std::make_shared<char>(0);
};
