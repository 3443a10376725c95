#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A further task named by "-AdditionTask:": its name, optionally packages, and
// "-IGNORE:" exclusions, all space-separated inside the one argument.
struct AdditionTask {
    QString task;
    QStringList packages;
    QStringList ignored;
};

// The updater's command line: the task, its packages, then switches. Switch names
// compare ignoring case; unknown switches are kept and otherwise ignored.
struct UpdaterCommandLine {
    QString task;
    QStringList packages;
    QString pipeName; // "-NP:", the short name of the report pipe
    qint64 parentPid = 0; // "-ExitWhenParentDie:", 0 when absent or not a number
    bool noUI = false; // "-NoUI"
    bool oobe = false; // "-OOBE"
    bool checkTask = false; // "-CheckTask": report the download size only
    bool skipAdditionTasks = false;
    bool selfUpdated = false; // "-SelfUpdated": the restart that ends a self-update
    QList<AdditionTask> additionTasks;
    QStringList ignored; // "-IGNORE:"
    QString downloadType; // "-download_type:"
    QString location; // "-Location:"
    QStringList unknownSwitches;
    QString error; // why the command line cannot be run; empty when it can

    // What the command line asks for, as the scenario and the installation effects name it.
    QString job() const;
    bool installs(const QString &package) const { return packages.contains(package); }
};

// The jobs of the updater.
namespace Job {
constexpr const char *Register = "register"; // "-install": registers the installation folder
constexpr const char *CheckSize = "checkSize";
constexpr const char *Config = "config"; // the configuration package (pre-download)
constexpr const char *Updater = "updater";
constexpr const char *HidRom = "hidRom";
constexpr const char *Guide = "guide";
constexpr const char *Software = "software";
constexpr const char *SteamVR = "steamvr";
} // namespace Job

UpdaterCommandLine parseUpdaterCommandLine(const QStringList &arguments);
