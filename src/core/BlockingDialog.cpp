#include "core/BlockingDialog.h"

int BlockingDialog::exec(const std::function<bool()> &show)
{
    std::unique_lock lock(m_mutex);
    if (m_shutDown || !show())
        return Abandoned;
    const quint64 answersBefore = m_answers;
    ++m_waiting;
    while (m_answers == answersBefore && !m_shutDown)
        m_answered.wait(lock);
    --m_waiting;
    return m_shutDown ? Abandoned : m_result;
}

bool BlockingDialog::answer(int result)
{
    const std::lock_guard lock(m_mutex);
    if (m_waiting == 0)
        return false;
    m_result = result;
    ++m_answers;
    m_answered.notify_one();
    return true;
}

void BlockingDialog::shutDown()
{
    const std::lock_guard lock(m_mutex);
    m_shutDown = true;
    m_answered.notify_all();
}
