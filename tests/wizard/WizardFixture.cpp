#include "WizardFixture.h"

#include "install/flow/InstallManager.h"
#include "shell/Closer.h"
#include "shell/Guard.h"
#include "wizard/DialogManager.h"
#include "wizard/PageManager.h"

namespace {

char programName[] = "NovaEyeInstall";
char *arguments[] = { programName, nullptr };

QVariantMap modeProperties(const ModeFlags &flags)
{
    return { { QStringLiteral("bIsSWOA"), flags.isSWOA }, { QStringLiteral("bIsOtherDev"), flags.isOtherDev },
        { QStringLiteral("bIsDKV"), flags.isDKV }, { QStringLiteral("product_name"), flags.productName } };
}

} // namespace

WizardFixture::WizardFixture(const ModeFlags &flags, bool closes, const QString &programFolder)
    : harness(modeProperties(flags))
    , params(1, arguments, true)
{
    Mode::set(flags); // over what the command line gave
    managers = std::make_unique<Managers>(harness.root(), QStringLiteral("NovaTundraInstall_1.0.121.0"),
        programFolder.isEmpty() ? qEnvironmentVariable("NOVA_BIN_DIR") : programFolder, params, false,
        &harness.language);
    managers->connectAll(harness.engine, params);
    // The start-up gate takes the machine's single-instance lock and starts the updater:
    // its own tests and the end-to-end runs cover it, and fixtures run side by side.
    QObject::disconnect(harness.root(), SIGNAL(firstActive()), managers->guard.get(), SLOT(check()));
    // The install page and TRY AGAIN start the installation, which has tests of its own;
    // pages jumped to here have no folder chosen, so it would raise a dialog of its own.
    InstallManager *installs = managers->installManager.get();
    QObject::disconnect(
        managers->pageManager.get(), &CPageManager::loadedPInstall, installs, &InstallManager::startInstall);
    QObject::disconnect(
        managers->dialogManager.get(), &DialogManager::returnTryAgain, installs, &InstallManager::onReturnTryAgain);
    if (!closes)
        QObject::disconnect(
            managers->pageManager.get(), &CPageManager::closeApp, managers->closer.get(), &Closer::closing);
    closeApp = std::make_unique<QSignalSpy>(managers->pageManager.get(), &CPageManager::closeApp);
    managers->pageManager->start();
}

bool WizardFixture::overlayShows(const QString &id) const
{
    const QObject *overlay = find(QStringLiteral("pageDialog"));
    return overlay->property("visible").toBool() && overlay->property("dialogID").toString() == id;
}

void WizardFixture::press(bool positive) const
{
    QObject *overlay = find(QStringLiteral("pageDialog"));
    overlay->setProperty("visible", false);
    QMetaObject::invokeMethod(overlay, positive ? "positivePressed" : "negativePressed");
}

void WizardFixture::pressNext() const
{
    QMetaObject::invokeMethod(find(QStringLiteral("pageFooter")), "nextButtonClicked");
}

void WizardFixture::pressBack() const
{
    QMetaObject::invokeMethod(find(QStringLiteral("pageFooter")), "backButtonClicked");
}

void WizardFixture::showDialog(const QString &id) const
{
    QMetaObject::invokeMethod(root(), "showDialog", Q_ARG(QString, id));
}
