#include "RecordingListener.h"
#include "Roles.h"
#include "Scenario.h"

#include <memory>

namespace {

// The value of the argument "<prefix><value>", or an empty string.
QString argumentValue(const QStringList &arguments, const QString &prefix)
{
    for (const QString &argument : arguments) {
        if (argument.startsWith(prefix))
            return argument.mid(prefix.size());
    }
    return QString();
}

} // namespace

int runGuide(const QStringList &arguments, const Scenario &scenario)
{
    // The background-install pipe is served while the guide runs.
    const QString backgroundPipe = argumentValue(arguments, QStringLiteral("BGIPIPE:"));
    const std::unique_ptr<RecordingListener> listener
        = backgroundPipe.isEmpty() ? nullptr : std::make_unique<RecordingListener>(backgroundPipe);
    const QStringList messages = scenario.settings().contains(QStringLiteral("messages"))
        ? scenario.stringList(QStringLiteral("messages"))
        : QStringList { QStringLiteral("DONE") };
    return runScript(argumentValue(arguments, QStringLiteral("DONE:")), messages, scenario);
}
