#include "InstallEffects.h"
#include "Roles.h"
#include "Scenario.h"

#include "platform/Registry.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

const QString ResultKey = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\KeltNova");
const QString ResultName = QStringLiteral("InstallHelper");
const QString HandlerKey = QStringLiteral("HKEY_CLASSES_ROOT\\novaport\\Shell\\Open\\Command");
constexpr int InstallFailure = 1603; // "a fatal error occurred during installation"

// The store app is a copy of this program next to the installer; its protocol handler
// starts it with the address.
bool registerStoreApp()
{
    const QString app = QCoreApplication::applicationDirPath() + QStringLiteral("/Nova.exe");
    return placeCopyOfThisProgram(app)
        && platform::Registry::write(
            HandlerKey, QStringLiteral("Default"), QString(QLatin1Char('"') + app + QStringLiteral("\" \"%1\"")));
}

} // namespace

int runInstallHelper(const QStringList &, const Scenario &scenario)
{
    const int code = runScript(QString(), QStringList(), scenario);
    const QJsonValue result = scenario.settings().value(QStringLiteral("installHelper"));
    const bool resultWritten = result.isNull()
        || platform::Registry::write(ResultKey, ResultName, result.toString(QStringLiteral("NOVAPORT:0")));
    const bool registered
        = !scenario.settings().value(QStringLiteral("registerProtocol")).toBool(true) || registerStoreApp();
    if (resultWritten && registered)
        return code;
    std::fprintf(stderr, "UpdaterInstallHelper: cannot leave the store app's result or protocol handler\n");
    return InstallFailure;
}
