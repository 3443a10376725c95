#include "platform/Shell.h"

#include "platform/Folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

// Shortcuts are freedesktop desktop entries: "<name>.desktop" files of the Application
// type, which desktops start only when they are marked executable (trusted launchers).

namespace platform {

namespace {

const QFileDevice::Permissions Executable = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
    | QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;

// A text as a desktop entry value holds it: backslashes and line breaks escaped, so no
// value can end its line and add keys of its own.
QString escapeValue(QString value)
{
    value.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    value.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    value.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    value.replace(QLatin1Char('\t'), QLatin1String("\\t"));
    return value;
}

// One quoted argument of the Exec key: '"', '`', '$' and '\' escaped inside the quotes,
// '%' doubled so that it is no field code.
QString quoteExecArgument(QString argument)
{
    static const QRegularExpression reserved(QStringLiteral("([\"`$\\\\])"));
    argument.replace(reserved, QStringLiteral("\\\\1"));
    argument.replace(QLatin1Char('%'), QLatin1String("%%"));
    return QLatin1Char('"') + argument + QLatin1Char('"');
}

QByteArray desktopEntry(const ShellLink &link)
{
    const QString entry = QStringLiteral("[Desktop Entry]\nType=Application\nName=") + escapeValue(link.name)
        + QStringLiteral("\nComment=") + escapeValue(link.description) + QStringLiteral("\nExec=")
        + escapeValue(quoteExecArgument(link.program) + link.arguments) + QStringLiteral("\nPath=")
        + escapeValue(link.workingFolder) + QLatin1Char('\n');
    return entry.toUtf8();
}

// Hands a file or folder made for the user at the screen to them. Whatever it is works
// either way; the user can only not edit one left to root.
void giveToDesktopUser(const QString &path)
{
    if (!Folders::giveToDesktopUser(path))
        qWarning("[Shell] WARNING: Cannot give %s to the desktop user: %s", qUtf8Printable(path), std::strerror(errno));
}

} // namespace

QString Shell::shortcutPath(const QString &folder, const QString &name)
{
    return folder + QLatin1Char('/') + name + QStringLiteral(".desktop");
}

bool Shell::writeShortcut(const QString &path, const ShellLink &link, int *failureCode)
{
    const QString folder = QFileInfo(path).path();
    if (!QFileInfo::exists(folder) && QDir().mkpath(folder))
        giveToDesktopUser(folder);
    // A link of that name is replaced, never written through: whoever owns the desktop
    // must not be able to point the write at another file.
    if (QFileInfo(path).isSymLink())
        QFile::remove(path);
    QSaveFile file(path);
    const bool saved = file.open(QIODevice::WriteOnly) && file.setPermissions(Executable)
        && file.write(desktopEntry(link)) >= 0 && file.commit();
    if (!saved) {
        *failureCode = int(file.error());
        return false;
    }
    giveToDesktopUser(path);
    return true;
}

} // namespace platform
