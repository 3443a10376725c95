#include "install/flow/InstallSteps.h"

namespace InstallSteps {

QList<InstallStep> next(const InstallFlags &f, bool isSWOA)
{
    if (f.needUninstall && !f.uninstallDone)
        return { InstallStep::Uninstall };
    if (!f.initDone)
        return { InstallStep::Init };
    if (!f.updaterDone)
        return { InstallStep::Updater };
    if (!f.hidRomCUDone && !isSWOA)
        return { InstallStep::HidRomCU };
    if (!f.guideDone && !isSWOA)
        return { InstallStep::Guide };
    QList<InstallStep> parallel;
    const bool softwareDue = f.novaportNeeded ? !f.novaportDone && !f.novaInstalling && !f.novaportWaiting
                                              : !f.novaDone && !f.novaInstalling;
    if (softwareDue)
        parallel.append(InstallStep::NovaSw);
    if (f.preloadNeeded && !f.preloadDone && !f.preloadRunning)
        parallel.append(InstallStep::Preload);
    if (!f.steamDone && !f.steamInstalling && !isSWOA)
        parallel.append(InstallStep::Steam);
    return parallel;
}

bool mainSoftwareDone(const InstallFlags &f)
{
    return f.novaDone && (!f.preloadNeeded || f.preloadDone) && (!f.novaportNeeded || f.novaportDone);
}

} // namespace InstallSteps
