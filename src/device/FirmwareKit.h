#pragma once

#include <QProcess>
#include <QString>

// Where the headset firmware update kit lies, from the path the control-unit app
// registers (backslash separated, as that app stores it).
struct FirmwareKitLocation {
    QString storedProgram; // as registered, for the log
    QString storedFolder; // the registered path up to its last separator
    QString program; // in the file system's form
    QString folder;
};

FirmwareKitLocation locateFirmwareKit(const QString &storedPath);

// What the image file check records from the kit's exit: "Yes" or "Failed".
QString imageCheckResult(int exitCode, QProcess::ExitStatus exitStatus);
