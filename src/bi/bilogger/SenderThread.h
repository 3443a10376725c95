#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace bilogger {

// The logger's background thread: runs posted tasks one after the other, in order.
class SenderThread {
public:
    using Task = std::function<void()>;

    SenderThread();
    ~SenderThread();
    SenderThread(const SenderThread &) = delete;
    SenderThread &operator=(const SenderThread &) = delete;

    void post(Task task);
    // Runs what is still queued, then ends the thread and waits for it. Tasks posted
    // afterwards are dropped.
    void stop();

private:
    void run();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<Task> m_tasks;
    bool m_quit = false;
    std::thread m_thread;
};

} // namespace bilogger
