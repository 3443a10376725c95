#include "platform/Machine.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QStandardPaths>

#include <sys/stat.h>

namespace platform {

namespace {

QString underRoot(const QString &relative, const QString &hostPath)
{
    const QString sandbox = Machine::root();
    return sandbox.isEmpty() ? hostPath : sandbox + QLatin1Char('/') + relative;
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
    return underRoot(QStringLiteral("pipes"), QStringLiteral("/tmp/.nova-pipes"));
}

QString Machine::lockFolder()
{
    return underRoot(QStringLiteral("locks"), QStringLiteral("/tmp/.nova-locks"));
}

QString Machine::eventFolder()
{
    return underRoot(QStringLiteral("events"), QStringLiteral("/tmp/.nova-events"));
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

bool Machine::ensureSharedFolder(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat info;
    if (::lstat(native.constData(), &info) == 0) {
        // Never follow a link planted in place of the folder.
        return S_ISDIR(info.st_mode);
    }
    if (!QDir().mkpath(path))
        return false;
    // Best effort: a folder that another user made at the same moment keeps its mode.
    ::chmod(native.constData(), 01777);
    return true;
}

} // namespace platform
