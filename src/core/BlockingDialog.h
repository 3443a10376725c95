#pragma once

#include <QtGlobal>

#include <condition_variable>
#include <functional>
#include <mutex>

// The answer slot of a dialog that a worker thread waits for: the worker shows the
// dialog and blocks; the user-interface thread stores the button pressed and wakes it.
// Answers arriving while nobody waits are dropped.
class BlockingDialog {
public:
    static constexpr int Negative = 0;
    static constexpr int Positive = 1;
    static constexpr int Abandoned = -1;

    // Calls show under the lock (so no answer can slip in before the wait starts), then
    // blocks the calling thread, without a limit, until answer() or shutDown(). A dialog
    // that could not be shown (show answers false) is Abandoned at once. Never call it
    // from the thread that delivers the answers.
    int exec(const std::function<bool()> &show);
    // Stores result and wakes one waiter; false when nobody waits.
    bool answer(int result);
    // Wakes every waiter with Abandoned; later exec() calls return Abandoned at once.
    void shutDown();

private:
    std::mutex m_mutex;
    std::condition_variable m_answered;
    int m_result = Abandoned;
    int m_waiting = 0;
    // Counts answers, so a waiter tells a real answer from a spurious wake-up.
    quint64 m_answers = 0;
    bool m_shutDown = false;
};
