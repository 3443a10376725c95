#include "device/FirmwareKit.h"

#include "platform/Folders.h"

FirmwareKitLocation locateFirmwareKit(const QString &storedPath)
{
    FirmwareKitLocation kit;
    kit.storedProgram = storedPath;
    const int separator = qMax(storedPath.lastIndexOf(QLatin1Char('\\')), storedPath.lastIndexOf(QLatin1Char('/')));
    kit.storedFolder = separator < 0 ? QString() : storedPath.left(separator);
    kit.program = platform::Folders::localPath(kit.storedProgram);
    kit.folder = platform::Folders::localPath(kit.storedFolder);
    return kit;
}

QString imageCheckResult(int exitCode, QProcess::ExitStatus exitStatus)
{
    // A kit that crashed has checked nothing, whatever number its end left behind.
    if (exitStatus != QProcess::NormalExit)
        return QStringLiteral("Failed");
    // The kit answers 0, 1 or -2 when it has checked the image. Linux keeps only the low
    // eight bits of an exit code, so -2 arrives there as 254.
    switch (exitCode) {
    case 0:
    case 1:
    case -2:
    case 254:
        return QStringLiteral("Yes");
    default:
        return QStringLiteral("Failed");
    }
}
