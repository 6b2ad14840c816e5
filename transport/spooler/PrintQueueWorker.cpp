#include "transport/spooler/PrintQueueWorker.h"

#include "platform/PrintQueueService.h"

PrintQueueWorker::PrintQueueWorker(std::unique_ptr<PrintQueueService> service)
    : m_service(std::move(service)), m_thread(&PrintQueueWorker::run, this)
{
}

PrintQueueWorker::~PrintQueueWorker()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
        m_tasks.clear();
        m_wake.notify_all();
    }
    // A request still waiting on the scheduler gives up soon.
    m_service->cancelRequests();
    m_thread.join();
}

void PrintQueueWorker::post(Task task)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_tasks.push_back(std::move(task));
    m_wake.notify_one();
}

void PrintQueueWorker::run()
{
    for (;;) {
        Task task;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_wake.wait(lock, [this] { return m_stopping || !m_tasks.empty(); });
            if (m_stopping)
                return;
            task = std::move(m_tasks.front());
            m_tasks.pop_front();
        }
        task(m_service.get());
    }
}
