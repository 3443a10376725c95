import QtQuick 2.15

// The end of the wizard; Next quits with "done".
WizardPage {
    id: page
    objectName: "pComplete"

    function nextClicked() {
        mainWindow.prepareToQuit("done")
    }

    section: 1
    installDone: true
    title: qsTr("Install completed! Thanks for your waiting.") + langProp.emptyString
    illustration: "qrc:/images/illustrations/complete.svg"

    Content {
        width: parent.width
        html: qsTr("The %1 software is ready. Press OK to close setup.").arg(mainWindow.product_name)
              + langProp.emptyString
    }

    // Replays the illustration, from its corner.
    ReplayBtn {
        parent: page
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: mainWindow.scx(24)
        onClicked: page.playIntro()
    }
}
