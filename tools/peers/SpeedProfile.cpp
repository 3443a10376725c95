#include "SpeedProfile.h"

#include <cmath>

namespace {

// A download at rate (bytes per second) until it has boundary bytes, then at laterRate:
// the bytes after ms milliseconds.
double twoRates(double rate, double boundary, double laterRate, qint64 ms)
{
    const double switchMs = boundary * 1000.0 / rate;
    return ms <= switchMs ? rate * double(ms) / 1000.0 : boundary + laterRate * (double(ms) - switchMs) / 1000.0;
}

// Whole seconds alternate at twice the speed and at a tenth of it, the fast one first.
double bursts(double speed, qint64 ms)
{
    const qint64 pairs = ms / 2000;
    const qint64 rest = ms % 2000;
    const double inPair = rest <= 1000 ? 2.0 * speed * double(rest) / 1000.0
                                       : 2.0 * speed + speed / 10.0 * double(rest - 1000) / 1000.0;
    return double(pairs) * 2.1 * speed + inPair;
}

} // namespace

std::optional<SpeedProfile> speedProfileNamed(const QString &name)
{
    struct Named {
        const char *name;
        SpeedProfile profile;
    };
    static constexpr Named names[] = { { "constant", SpeedProfile::Constant }, { "slowStart", SpeedProfile::SlowStart },
        { "drop", SpeedProfile::Drop }, { "bursty", SpeedProfile::Bursty } };
    for (const Named &known : names) {
        if (name.compare(QLatin1String(known.name), Qt::CaseInsensitive) == 0)
            return known.profile;
    }
    return std::nullopt;
}

qint64 bytesAfter(SpeedProfile profile, qint64 speed, qint64 total, qint64 ms)
{
    if (speed <= 0)
        return total;
    const double rate = double(speed);
    double bytes = 0.0;
    switch (profile) {
    case SpeedProfile::Constant:
        bytes = rate * double(ms) / 1000.0;
        break;
    case SpeedProfile::SlowStart:
        bytes = twoRates(rate / 4.0, double(total) / 4.0, rate, ms);
        break;
    case SpeedProfile::Drop:
        bytes = twoRates(rate, double(total) / 2.0, rate / 4.0, ms);
        break;
    case SpeedProfile::Bursty:
        bytes = bursts(rate, ms);
        break;
    }
    return qBound<qint64>(0, std::llround(bytes), total);
}
