#pragma once

#include <QThread>

#include <memory>
#include <new>
#include <utility>

// A thread with one worker object on it, for a manager that waits for dialogs there.
// The worker is deleted when the thread ends; the thread ends, within a limit, when
// this object goes.
class WorkerThread {
public:
    // tag: the owner's log tag, "[PageManager]".
    explicit WorkerThread(const char *tag)
        : m_tag(tag)
    {
    }
    ~WorkerThread();
    WorkerThread(const WorkerThread &) = delete;
    WorkerThread &operator=(const WorkerThread &) = delete;

    // Creates the thread and the worker, moves the worker there and starts the thread.
    // What cannot be allocated is logged, and the answer is null: the owner goes on
    // without a worker.
    template<typename Worker, typename... Args> Worker *start(Args &&...args)
    {
        m_thread.reset(new (std::nothrow) QThread);
        if (!m_thread) {
            qWarning("%s Unable to allocate memory for QThread", m_tag);
            return nullptr;
        }
        auto *worker = new (std::nothrow) Worker(std::forward<Args>(args)...);
        if (!worker) {
            qWarning("%s Unable to allocate memory for DialogWorker", m_tag);
            return nullptr;
        }
        worker->moveToThread(m_thread.get());
        QObject::connect(m_thread.get(), &QThread::finished, worker, &QObject::deleteLater);
        m_thread->start(QThread::InheritPriority);
        return worker;
    }

private:
    const char *m_tag;
    std::unique_ptr<QThread> m_thread;
};
