#pragma once

#include <QThread>

#include <memory>
#include <mutex>
#include <new>
#include <utility>

// A thread with one worker object on it. The worker is deleted when the thread ends (or
// with this object, when the thread never ran); the thread ends, within a limit, when
// this object goes.
class WorkerThread {
public:
    // tag: the owner's log tag, "[PageManager]"; workerName: what the log calls the
    // worker when it cannot be allocated, its class name when null.
    explicit WorkerThread(const char *tag, const char *workerName = nullptr)
        : m_tag(tag)
        , m_workerName(workerName)
    {
    }
    ~WorkerThread();
    WorkerThread(const WorkerThread &) = delete;
    WorkerThread &operator=(const WorkerThread &) = delete;

    // Creates the thread and the worker and moves the worker there; the thread starts
    // with startThread(). What cannot be allocated is logged, and the answer is null:
    // the owner goes on without a worker.
    template<typename Worker, typename... Args> Worker *prepare(Args &&...args)
    {
        m_thread.reset(new (std::nothrow) QThread);
        if (!m_thread) {
            qWarning("%s Unable to allocate memory for QThread", m_tag);
            return nullptr;
        }
        auto *worker = new (std::nothrow) Worker(std::forward<Args>(args)...);
        if (!worker) {
            qWarning("%s Unable to allocate memory for %s", m_tag,
                m_workerName ? m_workerName : Worker::staticMetaObject.className());
            return nullptr;
        }
        worker->moveToThread(m_thread.get());
        // Deleted on its thread as the thread ends, then the lock marks everything the
        // thread did as done: the owner takes it after waiting, since a thread
        // sanitizer cannot see QThread::wait() through the uninstrumented Qt.
        QObject::connect(
            m_thread.get(), &QThread::finished, m_thread.get(),
            [worker, ended = m_ended] {
                delete worker;
                const std::lock_guard lock(*ended);
            },
            Qt::DirectConnection);
        m_worker = worker;
        return worker;
    }
    // prepare(), then startThread().
    template<typename Worker, typename... Args> Worker *start(Args &&...args)
    {
        Worker *worker = prepare<Worker>(std::forward<Args>(args)...);
        if (worker)
            startThread();
        return worker;
    }
    // Starts the prepared thread, once; later calls do nothing.
    void startThread();
    // Sleeps the calling thread for ms; false as soon as interrupt() asks the thread to
    // stop, which its owner does as it goes.
    static bool sleepUnlessStopped(int ms);
    // Asks thread to stop and ends its sleepUnlessStopped() at once.
    static void interrupt(QThread *thread);
    // The thread, for connections; null without a worker.
    QThread *thread() const { return m_worker ? m_thread.get() : nullptr; }

private:
    const char *m_tag;
    const char *m_workerName;
    std::unique_ptr<QThread> m_thread;
    QObject *m_worker = nullptr;
    bool m_started = false;
    // Shared with the thread's last act, which may outlive this object.
    std::shared_ptr<std::mutex> m_ended = std::make_shared<std::mutex>();
};
