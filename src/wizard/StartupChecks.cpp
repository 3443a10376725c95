#include "wizard/StartupChecks.h"

#include "core/Utils.h"
#include "platform/Registry.h"
#include "platform/SystemInfo.h"

#include <QDebug>

namespace {

const QString LayersKey = QStringLiteral("\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\AppCompatFlags\\Layers");
// The longest value name the check reads, as the system's enumeration buffer allows.
constexpr int MaxValueName = 512;

struct Hive {
    const char *name;
    const char *keyTag; // "keyUser" or "keyGlobal"
    const char *scope; // "User" or "Global"
};

// Removes the value of one hive named after programPath; true when one was removed.
bool removeFrom(const Hive &hive, const QString &programPath)
{
    const QString key = QLatin1String(hive.name) + LayersKey;
    const QStringList names = platform::Registry::valueNames(key);
    bool removed = false;
    int read = 0;
    for (const QString &name : names) {
        if (name.size() > MaxValueName)
            continue;
        ++read;
        qDebug("[Pagemanager]checkCompatible()%s: %s", hive.keyTag, qUtf8Printable(name));
        if (name.compare(programPath, Qt::CaseInsensitive) != 0)
            continue;
        qDebug("[Pagemanager]checkCompatible()%s Compatible is enable,remove this key", hive.scope);
        if (platform::Registry::removeLiteral(key, name))
            removed = true;
        else
            qWarning("[Pagemanager]checkCompatible() WARNING: Cannot remove %s", qUtf8Printable(name));
    }
    qDebug("[Pagemanager]checkCompatible() %s idx: %d", hive.name, read);
    return removed;
}

} // namespace

namespace StartupChecks {

bool isUserAdmin()
{
    const bool admin = platform::SystemInfo::isAdministrator();
    qDebug("[PageManager] User is %sAdmin", admin ? "" : "NOT ");
    return admin;
}

bool removeCompatibilityMode(const QString &programPath)
{
    const QString path = Utils::withBackslashes(programPath);
    const bool fromUser = removeFrom({ "HKEY_CURRENT_USER", "keyUser", "User" }, path);
    const bool fromMachine = removeFrom({ "HKEY_LOCAL_MACHINE", "keyGlobal", "Global" }, path);
    return fromUser || fromMachine;
}

} // namespace StartupChecks
