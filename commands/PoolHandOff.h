#pragma once

#include <QtConcurrent/QtConcurrentRun>

#include <memory>

#if defined(__SANITIZE_THREAD__)
#include <sanitizer/tsan_interface.h>
#endif

// Runs a job on Qt's global pool and tells ThreadSanitizer of the ordering Qt
// gives there but the checker cannot see. The job reaches its pool thread
// through QThreadPool's queue, and its result comes back through the future,
// both under a QMutex of Qt's; Debian's Qt is not built for the checker, so
// that ordering is invisible to it. Without this, what the sending thread
// wrote before the job started (a picture decoded by the previous job and kept
// for the next one, say) looks unordered with the job's reads of it. run()
// declares the way in and the job's end; the owner calls take() once it has
// the result. Copies share one token. In other builds the declarations do
// nothing. The hand-off itself (building the task, the result store) is named
// in tests/tsan.supp.
class PoolHandOff
{
public:
    template <typename Job>
    auto run(Job job) const
    {
        send();
        const PoolHandOff handOff = *this;
        return QtConcurrent::run([handOff, job] {
            handOff.take();
            auto result = job();
            handOff.send();
            return result;
        });
    }

    void take() const
    {
#if defined(__SANITIZE_THREAD__)
        __tsan_acquire(m_token.get());
#endif
    }

private:
    void send() const
    {
#if defined(__SANITIZE_THREAD__)
        __tsan_release(m_token.get());
#endif
    }

    std::shared_ptr<char> m_token = std::make_shared<char>(0);
};
