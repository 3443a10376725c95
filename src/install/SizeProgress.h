#pragma once

#include <QString>
#include <QVector>

// How the text of a "Size:" message ("current/total", in bytes) reads.
enum class SizeText { Ok, Empty, Malformed };
SizeText parseSizeText(const QString &text, qint64 *current, qint64 *total);

// The download progress of one install step: the last reported sizes, and the speed
// over the newest few reports.
class SizeProgress {
public:
    static constexpr int MaxSamples = 6;

    // What one report means for the step.
    struct Update {
        bool complete = false; // the download is done, installation begins
        bool speedMeasured = false; // the speed comes from at least two samples
        double speedMBps = 0.0;
        qint64 leftBytes = 0;
    };

    // Takes a report made at timeMs (any monotonic clock).
    Update add(qint64 current, qint64 total, qint64 timeMs);

    double currentMB() const { return m_currentBytes / BytesPerMB; }
    double totalMB() const { return m_totalBytes / BytesPerMB; }

private:
    static constexpr double BytesPerMB = 1024.0 * 1024.0;
    struct Sample {
        qint64 timeMs;
        qint64 bytes;
    };
    double speedOverSamples() const;

    qint64 m_currentBytes = 0;
    qint64 m_totalBytes = 0;
    QVector<Sample> m_samples;
};
