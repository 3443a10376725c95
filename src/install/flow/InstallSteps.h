#pragma once

#include <QList>

// Where an installation stands: what is done, what runs, what is needed.
struct InstallFlags {
    bool needUninstall = false;
    bool uninstallDone = false;
    bool initDone = false;
    bool updaterDone = false;
    bool hidRomCUDone = false;
    bool guideDone = false;
    bool novaInstalling = false;
    bool novaDone = false;
    bool steamInstalling = false;
    bool steamDone = false;
    bool preloadNeeded = false;
    bool preloadRunning = false;
    bool preloadDone = false;
    bool novaportNeeded = false;
    bool novaportWaiting = false;
    bool novaportDone = false;
    bool allDone = false;
    bool parallelStarted = false;
    bool steamVRStarted = false;
    bool guideStarted = false;
};

enum class InstallStep { Uninstall, Init, Updater, HidRomCU, Guide, NovaSw, Preload, Steam };

namespace InstallSteps {

// What the dispatcher starts next: one step of the sequence (removal of an earlier
// installation, preparation, updater, headset tools, guide) or, after the guide, every
// one of the main software, the preload copy and Steam that is not done or running.
// In software-only mode there are no headset tools, guide or Steam.
QList<InstallStep> next(const InstallFlags &flags, bool isSWOA);

// Every part of the main software is done: the software itself, the preload copy and
// the store app, each where it is needed.
bool mainSoftwareDone(const InstallFlags &flags);

} // namespace InstallSteps
