#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

class PrintQueueService;

// Runs the requests to the print spooler on a thread of its own, one after
// the other in the order they were posted, so that a scheduler that is slow
// or does not answer never holds up the caller's thread. A task hands its
// result back itself (a queued call to its owner).
class PrintQueueWorker
{
public:
    using Task = std::function<void(PrintQueueService *service)>;

    // Owns the service from now on; only the worker's thread uses it for
    // requests to the spooler.
    explicit PrintQueueWorker(std::unique_ptr<PrintQueueService> service);
    // Drops the tasks not yet started, cancels the running one's requests and
    // waits for it to return.
    ~PrintQueueWorker();
    PrintQueueWorker(const PrintQueueWorker &) = delete;
    PrintQueueWorker &operator=(const PrintQueueWorker &) = delete;

    void post(Task task);
    // For what needs no request to the spooler (the printer page addresses).
    const PrintQueueService *service() const { return m_service.get(); }

private:
    void run();

    std::unique_ptr<PrintQueueService> m_service;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<Task> m_tasks;
    bool m_stopping = false;
    std::thread m_thread;
};
