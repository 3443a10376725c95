#pragma once

#include <mutex>

// The download speed the time estimates work with: one value for the whole run, fed
// by every step's reports, so the first download also seeds the estimates of the
// later steps. Written on the install manager's thread, read on its worker thread.
class SpeedEstimate {
public:
    static constexpr double Unknown = -1.0;

    struct Report {
        double used; // the speed taken in, MB/s
        double estimated; // the estimate after it, MB/s
    };

    // Takes a measured speed in MB/s. A speed of 0 (no progress between two reports)
    // counts as the last non-zero one.
    Report report(double speedMBps);
    // Unknown until the first report.
    double estimated() const;

private:
    mutable std::mutex m_mutex;
    double m_estimated = Unknown;
    double m_last = 1.0;
};
