#include "core/WorkerThread.h"

#include <QDeadlineTimer>
#include <QMutex>
#include <QWaitCondition>

namespace {

// How long the end of the owner waits for the thread to stop.
constexpr unsigned long StopLimitMs = 5000;

// Every sleeper waits on one condition, which each interrupt() wakes; a woken sleeper
// looks at its own thread's stop request. Never destroyed: a thread left running at
// the end may still be asleep on it while the program exits.
struct Sleepers {
    QMutex mutex;
    QWaitCondition woken;
};

Sleepers &sleepers()
{
    static Sleepers *const all = new Sleepers;
    return *all;
}

} // namespace

WorkerThread::~WorkerThread()
{
    if (!m_worker)
        return;
    if (!m_started) {
        delete m_worker;
        return;
    }
    // A worker in a long wait may look for this and give up waiting.
    interrupt(m_thread.get());
    m_thread->quit();
    if (!m_thread->wait(StopLimitMs)) {
        // Destroying a running thread would abort the program; it ends with the process.
        qWarning("%s WARNING: The worker thread did not stop", m_tag);
        m_thread.release();
        return;
    }
    const std::lock_guard lock(*m_ended);
}

bool WorkerThread::sleepUnlessStopped(int ms)
{
    const QThread *thread = QThread::currentThread();
    const QDeadlineTimer deadline(qMax(ms, 0)); // a negative time would mean "for ever"
    Sleepers &all = sleepers();
    const QMutexLocker lock(&all.mutex);
    while (!thread->isInterruptionRequested() && !deadline.hasExpired())
        all.woken.wait(&all.mutex, deadline);
    return !thread->isInterruptionRequested();
}

void WorkerThread::interrupt(QThread *thread)
{
    thread->requestInterruption();
    // Under the lock, so that a sleeper between its look and its wait is not missed.
    Sleepers &all = sleepers();
    const QMutexLocker lock(&all.mutex);
    all.woken.wakeAll();
}

void WorkerThread::startThread()
{
    if (!m_worker || m_started)
        return;
    m_started = true;
    m_thread->start(QThread::InheritPriority);
}
