#pragma once

#include <QString>
#include <QtGlobal>

// The program's log. One process-wide message handler turns every message, native or
// QML, from any thread into one line "[time] text (level)", writes it to standard error
// (the debugger output) and appends it to the log file, flushed line by line. Lines that
// arrive while no file is open are held (the newest 5000) and written as soon as a file
// is open again.
// The file starts in the user's private temporary folder and is moved once into the
// product's folder when the installation has created it.
class DLog {
public:
    // The folder of the start-up logs: "NovaSetupTempLog" in the user's private
    // temporary folder, or an empty string when there is no such folder.
    static QString tempLogFolder();

    // Opens a new log file "<baseName>-log-<yyyyMMdd-hhmmss>-<process id>.txt" in the
    // folder (made when missing) and continues there; true when the file is open. An
    // existing file is never truncated: a clash gets "-2", "-3", ... before ".txt".
    static bool openLog(const QString &folder, const QString &baseName);
    // openLog in tempLogFolder().
    static bool openTempLog(const QString &baseName);

    // Installed with qInstallMessageHandler. A fatal message aborts the process once
    // its line is written.
    static void messageHandler(QtMsgType type, const QMessageLogContext &context, const QString &text);

    // Moves the log file into the folder and continues there; true on success or when
    // there is nothing to do. After a failed copy logging goes on in the old file and a
    // later call tries again.
    static bool moveLog(const QString &folder);
};
