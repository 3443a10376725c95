#include "Roles.h"
#include "Scenario.h"

#include "platform/Machine.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <cstdio>

namespace {

// The tools take no arguments; any given are a mistake of the caller.
constexpr int BadArguments = 2;

} // namespace

int runDriverUninstall(const QStringList &arguments, const Scenario &scenario)
{
    if (!arguments.isEmpty()) {
        std::fprintf(stderr, "driver uninstall: takes no arguments\n");
        return BadArguments;
    }
    if (scenario.settings().value(QStringLiteral("hang")).toBool()) {
        for (;;)
            QThread::sleep(60);
    }
    const int code = runScript(QString(), QStringList(), scenario);
    if (code != 0)
        return code;
    // What the removal leaves: a line with the tool's name, once it has run to its end.
    QFile record(platform::Machine::root() + QStringLiteral("/driver-removals.log"));
    if (!record.open(QIODevice::WriteOnly | QIODevice::Append)) {
        std::fprintf(stderr, "driver uninstall: cannot record the removal\n");
        return 1;
    }
    record.write(QFileInfo(QCoreApplication::arguments().constFirst()).fileName().toUtf8() + '\n');
    return code;
}
