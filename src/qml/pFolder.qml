import QtQuick 2.15
import "Style.js" as Style

// The install folder: the software's folder in software-only mode, Steam's
// otherwise. The path manager chooses folders (selectPath, returnSelectedPath) and
// reports the space needed (setSizeInfo); Next fixes the folder (decidePath).
WizardPage {
    id: page
    objectName: "pFolder"

    property bool canSkipInstall: false
    property string prevNovaLoc
    property string prevNovaFolderName
    property string defaultNovaLoc
    property string defaultNovaFolderName
    property string prevSteamLoc
    property string prevSteamPath

    property string chosenLoc
    property string chosenFolderName
    property bool choosing: false
    property real requiredBytes: -1
    property bool noEnoughSpace: false
    // Footer state from before the folder chooser opened: back enabled, next enabled.
    property var footerBeforeChoosing: [false, false]

    readonly property bool forSoftware: mainWindow.bIsSWOA
    readonly property string location: chosenLoc || (forSoftware ? prevNovaLoc : prevSteamLoc) || defaultNovaLoc
    readonly property string folderName: chosenFolderName
                                         || (forSoftware ? prevNovaFolderName || defaultNovaFolderName : "Steam")
    readonly property string shownPath: !forSoftware && !chosenLoc && prevSteamPath ? prevSteamPath
                                                                                    : joinPath(location, folderName)

    signal selectPath(string initPath)
    signal decidePath(string loc, string folderName)

    onShownPathChanged: console.log("[pFolder] Folder: " + displayedPath(shownPath))

    function footerAtStart() {
        return { back: [false, false, ""], next: [false, true, qsTr("INSTALL")] }
    }

    function joinPath(folder, name) {
        if (folder === "" || name === "")
            return folder
        var separator = folder.indexOf("\\") >= 0 ? "\\" : "/"
        return folder.charAt(folder.length - 1) === separator ? folder + name : folder + separator + name
    }

    // Folders are kept with backslashes; the page shows them as the system writes them.
    function displayedPath(path) {
        return Qt.platform.os === "windows" ? path : path.replace(/\\/g, "/")
    }

    // Sizes under 1024 MB in whole MB, larger ones in GB with one decimal.
    function formatSize(bytes) {
        var megabytes = bytes / (1024 * 1024)
        if (megabytes < 1024)
            return qsTr("%1 MB").arg(Math.floor(megabytes))
        return qsTr("%1 GB").arg((megabytes / 1024).toFixed(1))
    }

    function setSizeInfo(required, noEnough) {
        requiredBytes = required
        noEnoughSpace = noEnough
        console.log("[pFolder] Space required: " + formatSize(required) + (noEnough ? ", not enough free space" : ""))
        if (!choosing)
            setNextStatus(true, true, qsTr("INSTALL"))
    }

    function chooseFolder() {
        choosing = true
        footerBeforeChoosing = [pageFooter.backEnabled, pageFooter.nextEnabled]
        setBackStatus(false, pageFooter.backVisible, "")
        setNextStatus(false, true, qsTr("INSTALL"))
        selectPath(location)
    }

    function returnSelectedPath(loc, newFolderName) {
        if (loc !== "") {
            chosenLoc = loc
            chosenFolderName = newFolderName
        }
        if (!choosing)
            return
        choosing = false
        setBackStatus(footerBeforeChoosing[0], pageFooter.backVisible, "")
        setNextStatus(footerBeforeChoosing[1], true, qsTr("INSTALL"))
    }

    function nextClicked() {
        decidePath(location, folderName)
        pageLoader.jumpNext()
    }

    section: 1
    title: qsTr("Choose where to install") + langProp.emptyString
    illustration: "qrc:/images/illustrations/folder.svg"

    Column {
        width: parent.width
        spacing: mainWindow.scx(20)

        Content {
            width: parent.width
            html: (page.forSoftware ? qsTr("NOVA software will be installed in this folder.")
                                    : qsTr("Steam and SteamVR will be installed in this folder."))
                  + langProp.emptyString
        }

        Rectangle {
            width: parent.width
            height: mainWindow.scx(56)
            radius: mainWindow.scx(4)
            color: Style.surface
            border.width: mainWindow.scx(1)
            border.color: page.noEnoughSpace ? Style.color("C3") : Style.outline

            Image {
                id: folderIcon
                anchors.left: parent.left
                anchors.leftMargin: mainWindow.scx(16)
                anchors.verticalCenter: parent.verticalCenter
                width: mainWindow.scx(24)
                height: width
                sourceSize.width: 48
                source: "qrc:/assets/ic_folder.png"
            }

            StyledText {
                anchors.left: folderIcon.right
                anchors.leftMargin: mainWindow.scx(12)
                anchors.right: change.left
                anchors.rightMargin: mainWindow.scx(12)
                anchors.verticalCenter: parent.verticalCenter
                text: page.displayedPath(page.shownPath)
                fstyle: "F5"
                cstyle: "C1"
                elide: Text.ElideMiddle
                Accessible.name: qsTr("Install folder: %1").arg(text) + langProp.emptyString
            }

            StyledButton {
                id: change
                anchors.right: parent.right
                anchors.rightMargin: mainWindow.scx(8)
                anchors.verticalCenter: parent.verticalCenter
                kind: "secondary"
                text: qsTr("CHANGE") + langProp.emptyString
                enabled: !page.choosing
                onClicked: page.chooseFolder()
            }
        }

        StyledText {
            width: parent.width
            visible: page.requiredBytes >= 0
            text: qsTr("Space required: %1").arg(page.formatSize(page.requiredBytes)) + langProp.emptyString
            fstyle: "F5"
            cstyle: page.noEnoughSpace ? "C3" : "C1"
        }

        StyledText {
            width: parent.width
            visible: page.noEnoughSpace
            text: qsTr("There isn't enough free space on this drive. Choose another folder.") + langProp.emptyString
            fstyle: "F6"
            cstyle: "C3"
            wrapMode: Text.Wrap
        }

        Column {
            width: parent.width
            visible: page.canSkipInstall
            spacing: mainWindow.scx(4)

            Description {
                width: parent.width
                html: qsTr("The software is already installed on this computer.") + langProp.emptyString
            }

            StyledButton {
                kind: "link"
                text: qsTr("SKIP INSTALLATION") + langProp.emptyString
                onClicked: mainWindow.skipInstall()
            }
        }
    }
}
