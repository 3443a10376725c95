#include "wizard/PageDialogCatalogue.h"

#include "core/CatalogueRow.h"
#include "wizard/Links.h"

#include <iterator>

namespace {

enum Flags { None = 0, FullWindow = 1, Enhanced = 2 };

using Row = CatalogueRow<int>; // the extra: Flags

const char *const QuitSetup = QT_TRANSLATE_NOOP("CPageManager", "QUIT SETUP");
const char *const QuitSetupDownloader
    = QT_TRANSLATE_NOOP("CPageManager", "QUIT SETUP<span id=\"downloader-00\"></span>");
const char *const TryAgain = QT_TRANSLATE_NOOP("CPageManager", "TRY AGAIN");

const Row Rows[] = {
    { "Init00Err1", "pLegal.qml", QT_TRANSLATE_NOOP("CPageManager", "Sign in as an administrator"),
        QT_TRANSLATE_NOOP("CPageManager",
            "You don't have necessary permissions to install software on this computer. Sign in as an "
            "administrator to continue with NOVA Tundra Setup."),
        "", QuitSetup, FullWindow },
    // The download page's link follows the text.
    { "Init00Err4", "pLegal.qml", QT_TRANSLATE_NOOP("CPageManager", "Unsupported region"),
        QT_TRANSLATE_NOOP("CPageManager",
            "This version of NOVA Tundra Setup is not supported in your region. Please download your region's "
            "version at "),
        "", QuitSetup, FullWindow },
    { "Init00Err5", "pLegal.qml", QT_TRANSLATE_NOOP("CPageManager", "Compatibility mode"),
        QT_TRANSLATE_NOOP("CPageManager",
            "NOVA Tundra Setup can't run under compatibility mode, so we've disabled compatibility mode for it. "
            "Close and relaunch NOVA Tundra Setup to continue."),
        "", QuitSetup, FullWindow },
    { "Init01Info1", "pDotNet.qml", QT_TRANSLATE_NOOP("CPageManager", "Cancel setup?"),
        QT_TRANSLATE_NOOP("CPageManager",
            ".Net framework is still installing. After installation, you could need to <br>restart PC and "
            "re-launch NOVA Tundra Setup manually."),
        QuitSetupDownloader, QT_TRANSLATE_NOOP("CPageManager", "CANCEL"), None },
    { "Init03Info1", "pInit03.qml", QT_TRANSLATE_NOOP("CPageManager", "Terms and conditions"),
        QT_TRANSLATE_NOOP("CPageManager", "To continue setup, accept the terms and conditions."), QuitSetupDownloader,
        QT_TRANSLATE_NOOP("CPageManager", "OK"), None },
    { "DriverLink", "pDriver.qml", QT_TRANSLATE_NOOP("CPageManager", "Download driver?"),
        QT_TRANSLATE_NOOP("CPageManager",
            "NOVA Tundra Setup will close. After updating your graphics card driver, reopen it from the desktop."),
        QT_TRANSLATE_NOOP("CPageManager", "CANCEL<span id=\"driver-00\"></span>"),
        QT_TRANSLATE_NOOP("CPageManager", "DOWNLOAD<span id=\"driver-01\"></span>"), None },
    { "Sw01Err6", "pInstall.qml", QT_TRANSLATE_NOOP("CPageManager", "Cancel installation?"),
        QT_TRANSLATE_NOOP("CPageManager", "NOVA Tundra Setup will quit if you choose to cancel software installation."),
        QT_TRANSLATE_NOOP("CPageManager", "CANCEL SETUP"), QT_TRANSLATE_NOOP("CPageManager", "BACK"), None },
    { "Sw01Err10", "pInstall.qml", QT_TRANSLATE_NOOP("CPageManager", "Something went wrong"),
        QT_TRANSLATE_NOOP("CPageManager", "Please try to sign in to KELT | NOVA Account again."), QuitSetup, TryAgain,
        None },
    { "Sw01Err14", "pInstall.qml", QT_TRANSLATE_NOOP("CPageManager", "Warning"),
        QT_TRANSLATE_NOOP("CPageManager", "The specified path is not available or do not have enough space."), "",
        QT_TRANSLATE_NOOP("CPageManager", "OK"), None },
    { "Sw01Err15", "pKeltSignin.qml", QT_TRANSLATE_NOOP("CPageManager", "Sign in to KELT | NOVA Account"),
        QT_TRANSLATE_NOOP(
            "CPageManager", "To download and install the NOVA software suite, sign in to KELT | NOVA Account."),
        QuitSetup, QT_TRANSLATE_NOOP("CPageManager", "SIGN IN"), None },
    { "Sw01Err16", "pInstall.qml", QT_TRANSLATE_NOOP("CPageManager", "Couldn't connect to NOVA server"),
        QT_TRANSLATE_NOOP("CPageManager", "Something went wrong while trying to connect with the NOVA server."),
        QT_TRANSLATE_NOOP("CPageManager", "QUIT SETUP<span id=\"downloader-24\"></span>"),
        QT_TRANSLATE_NOOP("CPageManager", "TRY AGAIN<span id=\"downloader-25\"></span>"), None },
    { "Sw01Err17", "pInstall.qml",
        QT_TRANSLATE_NOOP("CPageManager", "Couldn't download SteamVR<span id=\"downloader-16\"></span>"),
        QT_TRANSLATE_NOOP("CPageManager", "Something went wrong while downloading SteamVR. Please try again."),
        QT_TRANSLATE_NOOP("CPageManager", "QUIT SETUP<span id=\"downloader-17\"></span>"),
        QT_TRANSLATE_NOOP("CPageManager", "TRY AGAIN<span id=\"downloader-18\"></span>"), None },
    { "Sw01Err18", "pInstall.qml", QT_TRANSLATE_NOOP("CPageManager", "Close SteamVR to continue"),
        QT_TRANSLATE_NOOP("CPageManager",
            "NOVA Tundra Setup installs the latest version of SteamVR. To continue software installation, close "
            "SteamVR."),
        "", TryAgain, None },
    { "Sw01Err19", "pInstall.qml", QT_TRANSLATE_NOOP("CPageManager", "Reopen NOVA Tundra Setup"),
        QT_TRANSLATE_NOOP("CPageManager", "Something went wrong while trying to stop SteamVR."), "", QuitSetup, None },
    // %1 is the download's progress in percent, filled in by whoever shows it.
    { "Sw01Err20", "pInstall.qml", QT_TRANSLATE_NOOP("CPageManager", "Just a sec..."),
        QT_TRANSLATE_NOOP(
            "CPageManager", "It'll just be a moment while the NOVA software finishes downloading. (<b>%1%</b>)"),
        "", QuitSetup, None },
    { "BgdlInfo", "pCtr03.qml", QT_TRANSLATE_NOOP("CPageManager", "Please wait"),
        QT_TRANSLATE_NOOP("CPageManager", "The NOVA desktop app is still downloading. Please wait. (<b>%1%</b>)"), "",
        QT_TRANSLATE_NOOP("CPageManager", "CONTINUE"), Enhanced },
    { "CommonError", "pInstall.qml", QT_TRANSLATE_NOOP("CPageManager", "Quit NOVA Tundra Setup?"),
        QT_TRANSLATE_NOOP("CPageManager",
            "Installation is not complete. You may run NOVA Tundra Setup to complete the installation later."),
        QT_TRANSLATE_NOOP("CPageManager", "QUIT SETUP<span id=\"common-01\"></span>"),
        QT_TRANSLATE_NOOP("CPageManager", "BACK<span id=\"common-02\"></span>"), None },
};

const char *const SoftwareOnlyQuitTitle = QT_TRANSLATE_NOOP("CPageManager", "Quit NOVAPORT Setup?");
const char *const SoftwareOnlyQuitDescription = QT_TRANSLATE_NOOP(
    "CPageManager", "Installation is not complete. You may run NOVAPORT Setup to complete the installation later.");

QString translated(const char *text)
{
    return translatedCatalogueText("CPageManager", text);
}

} // namespace

QVector<PageDialogEntry> buildPageDialogCatalogue(bool isSWOA)
{
    QVector<PageDialogEntry> catalogue;
    catalogue.reserve(int(std::size(Rows)));
    for (const Row &row : Rows) {
        PageDialogEntry entry { { QLatin1String(row.id), QLatin1String(row.page), translated(row.title),
                                    translated(row.description), translated(row.negative), translated(row.positive) },
            (row.extra & FullWindow) != 0, (row.extra & Enhanced) != 0 };
        if (entry.id == QLatin1String("Init00Err4")) {
            entry.description += Links::SetupDownloadLink;
        } else if (isSWOA && entry.id == QLatin1String("CommonError")) {
            entry.title = translated(SoftwareOnlyQuitTitle);
            entry.description = translated(SoftwareOnlyQuitDescription);
        }
        catalogue.append(entry);
    }
    return catalogue;
}
