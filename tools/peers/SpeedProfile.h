#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// How the stand-in updater's download speed changes over one run, around its speed
// setting (bytes per second):
//   Constant   the speed throughout;
//   SlowStart  a quarter of it for the first quarter of the total, then the speed;
//   Drop       the speed up to half the total, then a quarter of it;
//   Bursty     alternating seconds at twice the speed and at a tenth of it.
enum class SpeedProfile { Constant, SlowStart, Drop, Bursty };

// The profile of a setting ("constant", "slowStart", "drop", "bursty", ignoring case);
// none for any other name.
std::optional<SpeedProfile> speedProfileNamed(const QString &name);

// The bytes downloaded ms milliseconds into a download of total bytes at speed bytes
// per second, shaped by the profile; never more than total, and total at once for a
// speed of 0 or less.
qint64 bytesAfter(SpeedProfile profile, qint64 speed, qint64 total, qint64 ms);
