#include "bilogger/SenderThread.h"

namespace bilogger {

SenderThread::SenderThread()
    : m_thread(&SenderThread::run, this)
{
}

SenderThread::~SenderThread()
{
    stop();
}

void SenderThread::post(Task task)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_quit)
            return;
        m_tasks.push_back(std::move(task));
    }
    m_wake.notify_one();
}

void SenderThread::stop()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_quit = true;
    }
    m_wake.notify_one();
    if (m_thread.joinable())
        m_thread.join();
}

void SenderThread::run()
{
    for (;;) {
        Task task;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_wake.wait(lock, [this] { return m_quit || !m_tasks.empty(); });
            if (m_tasks.empty())
                return;
            task = std::move(m_tasks.front());
            m_tasks.pop_front();
        }
        task();
    }
}

} // namespace bilogger
