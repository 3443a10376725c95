#include "install/TellerTable.h"

namespace {

constexpr qint64 MiB = 1024 * 1024;

} // namespace

QVector<TellerRow> tellerRows(const TellerModes &modes)
{
    QVector<TellerRow> rows { { TellerName::Updater, 7 * MiB, 30 } };
    if (modes.swoa) {
        rows.append({ TellerName::NovaSw, 600 * MiB, 400 });
    } else {
        rows.append({ TellerName::HidRomCU, 400 * 1024, 2 });
        rows.append({ TellerName::Guide, 100 * MiB, 60 });
        rows.append({ TellerName::NovaSw, 600 * MiB, 100 });
    }
    if (modes.standaloneSteamVR) {
        rows.append({ TellerName::StandaloneSteamVR, 400 * MiB, 60 });
    } else {
        rows.append({ TellerName::SteamClient, modes.steamFolderKnown ? 0 : 200 * MiB, 60 });
        rows.append({ TellerName::SteamVR, modes.steamVRInSteam ? 0 : 1288699904, 60 });
    }
    return rows;
}
