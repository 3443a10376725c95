#include "Roles.h"
#include "Scenario.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonObject>

#include <cstdio>

namespace {

// The kit finds its firmware image through its working folder; started anywhere else
// than in its own folder it finds none.
constexpr int NoImage = 3;

} // namespace

int runFirmwareKit(const QStringList &arguments, const Scenario &scenario)
{
    // argv[0], not the resolved executable: the kit's folder is the one it was started from.
    const QString ownFolder
        = QDir(QFileInfo(QCoreApplication::arguments().constFirst()).absolutePath()).canonicalPath();
    const QString workingFolder = QDir::current().canonicalPath();
    if (workingFolder != ownFolder) {
        std::fprintf(stderr, "FirmwareUpdateKit: started in %s, not in its own folder %s\n",
            qUtf8Printable(workingFolder), qUtf8Printable(ownFolder));
        return NoImage;
    }
    const int fallback = runScript(QString(), QStringList(), scenario);
    const QJsonValue code
        = scenario.settings().value(QStringLiteral("exitCodes")).toObject().value(arguments.join(QLatin1Char(' ')));
    return code.isDouble() ? code.toInt() : fallback;
}
