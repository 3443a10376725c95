#include "core/WorkerThread.h"

namespace {

// How long the end of the owner waits for the thread to stop.
constexpr unsigned long StopLimitMs = 5000;
constexpr int SleepStepMs = 100;

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
    m_thread->requestInterruption();
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
    QThread *thread = QThread::currentThread();
    for (int slept = 0; slept < ms; slept += SleepStepMs) {
        if (thread->isInterruptionRequested())
            return false;
        QThread::msleep(qMin(SleepStepMs, ms - slept));
    }
    return !thread->isInterruptionRequested();
}

void WorkerThread::startThread()
{
    if (!m_worker || m_started)
        return;
    m_started = true;
    m_thread->start(QThread::InheritPriority);
}
