#include "Roles.h"
#include "Scenario.h"

#include "platform/Registry.h"

#include <cstdio>

namespace {

const QString FullKey = QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\NET Framework Setup\\NDP\\v4\\Full");
constexpr qint64 DefaultRelease = 393295; // .NET Framework 4.6
constexpr int InstallFailure = 1603; // "a fatal error occurred during installation"

} // namespace

int runDotNetInstaller(const QStringList &, const Scenario &scenario)
{
    const int code = runScript(QString(), QStringList(), scenario);
    if (code != 0)
        return code;
    const uint release = uint(scenario.int64Value(QStringLiteral("release"), DefaultRelease));
    if (platform::Registry::write(FullKey, QStringLiteral("Release"), release))
        return code;
    std::fprintf(stderr, ".NET installer: cannot write %s\n", qUtf8Printable(FullKey));
    return InstallFailure;
}
