import QtQuick 2.15

// Explains the Steam sign-in that the installation needs.
WizardPage {
    objectName: "pSignin"
    section: 1
    title: qsTr("Sign in or sign up for a Steam account") + langProp.emptyString
    illustration: "qrc:/images/illustrations/account.svg"

    Content {
        width: parent.width
        html: qsTr("Steam opens its sign-in window during the installation. Sign in, or create a free account, so that SteamVR can finish installing.")
              + langProp.emptyString
    }
}
