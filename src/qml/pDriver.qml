import QtQuick 2.15

// The graphics driver is older than NOVA needs. Next asks for confirmation
// ("DR001"); the update button explains that setup closes ("DR002"), whose
// confirmation opens the driver download page through openUrl().
WizardPage {
    id: page
    objectName: "pDriver"

    readonly property bool isAmd: mainWindow.gpuType === "amd"
    readonly property string driverUrl: isAmd ? "https://www.amd.com/en/support"
                                              : "https://www.nvidia.com/Download/index.aspx"
    readonly property string shortcut: mainWindow.shortCutName[mainWindow.sku] || mainWindow.shortCutName["DOV"]

    // Opened directly: setup quits right after, before a checked link could open.
    function openUrl() {
        console.log("[pDriver] Open driver download page:", driverUrl)
        Qt.openUrlExternally(driverUrl)
    }

    function nextClicked() {
        mainWindow.showDialog("DR001")
    }

    title: qsTr("Update your graphics card driver") + langProp.emptyString
    illustration: "qrc:/images/illustrations/driver.svg"

    Column {
        width: parent.width
        spacing: mainWindow.scx(20)

        Content {
            width: parent.width
            html: qsTr("Your graphics card driver is out of date. For the best experience with NOVA, update it to version %1 or later.")
                  .arg("<b>" + (page.isAmd ? mainWindow.driverVersionAMD : mainWindow.driverVersionNv) + "</b>")
                  + langProp.emptyString
        }

        Content {
            width: parent.width
            html: qsTr("Setup closes while you update. Afterwards, open it again with the %1 shortcut on your desktop.")
                  .arg("<b>" + page.shortcut + "</b>") + langProp.emptyString
        }

        StyledButton {
            kind: "secondary"
            text: qsTr("UPDATE DRIVER") + langProp.emptyString
            iconSource: "qrc:/assets/ic_download.png"
            onClicked: mainWindow.showDialog("DR002")
        }
    }
}
