import QtQuick 2.15

// Introduces the software installation.
WizardPage {
    objectName: "pSw01"
    section: 1
    title: qsTr("Install the NOVA software") + langProp.emptyString
    illustration: "qrc:/images/illustrations/folder.svg"

    Content {
        width: parent.width
        html: qsTr("Setup downloads and installs the NOVA software suite and SteamVR. Depending on your connection, this can take a while.")
              + langProp.emptyString
    }
}
