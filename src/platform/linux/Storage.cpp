#include "platform/Storage.h"

#include "platform/Folders.h"
#include "platform/Machine.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonObject>
#include <QStorageInfo>

namespace platform {

namespace {

bool isSameOrBelow(const QString &path, const QString &folder)
{
    return path == folder || path.startsWith(folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/'));
}

// The deepest folder of the profile's "freeBytes" that holds path.
Storage::FreeSpace profiledFreeSpace(const QString &path)
{
    Storage::FreeSpace space;
    const QJsonObject profiled = Machine::profile().value(QLatin1String("freeBytes")).toObject();
    for (auto it = profiled.begin(); it != profiled.end(); ++it) {
        const QString folder = QDir::cleanPath(it.key());
        if (isSameOrBelow(path, folder) && folder.size() > space.volumeRoot.size()) {
            space.volumeRoot = folder;
            space.bytes = qint64(it.value().toDouble(-1));
        }
    }
    return space;
}

// path itself or the nearest folder above it that exists.
QString existingAncestor(QString path)
{
    while (!QFileInfo::exists(path) && path != QDir::rootPath())
        path = QFileInfo(path).absolutePath();
    return path;
}

} // namespace

Storage::FreeSpace Storage::freeSpace(const QString &path)
{
    const QString local = QDir::cleanPath(QDir(QStringLiteral("/")).absoluteFilePath(Folders::localPath(path)));
    FreeSpace space = profiledFreeSpace(local);
    if (!space.volumeRoot.isEmpty())
        return space;
    const QStorageInfo volume(existingAncestor(local));
    if (volume.isValid() && volume.isReady() && !volume.isReadOnly()) {
        space.bytes = volume.bytesAvailable();
        space.volumeRoot = volume.rootPath();
    }
    return space;
}

} // namespace platform
