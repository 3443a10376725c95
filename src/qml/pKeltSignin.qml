import QtQuick 2.15

// Signing in to the maker's account. The root's "signinState" tells how far the
// account package is: 0 not installed yet, 1 installed, 2 failed, 3 signed in.
WizardPage {
    id: page
    objectName: "pKeltSignin"

    // The user asked to sign in and waits for the account package.
    property bool pending: false
    readonly property int retryDelay: 10000

    signal signinKelt()

    // caller: 0 the page has loaded, 1 the sign-in button, 2 the state changed.
    function handleState(caller) {
        var state = mainWindow.signinState
        console.log("[pKeltSignin] handleState(" + caller + "), signinState:", state)
        if (caller === 1)
            pending = true
        if (state === 3) {
            pending = false
            waitingDialog.dismiss()
            if (caller === 2)
                mainWindow.bringWindowToTop()
            pageLoader.jumpNext()
            return
        }
        if (caller === 0) {
            // The page's own sign-in button stands for Next.
            setNextStatus(true, false, qsTr("SIGN IN"))
            return
        }
        if (!pending)
            return
        if (state === 0) {
            waitingDialog.show()
            return
        }
        pending = false
        waitingDialog.dismiss()
        if (state === 1) {
            signinKelt()
            setNextStatus(false, false, qsTr("SIGN IN"))
            reenable.restart()
        } else {
            mainWindow.showDialog("SN001")
        }
    }

    function nextClicked() {
        handleState(1)
    }

    section: 1
    title: qsTr("Sign in to KELT | NOVA Account") + langProp.emptyString
    illustration: "qrc:/images/illustrations/account.svg"

    Timer {
        id: reenable
        interval: page.retryDelay
        onTriggered: page.setNextStatus(true, false, qsTr("SIGN IN"))
    }

    Connections {
        target: mainWindow

        function onSigninStateChanged() {
            page.handleState(2)
        }
    }

    Column {
        width: parent.width
        spacing: mainWindow.scx(28)

        Content {
            width: parent.width
            html: qsTr("To download and install the NOVA software suite, sign in to KELT | NOVA Account.")
                  + langProp.emptyString
        }

        SigninButton {
            enabled: !reenable.running
            onClicked: page.handleState(1)
        }
    }
}
