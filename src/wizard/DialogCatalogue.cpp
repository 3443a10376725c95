#include "wizard/DialogCatalogue.h"

#include "core/CatalogueRow.h"
#include "wizard/Links.h"

#include <iterator>

namespace {

// What takes the place of "%1" (and "%2") in a row's texts.
enum class Fill { Product, HelpLink, DisplayPort };

using Row = CatalogueRow<Fill>;

const char *const QuitSetup = QT_TRANSLATE_NOOP("DialogManager", "QUIT SETUP");
const char *const TryAgain = QT_TRANSLATE_NOOP("DialogManager", "TRY AGAIN");
const char *const Back = QT_TRANSLATE_NOOP("DialogManager", "BACK");
const char *const Ok = QT_TRANSLATE_NOOP("DialogManager", "OK");
const char *const Cancel = QT_TRANSLATE_NOOP("DialogManager", "CANCEL");
const char *const Continue = QT_TRANSLATE_NOOP("DialogManager", "CONTINUE");
const char *const Retry = QT_TRANSLATE_NOOP("DialogManager", "RETRY");
const char *const Warning = QT_TRANSLATE_NOOP("DialogManager", "Warning");
const char *const InstallFailed = QT_TRANSLATE_NOOP("DialogManager", "Installation failed");
const char *const SureToSkip = QT_TRANSLATE_NOOP("DialogManager", "Are you sure you want to skip?");
const char *const SkipAnyway = QT_TRANSLATE_NOOP("DialogManager", "SKIP ANYWAY");
const char *const PleaseWait = QT_TRANSLATE_NOOP("DialogManager", "Please wait");
const char *const ContinueAnyway = QT_TRANSLATE_NOOP("DialogManager", "CONTINUE ANYWAY");
const char *const Quit = QT_TRANSLATE_NOOP("DialogManager", "QUIT");
const char *const QuitTitle = QT_TRANSLATE_NOOP("DialogManager", "Quit %1 Setup?");
const char *const CouldNotInstallSteam = QT_TRANSLATE_NOOP("DialogManager", "Couldn't install Steam");

const Row Rows[] = {
    { "CO001", "pLegal.qml", QT_TRANSLATE_NOOP("DialogManager", "%1 is already running"),
        QT_TRANSLATE_NOOP("DialogManager",
            "Another instance of %1 Setup is already running. Would you like to close this one or force to resume?"),
        QT_TRANSLATE_NOOP("DialogManager", "FORCE TO RESUME"), QuitSetup, Fill::Product },
    { "CO002", "pLegal.qml", QT_TRANSLATE_NOOP("DialogManager", "Updating NOVA desktop app..."),
        QT_TRANSLATE_NOOP("DialogManager",
            "The NOVA desktop app is being updated. Please wait until the update has been installed before running "
            "%1 Setup."),
        "", QuitSetup, Fill::Product },
    // The download page's link follows the text.
    { "CO003", "pLegal.qml", QT_TRANSLATE_NOOP("DialogManager", "Unsupported region"),
        QT_TRANSLATE_NOOP("DialogManager",
            "This version of %1 Setup is not supported in your region. Please download your region's version at "),
        "", QuitSetup, Fill::Product },
    { "CO004", "pLegal.qml", QuitTitle,
        QT_TRANSLATE_NOOP(
            "DialogManager", "Installation is not complete. You may run %1 Setup to complete the installation later."),
        QuitSetup, Back, Fill::Product },
    { "CO005", "pInit00.qml", QuitTitle,
        QT_TRANSLATE_NOOP("DialogManager",
            "Software installation is in progress. Closing %1 Setup will also stop ongoing installation process. "
            "You'll need to run %1 Setup again."),
        QuitSetup, Back, Fill::Product },
    { "FL001", "pFolder.qml", QT_TRANSLATE_NOOP("DialogManager", "Invalid installation folder"),
        QT_TRANSLATE_NOOP("DialogManager",
            "Please avoid special non-English characters as installation path. It may cause content compatibility "
            "issues."),
        "", Ok, Fill::Product },
    { "IN001", "pInstall.qml", QT_TRANSLATE_NOOP("DialogManager", "Couldn't install NOVA software"),
        QT_TRANSLATE_NOOP(
            "DialogManager", "Make sure that you have sufficient permissions to install on the selected folder."),
        QuitSetup, TryAgain, Fill::Product },
    { "IN002", "pInstall.qml", QT_TRANSLATE_NOOP("DialogManager", "Couldn't download NOVA software"),
        QT_TRANSLATE_NOOP("DialogManager", "Something went wrong while downloading NOVA software."), QuitSetup,
        TryAgain, Fill::Product },
    { "IN003", "pInstall.qml", QT_TRANSLATE_NOOP("DialogManager", "Close Steam"),
        QT_TRANSLATE_NOOP("DialogManager", "Confirm that you've closed the Steam client, and then click \"Continue\"."),
        "", Continue, Fill::Product },
    { "IN004", "pInstall.qml", CouldNotInstallSteam,
        QT_TRANSLATE_NOOP("DialogManager", "Something went wrong while trying to open Steam."), QuitSetup, TryAgain,
        Fill::Product },
    { "IN005", "pInstall.qml", CouldNotInstallSteam,
        QT_TRANSLATE_NOOP("DialogManager", "Something went wrong while installing Steam."),
        QT_TRANSLATE_NOOP("DialogManager", "CLOSE SETUP"), TryAgain, Fill::Product },
    { "IN006", "pInstall.qml", Warning,
        QT_TRANSLATE_NOOP("DialogManager", "Please close your SteamVR and press \"Continue\"."), "", Continue,
        Fill::Product },
    { "IN007", "pInstall.qml", QT_TRANSLATE_NOOP("DialogManager", "Couldn't download SteamVR"),
        QT_TRANSLATE_NOOP("DialogManager", "Something went wrong while downloading SteamVR."), QuitSetup, TryAgain,
        Fill::Product },
    { "IN008", "pInstall.qml", Warning, QT_TRANSLATE_NOOP("DialogManager", "Openvr driver register fail."), "", Ok,
        Fill::Product },
    { "IN009", "pInstall.qml", Warning, QT_TRANSLATE_NOOP("DialogManager", "Zeph runtime register fail."), "", Ok,
        Fill::Product },
    { "IN010", "pInstall.qml", Warning,
        QT_TRANSLATE_NOOP("DialogManager", "Both openvr driver and zeph runtime register fail."), "", Ok,
        Fill::Product },
    { "IN011", "pInstall.qml", QT_TRANSLATE_NOOP("DialogManager", "Restart required"),
        QT_TRANSLATE_NOOP("DialogManager", "Your computer needs to be restarted to finish the installation."),
        QT_TRANSLATE_NOOP("DialogManager", "RESTART LATER"), QT_TRANSLATE_NOOP("DialogManager", "RESTART NOW"),
        Fill::Product },
    { "IN012", "pInstall.qml", InstallFailed,
        QT_TRANSLATE_NOOP("DialogManager",
            "An error occurred during installation, please try again. If the error persists, go to %1FAQ%2 to check "
            "for possible solutions."),
        Cancel, Retry, Fill::HelpLink },
    { "IN013", "pInstall.qml", InstallFailed,
        QT_TRANSLATE_NOOP("DialogManager",
            "Another installation is in progress. Wait a few minutes and try again. If the problem persists, go to "
            "%1FAQ%2 to check for possible solutions."),
        Cancel, Retry, Fill::HelpLink },
    { "IN014", "pInstall.qml", InstallFailed,
        QT_TRANSLATE_NOOP(
            "DialogManager", "An error occurred during installation. Go to %1FAQ%2 to check for possible solutions."),
        Cancel, Retry, Fill::HelpLink },
    { "LE001", "pLegal.qml", QT_TRANSLATE_NOOP("DialogManager", "Terms and conditions"),
        QT_TRANSLATE_NOOP("DialogManager",
            "To continue, accept the KELT EULA, terms of use, and privacy policy by selecting the check box."),
        "", Ok, Fill::Product },
    { "CH001", "pCheck.qml", QT_TRANSLATE_NOOP("DialogManager", "Computer update recommended"),
        QT_TRANSLATE_NOOP("DialogManager",
            "Your computer may not work well with NOVA. For the best experience, update your system before "
            "installing NOVA."),
        Cancel, ContinueAnyway, Fill::Product },
    { "DN001", "pDotNet.qml", QT_TRANSLATE_NOOP("DialogManager", "Cancel setup?"),
        QT_TRANSLATE_NOOP("DialogManager",
            ".NET framework is still installing. After the installation, restart your computer and relaunch %1 "
            "Setup manually."),
        QuitSetup, Back, Fill::Product },
    { "DR001", "pDriver.qml", QT_TRANSLATE_NOOP("DialogManager", "Driver update required"),
        QT_TRANSLATE_NOOP("DialogManager",
            "Your computer may not work well with NOVA. Update your graphics card driver before installing NOVA."),
        Cancel, ContinueAnyway, Fill::Product },
    { "DR002", "pDriver.qml", QT_TRANSLATE_NOOP("DialogManager", "Exit setup and update driver"),
        QT_TRANSLATE_NOOP("DialogManager",
            "%1 Setup will now close and open your web browser to the driver update page. After updating the "
            "driver, run %1 Setup again by double-clicking its shortcut on the computer desktop."),
        Cancel, Continue, Fill::Product },
    { "HMD001", "pHead04.qml", SureToSkip,
        QT_TRANSLATE_NOOP("DialogManager",
            "The USB / %1 connection is not yet detected. You can return to this screen later to confirm the "
            "connection status."),
        SkipAnyway, Back, Fill::DisplayPort },
    { "HMD002", "pHead04.qml", "",
        QT_TRANSLATE_NOOP("DialogManager",
            "The headset has a dual front cameras that lets you see through or interact with the actual environment "
            "outside of VR. For the best experience, you need to connect using USB 3.0 port or higher."),
        "", Ok, Fill::Product },
    { "HMD003", "pHead04.qml", "",
        QT_TRANSLATE_NOOP("DialogManager",
            "To troubleshoot USB connection issues, try the following:<ul><li>Open Windows Device Manager and check "
            "that no USB devices are still installing. USB driver installation may take about 5-10 minutes.</li>"
            "<li>Unplug the headset's USB cable from the computer, wait a few seconds, and plug it in again.</li>"
            "<li>Connect the USB cable to another USB 3.0 port, preferably one on the back of the computer.</li>"
            "<li>If you use a USB hub or an extension cable, connect the headset directly to the computer.</li>"
            "</ul>"),
        "", "", Fill::Product },
    { "HMD004", "pBGIWaiting.qml", SureToSkip,
        QT_TRANSLATE_NOOP("DialogManager", "HMD is not ready and will not work appropriately later."), SkipAnyway, Back,
        Fill::Product },
    { "SN001", "pKeltSignin.qml", QT_TRANSLATE_NOOP("DialogManager", "Oops..."),
        QT_TRANSLATE_NOOP("DialogManager", "Something went wrong when downloading required component."), QuitSetup,
        TryAgain, Fill::Product },
    { "CTR001", "pCtr04.qml", SureToSkip,
        QT_TRANSLATE_NOOP("DialogManager",
            "One or both controllers are not yet detected. You will need the controllers to complete the setup. You "
            "can pair the controllers using the NOVA Console if you choose to skip the step."),
        SkipAnyway, Back, Fill::Product },
    { "CTR002", "pCtr03.qml", QT_TRANSLATE_NOOP("DialogManager", "Left controller is paired."),
        QT_TRANSLATE_NOOP("DialogManager", "Now let's pair your right controller."), "", Continue, Fill::Product },
    { "CTR003", "pCtr04.qml", QT_TRANSLATE_NOOP("DialogManager", "Right controller paired."),
        QT_TRANSLATE_NOOP("DialogManager", "Your right controller is paired."), "", Ok, Fill::Product },
    { "FIN001", "pFinal01.qml", PleaseWait, QT_TRANSLATE_NOOP("DialogManager", "Launching roomsetup..."), "", "",
        Fill::Product },
    { "FIN002", "pFinal01.qml", PleaseWait, QT_TRANSLATE_NOOP("DialogManager", "Waiting for HMD ready..."), "", "",
        Fill::Product },
    { "FIN003", "pFinal01.qml", QT_TRANSLATE_NOOP("DialogManager", "Could not find the headset"),
        QT_TRANSLATE_NOOP("DialogManager", "Please make sure the headset is connected and powered on and try again."),
        Cancel, Retry, Fill::Product },
    { "FIN004", "pFinal01.qml", QT_TRANSLATE_NOOP("DialogManager", "Are you sure you want to quit?"),
        QT_TRANSLATE_NOOP("DialogManager",
            "NOVA won't work until the room setup is completed. Are you sure you want to quit? You can still resume "
            "the room settings in NOVA Console after leaving."),
        Cancel, Quit, Fill::Product },
    { "FIN005", "pFinal01.qml", QT_TRANSLATE_NOOP("DialogManager", "Couldn't launch room setup"),
        QT_TRANSLATE_NOOP("DialogManager",
            "Room setup could not be launched because steamVR is not installed completely. After installing "
            "steamVR, you can still resume the room settings in NOVA Console."),
        Cancel, Quit, Fill::Product },
};

// The quit question of the hardware guide and of the software-only set-up.
const char *const GuideQuitTitle = QT_TRANSLATE_NOOP("DialogManager", "Quit %1 Hardware Setup Guide?");
const char *const GuideQuitDescription
    = QT_TRANSLATE_NOOP("DialogManager", "You may run %1 Hardware Setup Guide to set up the hardware later.");
const char *const SoftwareOnlyQuitTitle = QT_TRANSLATE_NOOP("DialogManager", "Quit NOVAPORT Setup?");
const char *const SoftwareOnlyQuitDescription = QT_TRANSLATE_NOOP(
    "DialogManager", "Installation is not complete. You may run NOVAPORT Setup to complete the installation later.");

QString translated(const char *text)
{
    return translatedCatalogueText("DialogManager", text);
}

// A translated text with its placeholders filled; texts without "%1" stay as they are.
QString filled(const char *text, Fill fill, const QString &productName)
{
    const QString result = translated(text);
    if (!result.contains(QLatin1String("%1")))
        return result;
    switch (fill) {
    case Fill::HelpLink:
        return result.arg(Links::InstallHelpOpen, Links::InstallHelpClose);
    case Fill::DisplayPort:
        return result.arg(QStringLiteral("DisplayPort"));
    case Fill::Product:
        break;
    }
    return result.arg(productName);
}

} // namespace

QVector<DialogEntry> buildDialogCatalogue(const QString &productName, bool isSetup, bool isSWOAOrOtherDev)
{
    QVector<DialogEntry> catalogue;
    catalogue.reserve(int(std::size(Rows)));
    for (const Row &row : Rows) {
        const char *title = row.title;
        const char *description = row.description;
        if (qstrcmp(row.id, "CO004") == 0 && !isSetup) {
            title = GuideQuitTitle;
            description = GuideQuitDescription;
        } else if (qstrcmp(row.id, "CO004") == 0 && isSWOAOrOtherDev) {
            title = SoftwareOnlyQuitTitle;
            description = SoftwareOnlyQuitDescription;
        }
        DialogEntry entry { QLatin1String(row.id), QLatin1String(row.page), filled(title, row.extra, productName),
            filled(description, row.extra, productName), translated(row.negative), translated(row.positive) };
        if (entry.id == QLatin1String("CO003"))
            entry.description += Links::SetupDownloadLink;
        catalogue.append(entry);
    }
    return catalogue;
}
