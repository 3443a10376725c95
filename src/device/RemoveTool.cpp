#include "device/RemoveTool.h"

#include <QStringList>

#include <array>

namespace {

struct WindowsRelease {
    int major;
    int minor;
    const char *name;
    const char *tool; // file name without its "_32.exe" or "_64.exe"; null: none
};

constexpr std::array<WindowsRelease, 4> Releases { {
    { 6, 1, "Windows 7", "uninstallWin7" },
    { 6, 2, "Windows 8", nullptr },
    { 6, 3, "Windows 8.1", "uninstallWin81" },
    { 10, 0, "Windows 10", "uninstallWin10" },
} };

const WindowsRelease *releaseOf(const QString &version)
{
    const QStringList parts = version.split(QLatin1Char('.'));
    bool majorRead = false;
    bool minorRead = false;
    const int major = parts.value(0).toInt(&majorRead);
    const int minor = parts.value(1).toInt(&minorRead);
    if (!majorRead || !minorRead)
        return nullptr;
    for (const WindowsRelease &release : Releases) {
        if (release.major == major && release.minor == minor)
            return &release;
    }
    return nullptr;
}

} // namespace

RemoveTool chooseRemoveTool(const QString &windowsVersion, platform::SystemInfo::Architecture architecture)
{
    using Architecture = platform::SystemInfo::Architecture;
    const WindowsRelease *release = releaseOf(windowsVersion);
    if (!release)
        return { QStringLiteral("[RemoveDriver] Error: OS version not supported"), true, {} };
    const QString name = QLatin1String(release->name);
    if (architecture == Architecture::Unknown)
        return { QStringLiteral("[RemoveDriver] Error: %1 (Unknown, x86? x64?)").arg(name), true, {} };
    const bool x64 = architecture == Architecture::X64;
    RemoveTool tool {
        QStringLiteral("[RemoveDriver] %1 (%2)").arg(name, x64 ? QLatin1String("x64") : QLatin1String("x86")), false, {}
    };
    if (release->tool) {
        tool.program = QStringLiteral("\\..\\OOBETool\\RemoveDriver\\%1_%2.exe")
                           .arg(QLatin1String(release->tool), x64 ? QLatin1String("64") : QLatin1String("32"));
    }
    return tool;
}
