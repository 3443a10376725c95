import QtQuick 2.15

// The .NET Framework step. The root's "dotNetBtnState" decides what Next does:
// 0 install, 1 install again, 2 restart the computer, 3 go on.
WizardPage {
    id: page
    objectName: "pDotNet"

    property bool installing: false
    readonly property int btnState: mainWindow.dotNetBtnState

    signal installNetFx()
    signal reboot()
    signal closeSetup()

    function nextText(value) {
        switch (value) {
        case 1: return qsTr("INSTALL REQUIRED SOFTWARE AGAIN")
        case 2: return qsTr("RESTART COMPUTER")
        case 3: return qsTr("NEXT")
        default: return qsTr("INSTALL")
        }
    }

    function decideNextText() {
        setNextStatus(true, true, nextText(btnState))
    }

    function nextClicked() {
        switch (btnState) {
        case 0:
        case 1:
            installing = true
            setBackStatus(false, true, "")
            setNextStatus(false, true, nextText(btnState))
            // Back to "before the result", so that the next result always
            // counts as a change, even a second failure.
            mainWindow.dotNetBtnState = 0
            installNetFx()
            break
        case 2:
            reboot()
            break
        case 3:
            pageLoader.jumpNext()
            break
        }
    }

    title: qsTr("Install required software") + langProp.emptyString
    illustration: "qrc:/images/illustrations/pc.svg"

    Connections {
        target: mainWindow

        function onDotNetBtnStateChanged() {
            if (mainWindow.dotNetBtnState === 0)
                return
            page.installing = false
            page.decideNextText()
        }
    }

    Column {
        width: parent.width
        spacing: mainWindow.scx(24)

        Content {
            width: parent.width
            html: qsTr("NOVA software needs Microsoft .NET Framework 4.6 or later. Setup downloads and installs it for you.")
                  + langProp.emptyString
        }

        Row {
            spacing: mainWindow.scx(12)
            visible: page.installing

            Anim {
                anchors.verticalCenter: parent.verticalCenter
                running: page.installing
            }

            StyledText {
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("Installing .NET Framework. This can take a few minutes.") + langProp.emptyString
                fstyle: "F5"
                cstyle: "C1"
            }
        }

        StyledText {
            width: parent.width
            visible: !page.installing && page.btnState > 0
            wrapMode: Text.Wrap
            fstyle: "F5"
            cstyle: page.btnState === 1 ? "C3" : page.btnState === 3 ? "C2" : "C1"
            text: {
                switch (page.btnState) {
                case 1: return qsTr("The installation did not finish. Try again to go on.") + langProp.emptyString
                case 2: return qsTr("Restart your computer to finish the installation, then open setup again from its desktop shortcut.")
                               + langProp.emptyString
                default: return qsTr(".NET Framework is installed.") + langProp.emptyString
                }
            }
        }

        StyledButton {
            kind: "link"
            text: qsTr("QUIT SETUP") + langProp.emptyString
            onClicked: page.closeSetup()
        }
    }
}
