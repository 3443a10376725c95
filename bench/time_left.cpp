// How well the minutes-left estimate before the guide fits the time the foreground part
// really takes, for each speed profile of the stand-in updater. Each profile runs one
// CN-mode installation whose updater, headset tools and guide downloads (of the sizes
// the estimate assumes for them) take about three minutes in all at that profile; every
// "Est minutes to Guide" tick is compared with the time left until "FG has finished".
// Usage: time_left [factor]   (factor scales the download sizes: 1 by default, 0.1 for a
// quick look; each installation runs in a private sandbox machine)

#include "InstallBench.h"
#include "SpeedProfile.h"

#include "install/TellerTable.h"

#include <QCoreApplication>
#include <QJsonObject>

#include <cmath>
#include <cstdio>
#include <optional>

namespace {

constexpr double TargetSeconds = 180.0;
constexpr int IntervalMs = 100;
constexpr qint64 StepMs = 10;
const QString EstimateLine = QStringLiteral("[InstallManager] Est minutes to Guide: ");
const QString ForegroundEnd = QStringLiteral("[InstallManager] FG has finished");
const QStringList Profiles
    = { QStringLiteral("constant"), QStringLiteral("slowStart"), QStringLiteral("drop"), QStringLiteral("bursty") };

// One download before the guide: the stand-in's job and its bytes.
struct Download {
    QString job;
    qint64 bytes;
};

struct Figures {
    int ticks = 0;
    double errorMinutes = 0.0; // summed over the ticks
    int withinOneMinute = 0;
    double foregroundSeconds = 0.0;

