#include "InstallBench.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>

namespace {

constexpr int SizeCheckTimeoutMs = 60000;
constexpr int PollMs = 10;

std::mutex currentMutex;
BenchLog *current = nullptr;

} // namespace

BenchLog::BenchLog()
{
    m_clock.start();
    const std::lock_guard lock(currentMutex);
    current = this;
    m_previous = qInstallMessageHandler(&BenchLog::handler);
}

BenchLog::~BenchLog()
{
    const std::lock_guard lock(currentMutex);
    qInstallMessageHandler(m_previous);
    current = nullptr;
}

void BenchLog::handler(QtMsgType, const QMessageLogContext &, const QString &message)
{
    const std::lock_guard lock(currentMutex);
    if (!current)
        return;
    const std::lock_guard lineLock(current->m_mutex);
    current->m_lines.append({ current->m_clock.elapsed(), message });
}

QList<BenchLog::Line> BenchLog::lines() const
{
    const std::lock_guard lock(m_mutex);
    return m_lines;
}

QStringList BenchLog::tail(int count) const
{
    const std::lock_guard lock(m_mutex);
    QStringList result;
    for (int i = qMax(0, m_lines.size() - count); i < m_lines.size(); ++i)
        result.append(m_lines.at(i).text);
    return result;
}

std::unique_ptr<InstallRun> cnInstallRun(const QJsonObject &updaterSettings)
{
    if (qEnvironmentVariableIsEmpty("NOVA_BIN_DIR"))
        qputenv("NOVA_BIN_DIR", QFile::encodeName(QCoreApplication::applicationDirPath()));
    setInstallMode(false, true);
    auto run = std::make_unique<InstallRun>(updaterSettings);
    if (!run->ready || !run->prepareStandaloneSteamVR()) {
        std::fprintf(stderr, "cannot set up the sandbox machine\n");
        return nullptr;
    }
    PathManager &paths = run->paths;
    paths.checkPath();
    if (!runUntil([&paths] { return paths.sizeCheckStatus() == PathManager::SizesKnown; }, SizeCheckTimeoutMs)) {
        std::fprintf(stderr, "the download sizes did not arrive within %d s\n", SizeCheckTimeoutMs / 1000);
        return nullptr;
    }
    if (!paths.shouldUseStandaloneSteamVR()) {
        std::fprintf(stderr, "the installation would install Steam, not SteamVR on its own\n");
        return nullptr;
    }
    return run;
}

bool runUntil(const std::function<bool()> &condition, int timeoutMs)
{
    if (condition())
        return true;
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&loop, &condition] {
        if (condition())
            loop.exit(0);
    });
    QTimer::singleShot(timeoutMs, &loop, [&loop] { loop.exit(1); });
    poll.start(PollMs);
    return loop.exec() == 0;
}
