#include "PipeListener.h"
#include "Roles.h"
#include "Scenario.h"

#include "platform/Machine.h"

#include <QFile>

#include <cstdio>
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

// Serves the background-install pipe while the guide runs; in a sandbox machine each
// message is appended as a line to <sandbox>/<pipe short name>.log.
class BackgroundInstallListener {
public:
    explicit BackgroundInstallListener(const QString &pipe)
    {
        if (pipe.isEmpty())
            return;
        if (platform::Machine::isSandbox())
            m_log.setFileName(
                platform::Machine::root() + QLatin1Char('/') + platform::pipeShortName(pipe) + QStringLiteral(".log"));
        m_listener = std::make_unique<PipeListener>(pipe, [this](const QString &message) { record(message); });
        if (!m_listener->isListening())
            std::fprintf(stderr, "guide: cannot serve %s: %s\n", qUtf8Printable(pipe),
                qUtf8Printable(m_listener->errorString()));
    }

private:
    void record(const QString &message)
    {
        if (m_log.isOpen() || (!m_log.fileName().isEmpty() && m_log.open(QIODevice::WriteOnly | QIODevice::Append))) {
            m_log.write(message.toUtf8() + '\n');
            m_log.flush();
        }
    }

    QFile m_log;
    std::unique_ptr<PipeListener> m_listener; // last: stops before the log closes
};

} // namespace

int runGuide(const QStringList &arguments, const Scenario &scenario)
{
    const BackgroundInstallListener listener(argumentValue(arguments, QStringLiteral("BGIPIPE:")));
    const QStringList messages = scenario.settings().contains(QStringLiteral("messages"))
        ? scenario.stringList(QStringLiteral("messages"))
        : QStringList { QStringLiteral("DONE") };
    return runScript(argumentValue(arguments, QStringLiteral("DONE:")), messages, scenario);
}
