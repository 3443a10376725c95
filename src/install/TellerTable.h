#pragma once

#include <QString>
#include <QVector>

// The tellers' names; the steps run through the updater use them as package names too.
namespace TellerName {
inline const QLatin1String Updater("NOVA Updater");
inline const QLatin1String HidRomCU("NOVA HidRomCU");
inline const QLatin1String Guide("NOVA Guide");
inline const QLatin1String NovaSw("NOVA Sw");
inline const QLatin1String StandaloneSteamVR("Standalone SteamVR");
inline const QLatin1String SteamClient("Steam client");
inline const QLatin1String SteamVR("SteamVR");
} // namespace TellerName

// What decides which steps a run has and how much they download.
struct TellerModes {
    bool swoa = false; // software-only mode: no tools, no guide
    bool standaloneSteamVR = false; // SteamVR is installed on its own, without Steam
    bool steamFolderKnown = false; // Steam is installed already
    bool steamVRInSteam = false; // SteamVR is installed in Steam already
};

// One teller to create: its name, the bytes its step downloads when nothing else is
// known, and the seconds its installation takes after the download.
struct TellerRow {
    QString name;
    qint64 defaultBytes;
    qint64 installSeconds;
};

// The tellers of a run, in the order of its steps.
QVector<TellerRow> tellerRows(const TellerModes &modes);
