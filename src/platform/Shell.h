#pragma once

#include <QString>

namespace platform {

// A desktop shortcut that starts a program.
struct ShellLink {
    QString name; // what the user sees; the file is named after it
    QString description;
    QString program; // full path of the program it starts
    QString arguments; // the command-line text after the program, as it stands
    QString workingFolder;
};

// The desktop shell's services.
class Shell {
public:
    // Where a shortcut called name goes in folder.
    static QString shortcutPath(const QString &folder, const QString &name);
    // Writes link as the shortcut file at path (from shortcutPath), whole or not at all.
    // A missing folder is made; a file or link of that name is replaced, never written
    // through. Folder and file belong to the user at the screen. False when the file
    // cannot be written, with the system's code of the failure in *failureCode (for logs).
    static bool writeShortcut(const QString &path, const ShellLink &link, int *failureCode);
};

} // namespace platform
