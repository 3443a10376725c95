#include "install/SizeProgress.h"

#include <QStringList>

#include <limits>

namespace {

// total - current for current < total, without overflowing on absurd values.
qint64 bytesLeft(qint64 current, qint64 total)
{
    constexpr qint64 max = std::numeric_limits<qint64>::max();
    return current >= 0 || total <= max + current ? total - current : max;
}

} // namespace

SizeText parseSizeText(const QString &text, qint64 *current, qint64 *total)
{
    if (text.isEmpty())
        return SizeText::Empty;
    const QStringList parts = text.split(QLatin1Char('/'));
    if (parts.size() != 2)
        return SizeText::Malformed;
    *current = parts.at(0).toLongLong(); // not a number: 0
    *total = parts.at(1).toLongLong();
    return SizeText::Ok;
}

SizeProgress::Update SizeProgress::add(qint64 current, qint64 total, qint64 timeMs)
{
    m_currentBytes = current;
    m_totalBytes = total;
    // Falling back means the updater moved on to its next set of files.
    if (!m_samples.isEmpty() && m_samples.last().bytes > current) {
        qDebug("[NovaParser] Current size falls befind previous size. Clean queue.");
        m_samples.clear();
    }
    m_samples.append({ timeMs, current });
    if (m_samples.size() > MaxSamples)
        m_samples.removeFirst();

    Update update;
    if (current >= total) {
        update.complete = true;
        return update;
    }
    update.leftBytes = bytesLeft(current, total);
    if (m_samples.size() < 2) {
        qDebug("[NovaParser] Yet no enough timing data. Cannot calculate speed.");
        return update;
    }
    update.speedMeasured = true;
    update.speedMBps = speedOverSamples();
    qDebug("[NovaParser] Speed %f MB/s, %s", update.speedMBps,
        qUtf8Printable(QStringLiteral("%1 MB/s").arg(update.speedMBps, 0, 'f', 1)));
    return update;
}

double SizeProgress::speedOverSamples() const
{
    const Sample &oldest = m_samples.first();
    const Sample &newest = m_samples.last();
    const qint64 ms = newest.timeMs - oldest.timeMs;
    if (ms <= 0) {
        qDebug("[NovaParser] Timing overlapped. Cannot caluculate speed.");
        return 0.0;
    }
    return (double(newest.bytes) - double(oldest.bytes)) * 1000.0 / (double(ms) * BytesPerMB);
}
