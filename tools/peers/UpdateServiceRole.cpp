#include "RecordingListener.h"
#include "Roles.h"
#include "Scenario.h"

#include <QThread>

#include <cstdio>
#include <optional>

namespace {

const QString RequestPipe = QStringLiteral("\\\\.\\pipe\\UpdateRequester");
// The service could not serve its pipe (another server holds it).
constexpr int NotServing = 1;

} // namespace

int runUpdateService(const QStringList &, const Scenario &scenario)
{
    const std::optional<QByteArray> reply = scenario.settings().value(QStringLiteral("silent")).toBool()
        ? std::nullopt
        : std::optional<QByteArray>(scenario.stringValue(QStringLiteral("reply"), QStringLiteral("OK")).toUtf8());
    const RecordingListener listener(RequestPipe, reply);
    if (!listener.isListening())
        return NotServing;
    std::printf("ready\n");
    std::fflush(stdout);
    // A service runs until it is stopped, unless the scenario gives it an end.
    if (!scenario.settings().contains(QStringLiteral("runMs"))) {
        for (;;)
            QThread::sleep(3600);
    }
    return runScript(QString(), QStringList(), scenario);
}
