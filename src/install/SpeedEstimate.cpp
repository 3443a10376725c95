#include "install/SpeedEstimate.h"

SpeedEstimate::Report SpeedEstimate::report(double speedMBps)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (speedMBps != 0.0)
        m_last = speedMBps;
    else
        speedMBps = m_last;
    // A moving average: one slow or fast report moves the estimate only a fifth.
    m_estimated = m_estimated < 0.0 ? speedMBps : 0.8 * m_estimated + 0.2 * speedMBps;
    return { speedMBps, m_estimated };
}

double SpeedEstimate::estimated() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_estimated;
}
