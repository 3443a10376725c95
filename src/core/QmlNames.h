#pragma once

#include <QLatin1String>
#include <QObject>

#include <initializer_list>

// The names by which the native side reaches the QML window: the objects it finds by
// object name, and on each the properties it reads or writes, the functions it calls
// (QML functions take `var` arguments) and the signals it connects (by signature).
// The QML files define them; a test checks every name listed here against the real
// window, so a renamed QML property fails a test instead of a connection at run time.
namespace QmlNames {

// What one QML object offers the native side.
struct Contract {
    const char *object; // its object name; "" for the root
    std::initializer_list<const char *> properties;
    std::initializer_list<const char *> functions; // called by name
    std::initializer_list<const char *> signatures; // signals and functions connected by signature
};

// Objects below the root.
inline constexpr char pageHeader[] = "pageHeader";
inline constexpr char pageFooter[] = "pageFooter";
inline constexpr char pageLoader[] = "pageLoader";
inline constexpr char pageDialog[] = "pageDialog";
inline constexpr char waitingDialog[] = "waitingDialog";
inline constexpr char languageSelector[] = "languageSelector"; // inside pLegal
inline constexpr char aboutQt[] = "aboutQt"; // inside pLegal

// Pages, found below the root or the page loader once loaded.
inline constexpr char pLegal[] = "pLegal";
inline constexpr char pCheck[] = "pCheck";
inline constexpr char pDotNet[] = "pDotNet";
inline constexpr char pDriver[] = "pDriver";
inline constexpr char pFolder[] = "pFolder";
inline constexpr char pInstall[] = "pInstall";
inline constexpr char pKeltSignin[] = "pKeltSignin";
// Pages of other page sets that the dialog manager and the dialog agent still serve.
inline constexpr char pFinal01[] = "pFinal01";
inline constexpr char pInit03[] = "pInit03";
inline constexpr char pHead04[] = "pHead04";

// Root properties.
inline constexpr char primScWidth[] = "primScWidth";
inline constexpr char primScHeight[] = "primScHeight";
inline constexpr char productName[] = "product_name";
inline constexpr char sku[] = "sku";
inline constexpr char bPublic[] = "bPublic";
inline constexpr char version[] = "version";
inline constexpr char bIsDKV[] = "bIsDKV";
inline constexpr char bIsSWOA[] = "bIsSWOA";
inline constexpr char bIsOtherDev[] = "bIsOtherDev";
inline constexpr char videoPath[] = "videoPath";
inline constexpr char productSite[] = "productSite";
inline constexpr char languages[] = "languages";
inline constexpr char defaultLangIndex[] = "defaultLangIndex";
inline constexpr char styledTextLang[] = "styledTextLang";
inline constexpr char urlLocale[] = "urlLocale";
inline constexpr char bIsLangAr[] = "bIsLangAr";
inline constexpr char dotNetBtnState[] = "dotNetBtnState";
inline constexpr char driverVersionNv[] = "driverVersionNv";
inline constexpr char driverVersionAMD[] = "driverVersionAMD";
inline constexpr char bNeedLaunchNovaport[] = "bNeedLaunchNovaport";
inline constexpr char signinState[] = "signinState";
// Root functions.
inline constexpr char setPCChecked[] = "setPCChecked";
inline constexpr char setGpuType[] = "setGpuType";
// Root signals.
inline constexpr char showDialogSignal[] = "showDialog(QString)";
inline constexpr char firstActiveSignal[] = "firstActive()";
inline constexpr char skipInstallSignal[] = "skipInstall()";
inline constexpr char initPagesSignal[] = "initPages()";
inline constexpr char initDialogSignal[] = "initDialog()";
inline constexpr char languageBISignal[] = "languageBI(QString)";
inline constexpr char prepareToQuitSignal[] = "prepareToQuit(QString)";
inline constexpr char regOpenVRDriverSignal[] = "regOpenVRDriver()";
// The root's function that hides the window, connected as a slot.
inline constexpr char hideWindowSlot[] = "hideWindow()";

// Header.
inline constexpr char setVisibility[] = "setVisibility";
inline constexpr char minimizeButtonClickedSignal[] = "minimizeButtonClicked()";

// Footer.
inline constexpr char nHelpClicked[] = "nHelpClicked";
inline constexpr char bScreenshot[] = "bScreenshot";
inline constexpr char doScreenshotSignal[] = "doScreenshot(QString)";
inline constexpr char setBackStatus[] = "setBackStatus";
inline constexpr char setNextStatus[] = "setNextStatus";
inline constexpr char update[] = "update";

// Page loader.
inline constexpr char source[] = "source";
inline constexpr char item[] = "item";
inline constexpr char load[] = "load";
inline constexpr char setFullWindow[] = "setFullWindow";
inline constexpr char showDialogImpl[] = "showDialogImpl";
// Called by the dialog manager's big-dialog path; this page set has no such function.
inline constexpr char showBigDialogImpl[] = "showBigDialogImpl";
inline constexpr char closeDialog[] = "closeDialog";
inline constexpr char quit[] = "quit";
inline constexpr char jumpNextSignal[] = "jumpNext()";
inline constexpr char jumpBackSignal[] = "jumpBack()";
inline constexpr char loadedSignal[] = "loaded()";
inline constexpr char setBackStatusSignal[] = "setBackStatus(bool,bool,QString)";
inline constexpr char setNextStatusSignal[] = "setNextStatus(bool,bool,QString)";
inline constexpr char abandonDialogSignal[] = "abandonDialog(QString)";
inline constexpr char openUrlLinkSignal[] = "openUrlLink(QString)";
inline constexpr char launchNovaportSignal[] = "launchNovaport()";

// Waiting overlay.
inline constexpr char show[] = "show";
inline constexpr char dismiss[] = "dismiss";

// Page dialog.
inline constexpr char visible[] = "visible";
inline constexpr char dialogID[] = "dialogID";
inline constexpr char negativePressedSignal[] = "negativePressed()";
inline constexpr char positivePressedSignal[] = "positivePressed()";

// Pages.
inline constexpr char setDefaultLang[] = "setDefaultLang"; // language selector
inline constexpr char open[] = "open"; // language selector
inline constexpr char expanded[] = "expanded"; // the Qt notice
inline constexpr char clicksSteamVRTest[] = "clicksSteamVRTest"; // pCheck
inline constexpr char clicksReadyPC[] = "clicksReadyPC"; // pCheck
inline constexpr char setCheckResult[] = "setCheckResult"; // pCheck
inline constexpr char decideNextText[] = "decideNextText"; // pDotNet
inline constexpr char installNetFxSignal[] = "installNetFx()"; // pDotNet
inline constexpr char rebootSignal[] = "reboot()"; // pDotNet
inline constexpr char closeSetupSignal[] = "closeSetup()"; // pDotNet
inline constexpr char openUrl[] = "openUrl"; // pDriver
inline constexpr char canSkipInstall[] = "canSkipInstall"; // pFolder
inline constexpr char defaultNovaLoc[] = "defaultNovaLoc"; // pFolder
inline constexpr char defaultNovaFolderName[] = "defaultNovaFolderName"; // pFolder
inline constexpr char prevNovaLoc[] = "prevNovaLoc"; // pFolder
inline constexpr char prevNovaFolderName[] = "prevNovaFolderName"; // pFolder
inline constexpr char prevSteamPath[] = "prevSteamPath"; // pFolder
inline constexpr char setSizeInfo[] = "setSizeInfo"; // pFolder
inline constexpr char returnSelectedPath[] = "returnSelectedPath"; // pFolder
inline constexpr char selectPathSignal[] = "selectPath(QString)"; // pFolder
inline constexpr char decidePathSignal[] = "decidePath(QString,QString)"; // pFolder
inline constexpr char completed[] = "completed"; // pInstall
inline constexpr char bDialogReturned[] = "bDialogReturned"; // pInstall
inline constexpr char handleState[] = "handleState"; // pKeltSignin
inline constexpr char signinKeltSignal[] = "signinKelt()"; // pKeltSignin
inline constexpr char isDialogFIN004[] = "isDialogFIN004"; // pFinal01
inline constexpr char askToAcceptPInit03Signal[] = "askToAcceptPInit03()"; // pInit03
inline constexpr char setStatus[] = "setStatus"; // pHead04: (USB complete, display connected)

// Everything above, object by object, for the contract test. Pages of other page sets
// are left out: this window cannot load them.
inline const std::initializer_list<Contract> contracts = {
    { "",
        { primScWidth, primScHeight, productName, sku, bPublic, version, bIsDKV, bIsSWOA, bIsOtherDev, videoPath,
            productSite, languages, defaultLangIndex, styledTextLang, urlLocale, bIsLangAr, dotNetBtnState,
            driverVersionNv, driverVersionAMD, bNeedLaunchNovaport, signinState },
        { setPCChecked, setGpuType },
        { showDialogSignal, firstActiveSignal, skipInstallSignal, initPagesSignal, initDialogSignal, languageBISignal,
            prepareToQuitSignal, regOpenVRDriverSignal, hideWindowSlot } },
    { pageHeader, {}, { setVisibility }, { minimizeButtonClickedSignal } },
    { pageFooter, { nHelpClicked, bScreenshot }, { setBackStatus, setNextStatus, update }, { doScreenshotSignal } },
    { pageLoader, { source, item }, { load, setFullWindow, showDialogImpl, closeDialog, quit },
        { jumpNextSignal, jumpBackSignal, loadedSignal, setBackStatusSignal, setNextStatusSignal, abandonDialogSignal,
            openUrlLinkSignal, launchNovaportSignal } },
    { waitingDialog, {}, { show, dismiss }, {} },
    { pageDialog, { visible, dialogID }, {}, { negativePressedSignal, positivePressedSignal } },
    { pLegal, {}, {}, {} },
    { languageSelector, { open }, { setDefaultLang }, {} },
    { aboutQt, { expanded }, {}, {} },
    { pCheck, { clicksSteamVRTest, clicksReadyPC }, { setCheckResult }, {} },
    { pDotNet, {}, { decideNextText }, { installNetFxSignal, rebootSignal, closeSetupSignal } },
    { pDriver, {}, { openUrl }, {} },
    { pFolder,
        { canSkipInstall, defaultNovaLoc, defaultNovaFolderName, prevNovaLoc, prevNovaFolderName, prevSteamPath },
        { setSizeInfo, returnSelectedPath }, { selectPathSignal, decidePathSignal } },
    { pInstall, { completed, bDialogReturned }, {}, {} },
    { pKeltSignin, {}, { handleState }, { signinKeltSignal } },
};

// The object of that name below parent (itself when it has that name), or null.
inline QObject *find(QObject *parent, const char *objectName)
{
    if (!parent)
        return nullptr;
    if (parent->objectName() == QLatin1String(objectName))
        return parent;
    return parent->findChild<QObject *>(QLatin1String(objectName));
}

} // namespace QmlNames
