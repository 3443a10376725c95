#include "platform/Machine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// Pipes are served by the desktop user's programs as well as by root's, so anyone may
// create one there; the sticky bit keeps each user's from being removed or replaced by
// another. Locks and events are made by the wizard alone and only opened by others.
constexpr uint AnyoneCreatesMode = 01777;
constexpr uint OwnerCreatesMode = 0755;

QString underRoot(const QString &relative, const QString &hostPath)
{
    const QString sandbox = Machine::root();
    return sandbox.isEmpty() ? hostPath : sandbox + QLatin1Char('/') + relative;
}

QString objectFolder(const QString &name)
{
    const QString sandbox = Machine::root();
    if (!sandbox.isEmpty())
        return sandbox + QLatin1Char('/') + name;
    struct stat info;
    const bool sharedRootExists = ::lstat(Machine::SharedObjectRoot, &info) == 0;
    return Machine::objectRootFor(sharedRootExists, ::geteuid() == 0, qEnvironmentVariable("XDG_RUNTIME_DIR"))
        + QLatin1Char('/') + name;
}

// Creates path with mode when missing and checks what is there; false, logged, when it
// cannot be used.
bool prepareFolder(const QString &path, uint mode)
{
    const QByteArray native = QFile::encodeName(path);
    if (::mkdir(native.constData(), mode) != 0 && errno != EEXIST) {
        qWarning("[Machine] ERROR: Cannot create %s: %s", native.constData(), std::strerror(errno));
        return false;
    }
    struct stat info;
    if (::lstat(native.constData(), &info) != 0) {
        qWarning("[Machine] ERROR: Cannot inspect %s: %s", native.constData(), std::strerror(errno));
        return false;
    }
    const Machine::FolderFacts facts { S_ISDIR(info.st_mode), uint(info.st_uid), uint(info.st_mode) & 07777u };
    const QString refusal = Machine::folderRefusal(path, facts, mode, ::geteuid());
    if (!refusal.isEmpty()) {
        qWarning("[Machine] ERROR: %s", qUtf8Printable(refusal));
        return false;
    }
    // Our own folder: the umask may have taken bits away, or an older run set others.
    if (facts.mode != mode && ::chmod(native.constData(), mode) != 0) {
        qWarning("[Machine] ERROR: Cannot set the mode of %s: %s", native.constData(), std::strerror(errno));
        return false;
    }
    return true;
}

} // namespace

bool Machine::isSandbox()
{
    return !root().isEmpty();
}

QString Machine::root()
{
    const QString value = qEnvironmentVariable(RootVariable);
    return value.isEmpty() ? QString() : QDir::cleanPath(QDir(value).absolutePath());
}

QString Machine::pipeFolder()
{
    return objectFolder(QStringLiteral("pipes"));
}

QString Machine::lockFolder()
{
    return objectFolder(QStringLiteral("locks"));
}

QString Machine::eventFolder()
{
    return objectFolder(QStringLiteral("events"));
}

QString Machine::machineRegistryFolder()
{
    return underRoot(QStringLiteral("registry/machine"), QStringLiteral("/var/lib/nova/registry"));
}

QString Machine::userRegistryFolder()
{
    return underRoot(QStringLiteral("registry/user"),
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/nova/registry"));
}

QString Machine::hardwareRoot()
{
    return underRoot(QStringLiteral("hw"), QStringLiteral("/"));
}

QJsonObject Machine::profile()
{
    if (!isSandbox())
        return {};
    QFile file(root() + QStringLiteral("/machine.json"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError) {
        qWarning("[Machine] WARNING: %s is not valid JSON: %s", qUtf8Printable(file.fileName()),
            qUtf8Printable(error.errorString()));
        return {};
    }
    return document.object();
}

bool Machine::prepareObjectFolder(const QString &folder)
{
    const uint mode = folder == pipeFolder() ? AnyoneCreatesMode : OwnerCreatesMode;
    const QString parent = QFileInfo(folder).path();
    // A sandbox belongs to whoever made it (and may not exist yet); on a real machine the
    // folder above is checked too.
    if (isSandbox()) {
        if (!QDir().mkpath(parent)) {
            qWarning("[Machine] ERROR: Cannot create %s", qUtf8Printable(parent));
            return false;
        }
    } else if (!prepareFolder(parent, OwnerCreatesMode)) {
        return false;
    }
    return prepareFolder(folder, mode);
}

QString Machine::objectRootFor(bool sharedRootExists, bool asRoot, const QString &runtimeDir)
{
    if (sharedRootExists || asRoot || runtimeDir.isEmpty())
        return QString::fromLatin1(SharedObjectRoot);
    return runtimeDir + QStringLiteral("/nova");
}

QString Machine::folderRefusal(const QString &path, const FolderFacts &facts, uint expectedMode, uint ownUid)
{
    if (!facts.isFolder)
        return QStringLiteral("%1 is not a folder, refused").arg(path);
    if (facts.ownerUid == ownUid)
        return QString();
    if (facts.ownerUid != 0)
        return QStringLiteral("%1 is owned by uid %2, refused").arg(path).arg(facts.ownerUid);
    if (facts.mode != expectedMode)
        return QStringLiteral("%1 has mode %2 where %3 is expected, refused")
            .arg(path, QString::number(facts.mode, 8), QString::number(expectedMode, 8));
    return QString();
}

} // namespace platform
