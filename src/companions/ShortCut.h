#pragma once

#include "platform/Processes.h"

#include <QList>
#include <QObject>
#include <QString>

// Puts a shortcut to the set-up launcher (the program that started the wizard, two
// levels up) on the desktop, so that the user can resume the set-up later. Lives on the
// user-interface thread.
class ShortCut : public QObject {
    Q_OBJECT

public:
    struct Launcher {
        QString path;
        QString location; // the folder holding path
    };

    // Finds the launcher, once per process.
    explicit ShortCut(QObject *parent = nullptr);

    // The launcher's full path, empty when it was not found. The first call finds it.
    static QString launcherPath();
    // The launcher's folder.
    static QString launcherLocation();

    // The level-2 ancestor of pid in a process snapshot, logging each step; an empty
    // path when the snapshot lacks a level.
    static Launcher findLauncher(const QList<platform::ProcessInfo> &snapshot, qint64 pid);
    // Writes the shortcut to launcher into desktopFolder (created when missing),
    // replacing one of the same name. False, logged, when anything is missing or the
    // file cannot be written.
    static bool writeShortcut(const QString &desktopFolder, const Launcher &launcher);

public slots:
    bool createShortcut();
};