    double meanError() const { return errorMinutes / qMax(1, ticks); }
    double withinShare() const { return 100.0 * withinOneMinute / qMax(1, ticks); }
    void addTicks(const Figures &other)
    {
        ticks += other.ticks;
        errorMinutes += other.errorMinutes;
        withinOneMinute += other.withinOneMinute;
    }
};

// The updater, headset tools and guide downloads, of the sizes the estimate assumes for
// them times factor.
QList<Download> foregroundDownloads(double factor)
{
    TellerModes modes;
    modes.standaloneSteamVR = true;
    const QVector<TellerRow> rows = tellerRows(modes);
    const QList<QPair<QString, QString>> jobs { { QStringLiteral("updater"), TellerName::Updater },
        { QStringLiteral("hidRom"), TellerName::HidRomCU }, { QStringLiteral("guide"), TellerName::Guide } };
    QList<Download> downloads;
    for (const auto &[job, teller] : jobs) {
        for (const TellerRow &row : rows) {
            if (row.name == teller)
                downloads.append({ job, qint64(std::llround(double(row.defaultBytes) * factor)) });
        }
    }
    return downloads;
}

// The seconds the downloads take one after another, each shaped by the profile.
double scriptedSeconds(SpeedProfile profile, qint64 speed, const QList<Download> &downloads)
{
    qint64 ms = 0;
    for (const Download &download : downloads) {
        qint64 at = 0;
        while (bytesAfter(profile, speed, download.bytes, at) < download.bytes)
            at += StepMs;
        ms += at;
    }
    return ms / 1000.0;
}

// The speed at which the downloads take about TargetSeconds. Their time is nearly
// inversely proportional to the speed (exactly, but for the bursts' whole seconds), so
// a few corrections settle it.
qint64 speedFor(SpeedProfile profile, const QList<Download> &downloads)
{
    double speed = 0.0;
    for (const Download &download : downloads)
        speed += double(download.bytes) / TargetSeconds;
    for (int i = 0; i < 3; ++i)
        speed *= scriptedSeconds(profile, qint64(speed), downloads) / TargetSeconds;
    return qint64(speed);
}

// Runs the installation up to the end of its foreground part and compares each
// estimate with the time that was left; none when the run could not happen.
std::optional<Figures> measure(const QString &profile, qint64 speed, const QList<Download> &downloads, int timeoutMs)
{
    QJsonObject tasks;
    for (const Download &download : downloads) {
        tasks.insert(download.job,
            QJsonObject { { QStringLiteral("totalSize"), download.bytes }, { QStringLiteral("speed"), speed } });
    }
    const BenchLog log;
    const std::unique_ptr<InstallRun> run = cnInstallRun({ { QStringLiteral("speedProfile"), profile },
        { QStringLiteral("intervalMs"), IntervalMs }, { QStringLiteral("tasks"), tasks } });
    if (!run)
        return std::nullopt;
    bool foregroundDone = false;
    QObject::connect(&run->installs, &InstallManager::startGuide, [&foregroundDone] { foregroundDone = true; });
    const qint64 startMs = log.elapsedMs();
    run->installs.startInstall();
    const bool done = runUntil([&foregroundDone] { return foregroundDone; }, timeoutMs);
    run->installs.killUpdaterProc();
    if (!done) {
        std::fprintf(stderr, "%s: the foreground part did not end within %d s; the log ended with:\n  %s\n",
            qUtf8Printable(profile), timeoutMs / 1000, qUtf8Printable(log.tail(20).join(QStringLiteral("\n  "))));
        return std::nullopt;
    }

    QList<BenchLog::Line> ticks;
    qint64 endMs = -1;
    for (const BenchLog::Line &line : log.lines()) {
        if (line.text == ForegroundEnd) {
            endMs = line.ms;
            break;
        }
        if (line.text.startsWith(EstimateLine))
            ticks.append(line);
    }
    Figures figures;
    figures.foregroundSeconds = (endMs - startMs) / 1000.0;
    for (const BenchLog::Line &tick : qAsConst(ticks)) {
        const double estimate = tick.text.mid(EstimateLine.size()).toInt();
        const double error = std::abs(estimate - (endMs - tick.ms) / 60000.0);
        ++figures.ticks;
        figures.errorMinutes += error;
        if (error <= 1.0)
            ++figures.withinOneMinute;
    }
    return figures;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const double factor = argc > 1 ? QByteArray(argv[1]).toDouble() : 1.0;
    if (!(factor > 0.0)) {
        std::fprintf(stderr, "usage: time_left [factor]   (factor > 0 scales the download sizes)\n");
        return 2;
    }
    const QList<Download> fullSize = foregroundDownloads(1.0);
    const QList<Download> downloads = foregroundDownloads(factor);
    QStringList sizes;
    for (const Download &download : downloads)
        sizes.append(QStringLiteral("%1 %2 MiB").arg(download.job).arg(download.bytes / 1048576.0, 0, 'f', 2));
    std::printf(
        "downloads before the guide: %s (factor %g)\n\n", qUtf8Printable(sizes.join(QStringLiteral(", "))), factor);
    std::printf("%-10s %6s %16s %13s %12s %13s\n", "profile", "ticks", "mean abs error", "within 1 min", "speed KiB/s",
        "foreground s");

    Figures all;
    for (const QString &name : Profiles) {
        const SpeedProfile profile = *speedProfileNamed(name);
        const qint64 speed = speedFor(profile, fullSize);
        const double scripted = scriptedSeconds(profile, speed, downloads);
        const std::optional<Figures> figures = measure(name, speed, downloads, int(scripted * 3000) + 120000);
        if (!figures)
            return 1;
        std::printf("%-10s %6d %12.2f min %11.0f %% %12lld %6.1f of %.1f\n", qPrintable(name), figures->ticks,
            figures->meanError(), figures->withinShare(), speed / 1024, figures->foregroundSeconds, scripted);
        std::fflush(stdout);
        all.addTicks(*figures);
    }
    std::printf("\nall profiles: %d ticks, mean absolute error %.2f min, %.0f %% within one minute\n", all.ticks,
        all.meanError(), all.withinShare());
    return 0;
}
