#pragma once

#include <QString>

// One progress report of an install step's parser; sizes in MB.
struct InstallInfo {
    QString packageName;
    QString packageNameTr; // the name shown to the user
    double curSize = 0.0;
    double totalSize = 0.0;
    double speed = 0.0; // MB/s
    bool isForSteamVR = false; // the report comes from the standalone SteamVR step
    bool shouldHideDownload = false; // the step's download is not shown as one
};

// How far the installation has come when a report arrives.
struct InstallPhase {
    bool parallelStarted = false; // the software and Steam or SteamVR install side by side
    bool allDone = false; // the software is done
    bool steamDone = false;
    bool namesSteamVR = false; // standalone SteamVR is used, or SteamVR has started in Steam
};

// What the install page shows for a report.
struct InstallTexts {
    bool ignored = false; // the report changes nothing on the page
    QString message;
    QString speed;
};

// While the software and SteamVR install side by side, the page names the software's
// step with the other part added; SteamVR's own reports leave the page alone then.
InstallTexts installTexts(const InstallInfo &info, const InstallPhase &phase);
// The report as the guide is told it once it runs.
QString installInfoPipeText(const InstallInfo &info);

// Whole minutes for an estimate in seconds, rounded up.
int minutesLeft(qint64 seconds);
// The same for the install page, which never shows 0 minutes before the guide starts.
int minutesToGuide(qint64 seconds);
