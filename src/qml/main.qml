import QtQuick 2.15
import QtQuick.Window 2.15
import "Style.js" as Style

// The wizard's window: header, page loader, footer, dialog overlay and waiting
// overlay. The native managers set its properties, call its functions by name and
// listen to its signals; the pages reach it through the ids below.
ScaleWindow {
    id: mainWindow

    // Set by the native side (the scale, the screen size and "styledTextLang" are
    // the window frame's).
    property bool bPublic: true
    property bool bIsDKV: false
    property bool bIsSWOA: false
    property bool bIsOtherDev: false
    property string product_name
    property string sku
    property string version
    property string videoPath
    property bool bIsLangAr: false
    property bool bIsUninstalling: false
    property bool bNovaport3010: false
    property int nNovaportErrorCode: 0
    property bool bOemFinished: false
    property int dotNetBtnState: 0
    property int signinState: 0
    property int defaultLangIndex: 0
    property var languages: [""]
    property string urlLocale: "us"

    property bool bNeedLaunchNovaport: false
    property string gpuType: "nvidia"
    property bool bPCChecked: false
    property bool bHasBeenActive: false
    property int detectionTimeoutLength: 5 * 60 * 1000
    property int thresholdForSkip: 1
    property string driverVersionNv: "431.60"
    property string driverVersionAMD: "25.20.15031.5004"
    property var shortCutName: ({ "KYR": "NovaTundraESetup", "Tundra": "NovaTundraSetup", "DOV": "Nova2020Setup" })
    property var videoFileName: ({ "pInstall": sku === "Tundra" ? "Dividi_anim.mp4" : "Novaport_anim.mp4" })
    property string linkTextColor: Style.color("C4")
    // The maker's web site, set by the native side from its one constant.
    property string productSite
    property string helpUrlPrefix: productSite + "/" + urlLocale
    // The pictures drawn for the device pixels they cover: the window's own scale
    // times the screen's (QT_SCALE_FACTOR, a high-density screen).
    property string icPathByScale: Style.scaleFolder(scale * Screen.devicePixelRatio)

    readonly property bool overlayUp: pageDialog.visible || waitingDialog.visible
    // Dialogs whose positive answer goes past a warning, closes the wizard for the
    // driver download, restarts the computer or quits: the keyboard starts on their
    // negative answer. In every other dialog the positive answer is the one that
    // changes nothing (BACK, CANCEL, TRY AGAIN, OK).
    readonly property var dialogsStartingOnNegative: ["CH001", "DR001", "DR002", "DriverLink", "IN011", "FIN004",
        "FIN005"]
    readonly property string currentPage: String(pageLoader.source).replace("qrc:/", "")
    // Whether a language has been applied, by the language selector or at start.
    property bool languageApplied: false

    signal firstActive()
    signal notifyPCChecked()
    signal skipInstall()
    signal initPages()
    signal initDialog()
    signal showDialog(string dialogID)
    signal quitButtonClicked()
    signal bgUICompleted()
    signal languageBI(string language)
    signal learnMoreBIEnd()
    signal prepareToQuit(string reason)
    signal regOpenVRDriver()

    function setGpuType(type) {
        console.log("[main] Received gpu type:", type)
        gpuType = type
    }

    function setPCChecked() {
        console.log("[main] PC checked. Current page:", currentPage)
        bPCChecked = true
        notifyPCChecked()
    }

    function hideWindow() {
        console.log("[main] hideWindow")
        hide()
        if (bIsDKV)
            regOpenVRDriver()
    }

    function bringWindowToTop() {
        flags = flags | Qt.WindowStaysOnTopHint
        show()
        raise()
        requestActivate()
        flags = flags & ~Qt.WindowStaysOnTopHint
    }

    function startBGMode() {
        console.log("[main] UI enters BG mode")
        hide()
        flags = flags & ~Qt.Window
    }

    // Switches the wizard to the language in row `index` of the language table and
    // lets the native side rebuild its texts.
    function applyLanguage(index) {
        langProp.setSteamLang(index)
        langProp.setOOBELang(index)
        langProp.setOtherAppLang(index)
        langProp.setStyledTextLang(index)
        defaultLangIndex = index
        languageApplied = true
        initPages()
        initDialog()
        languageBI(langProp.getLocaleLang(index))
    }

    // The header's close button and the Escape key ask to close, like the system does.
    function requestClose() {
        quitButtonClicked()
        close()
    }

    // A file URL for a native folder path ("C:/x" or "/x").
    function localFileUrl(path) {
        return (path.charAt(0) === "/" ? "file://" : "file:///") + path
    }

    title: qsTr("%1 Setup").arg(product_name) + langProp.emptyString
    visible: true
    modalOverlay: pageDialog.visible ? pageDialog : waitingDialog.visible ? waitingDialog : null

    onActiveChanged: {
        if (!active || bHasBeenActive)
            return
        bHasBeenActive = true
        // The dialog catalogue is needed in every mode; the language too, where no
        // language selector applied one.
        if (languageApplied)
            initDialog()
        else
            applyLanguage(defaultLangIndex)
        firstActive()
    }

    onClosing: {
        close.accepted = false
        console.log("[main] Recieve close siganl from system.")
        if (bIsUninstalling) {
            console.log("[main] During uninstalling, don't close app. Retrun.")
            return
        }
        console.log("[main] Close app from taskbar.")
        prepareToQuit("normal")
    }

    FocusScope {
        id: shell

        anchors.fill: parent
        focus: true
        LayoutMirroring.enabled: mainWindow.bIsLangAr
        LayoutMirroring.childrenInherit: true

        // After a page change the keyboard goes to the page's start (its heading), so
        // that a screen reader announces the new page. No control has it: keys reach
        // the window (Return is Next, Space presses nothing) and Tab goes on to the
        // page's first control, so a second press never lands on a button renamed
        // under the focus (the footer's Next). An open dialog keeps the keyboard.
        function focusPageStart() {
            if (mainWindow.overlayUp)
                return
            var focused = mainWindow.activeFocusItem
            if (focused && focused !== shell)
                focused.focus = false
            var start = pageLoader.item ? pageLoader.item.startItem : null
            if (start && start.visible)
                start.forceActiveFocus()
            else
                shell.forceActiveFocus()
        }

        // A closed dialog gives the keyboard back to what had it before, unless that
        // is gone, hidden or disabled (the answer changed the page).
        function focusAfterDialog(previous) {
            if (mainWindow.overlayUp)
                return
            if (previous && previous.visible && previous.enabled && previous !== shell)
                previous.forceActiveFocus()
            else
                focusPageStart()
        }

        // A held key acts once: auto-repeated presses would walk through pages.
        // Escape asks the page's quit question first where it has one (the install
        // page while installing), and otherwise asks to close like the header does.
        Keys.onPressed: {
            if (mainWindow.overlayUp || event.isAutoRepeat)
                return
            if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
                event.accepted = true
                pageFooter.nextBtn.activate()
            } else if (event.key === Qt.Key_Escape) {
                event.accepted = true
                var question = pageLoader.item ? pageLoader.item.quitQuestion : ""
                if (question)
                    mainWindow.showDialog(question)
                else
                    mainWindow.requestClose()
            }
        }

        Header {
            id: pageHeader
            objectName: "pageHeader"
            anchors.top: parent.top
            anchors.left: parent.left
            anchors.right: parent.right
            height: implicitHeight
            enabled: !mainWindow.overlayUp
            title: mainWindow.title
            bIsSWOA: mainWindow.bIsSWOA
            bIsOtherDev: mainWindow.bIsOtherDev
            onCloseButtonClicked: mainWindow.requestClose()
        }

        Item {
            id: pageArea

            anchors.top: pageHeader.visible ? pageHeader.bottom : parent.top
            anchors.bottom: pageFooter.top
            anchors.left: parent.left
            anchors.right: parent.right
            enabled: !mainWindow.overlayUp

            Loader {
                id: pageLoader
                objectName: "pageLoader"

                // Set once a page has been loaded by name; until then the first page
                // follows the mode flags.
                property bool pageChanged: false

                signal setBackStatus(bool bEnabled, bool bVisible, string strText)
                signal setNextStatus(bool bEnabled, bool bVisible, string strText)
                signal abandonDialog(string dialogTitle)
                signal jumpNext()
                signal jumpBack()
                signal launchNovaport()
                signal openUrlLink(string url)

                function firstPage() {
                    if (mainWindow.bIsSWOA || mainWindow.bIsDKV)
                        return "pLegal.qml"
                    return mainWindow.bIsOtherDev ? "pFolder.qml" : "pHealth.qml"
                }

                function helpClicked() {
                    console.log("[main] Invoke help URL")
                    openUrlLink(item && item.helpUrl ? item.helpUrl : mainWindow.helpUrlPrefix + "/support/")
                }

                function load(pageName) {
                    console.log("[main] Load page", pageName)
                    pageChanged = true
                    source = Qt.resolvedUrl(pageName)
                    console.log("[main] After loading page", pageName)
                }

                function setFullWindow(bFullWindow) {
                    pageDialog.full = bFullWindow
                }

                function showDialogImpl(strTitle, strInfo, strNegative, strPositive, bEnhanced, strDialogID) {
                    pageDialog.title = strTitle
                    pageDialog.info = strInfo
                    pageDialog.txtNegative = strNegative
                    pageDialog.txtPositive = strPositive
                    pageDialog.enhanced = bEnhanced
                    pageDialog.dialogID = strDialogID
                    console.log("[main] Show dialog " + strDialogID)
                    pageDialog.defaultNegative = mainWindow.dialogsStartingOnNegative.indexOf(strDialogID) >= 0
                    pageDialog.visible = true
                    // A dialog that replaces one still open starts on its own answer too.
                    pageDialog.focusDefaultButton()
                }

                function closeDialog() {
                    pageDialog.visible = false
                }

                function quit() {
                    Qt.quit()
                }

                // The first page sets the footer itself: the page flow has not been
                // wired yet when it loads.
                function applyStartFooter() {
                    if (pageChanged || !item || typeof item.footerAtStart !== "function")
                        return
                    var start = item.footerAtStart()
                    pageFooter.setBackStatus(start.back[0], start.back[1], start.back[2])
                    pageFooter.setNextStatus(start.next[0], start.next[1], start.next[2])
                }

                anchors.fill: parent
                source: firstPage()

                onLoaded: {
                    pageFooter.nHelpClicked = 0
                    pageFooter.nextAllowed = item.nextAllowed
                    pageFooter.helpAllowed = item.helpVisible
                    pageFooter.update()
                    pageHeader.index = item.section
                    pageHeader.stepperEnabled = item.stepperVisible
                    pageHeader.update()
                    applyStartFooter()
                    shell.focusPageStart()
                }

                Connections {
                    target: pageLoader.item
                    ignoreUnknownSignals: true

                    function onSetBackStatus(bEnabled, bVisible, strText) {
                        pageLoader.setBackStatus(bEnabled, bVisible, strText)
                    }

                    function onSetNextStatus(bEnabled, bVisible, strText) {
                        pageLoader.setNextStatus(bEnabled, bVisible, strText)
                    }
                }

                Connections {
                    target: langProp

                    function onLanguageChanged() {
                        pageLoader.applyStartFooter()
                    }
                }
            }
        }

        MaskedBlur {
            objectName: "pageBlur"
            anchors.fill: pageArea
            source: pageArea
            active: mainWindow.overlayUp
            radius: 24
            samples: 32
        }

        Footer {
            id: pageFooter
            objectName: "pageFooter"
            anchors.bottom: parent.bottom
            anchors.left: parent.left
            anchors.right: parent.right
            height: implicitHeight
            enabled: !mainWindow.overlayUp
            versionText: mainWindow.version !== ""
                         ? qsTr("Version %1").arg(mainWindow.version.split("_").pop()) + langProp.emptyString : ""

            onBackButtonClicked: {
                if (typeof pageLoader.item.backClicked === "function")
                    pageLoader.item.backClicked()
                else
                    pageLoader.jumpBack()
            }
            onNextButtonClicked: {
                if (typeof pageLoader.item.nextClicked === "function")
                    pageLoader.item.nextClicked()
                else
                    pageLoader.jumpNext()
            }
            onHelpButtonClicked: pageLoader.helpClicked()
        }

        AnimDialog {
            id: waitingDialog
            objectName: "waitingDialog"
            anchors.fill: pageArea
        }

        OobeDialog {
            id: pageDialog
            objectName: "pageDialog"
            anchors.fill: full ? parent : pageArea
            z: 10

            onLinkActivated: pageLoader.openUrlLink(link)
            onVisibleChanged: {
                if (visible)
                    return
                full = false
                focus = false
                shell.forceActiveFocus()
                // Once the bindings on the dialog's visibility (the modal overlay) have
                // followed, and after any page change its answer made.
                var previous = focusBeforeOpening
                focusBeforeOpening = null
                Qt.callLater(shell.focusAfterDialog, previous)
            }
        }
    }
}
