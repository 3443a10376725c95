#include "core/BlockingDialog.h"

int BlockingDialog::exec(const std::function<bool()> &show)
{
    QMutexLocker lock(&m_mutex);
    if (m_shutDown || !show())
        return Abandoned;
    const quint64 answersBefore = m_answers;
    ++m_waiting;
    while (m_answers == answersBefore && !m_shutDown)
        m_answered.wait(&m_mutex);
    --m_waiting;
    return m_shutDown ? Abandoned : m_result;
}

bool BlockingDialog::answer(int result)
{
    QMutexLocker lock(&m_mutex);
    if (m_waiting == 0)
        return false;
    m_result = result;
    ++m_answers;
    m_answered.wakeOne();
    return true;
}

void BlockingDialog::shutDown()
{
    QMutexLocker lock(&m_mutex);
    m_shutDown = true;
    m_answered.wakeAll();
}
