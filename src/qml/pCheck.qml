import QtQuick 2.15

// The PC check's findings when the PC may not be ready. Counts clicks on its two
// links for the analytics; Next asks for confirmation ("CH001").
WizardPage {
    id: page
    objectName: "pCheck"

    property int clicksReadyPC: 0
    property int clicksSteamVRTest: 0
    readonly property string readyPcUrl: mainWindow.helpUrlPrefix + "/ready-pc/"
    readonly property string steamVRTestUrl: "https://store.steampowered.com/app/323910/"

    // type: "gpu", "cpu", "memory" or "os"; rank: "RANK_GOOD", "RANK_BAD",
    // "RANK_UNKNOWN" or "RANK_UNCHECKED".
    function setCheckResult(type, name, rank) {
        var row = { "gpu": gpu, "cpu": cpu, "memory": memory, "os": os }[type]
        if (!row) {
            console.warn("[pCheck] Unknown check type:", type)
            return
        }
        row.name = name
        row.rank = rank
    }

    function nextClicked() {
        mainWindow.showDialog("CH001")
    }

    title: qsTr("Your PC might not be NOVA ready") + langProp.emptyString
    illustration: "qrc:/images/illustrations/pc.svg"
    panelWidth: 360

    StyledScroll {
        anchors.fill: parent

            Column {
            width: parent.width
            spacing: mainWindow.scx(14)
            // Room for the scroll bar when the findings need one.
            rightPadding: mainWindow.scx(16)

            Description {
                width: parent.width
                html: qsTr("Some parts of your computer don't meet what NOVA needs. You can go on, but NOVA may not run well.")
                      + langProp.emptyString
            }

            CheckResult {
                id: gpu
                objectName: "gpu"
                width: parent.width - parent.rightPadding
                icon: "qrc:/assets/ic_gpu.png"
                label: qsTr("Graphics card") + langProp.emptyString
                hint: qsTr("Your graphics card may not work well with NOVA.") + langProp.emptyString
            }

            CheckResult {
                id: cpu
                objectName: "cpu"
                width: parent.width - parent.rightPadding
                icon: "qrc:/assets/ic_cpu.png"
                label: qsTr("Processor") + langProp.emptyString
                hint: qsTr("Your processor doesn't match our list of compatible processors.") + langProp.emptyString
            }

            CheckResult {
                id: memory
                objectName: "memory"
                width: parent.width - parent.rightPadding
                icon: "qrc:/assets/ic_memory.png"
                label: qsTr("Memory") + langProp.emptyString
                hint: qsTr("We recommended at least %1 GB.").arg("8") + langProp.emptyString
            }

            CheckResult {
                id: os
                objectName: "os"
                width: parent.width - parent.rightPadding
                icon: "qrc:/assets/ic_os.png"
                label: qsTr("Operating system") + langProp.emptyString
                hint: qsTr("Windows 7 SP1, Windows 8.1 or above (64-bit) is required.") + langProp.emptyString
            }

            Row {
                spacing: mainWindow.scx(16)

                Image {
                    width: mainWindow.scx(24)
                    height: width
                    sourceSize.width: 48
                    source: "qrc:/assets/ic_usb.png"
                }

                StyledText {
                    anchors.verticalCenter: parent.verticalCenter
                    text: qsTr("We recommended at USB 3.0 or higher.") + langProp.emptyString
                    fstyle: "F6"
                    cstyle: "C8"
                }
            }

            Flow {
                width: parent.width
                spacing: mainWindow.scx(24)

                StyledButton {
                    kind: "link"
                    text: qsTr("See NOVA-ready PCs") + langProp.emptyString
                    iconSource: "qrc:/assets/ic_open.png"
                    onClicked: {
                        ++page.clicksReadyPC
                        pageLoader.openUrlLink(page.readyPcUrl)
                    }
                }

                StyledButton {
                    kind: "link"
                    text: qsTr("Test your PC with SteamVR") + langProp.emptyString
                    iconSource: "qrc:/assets/ic_open.png"
                    onClicked: {
                        ++page.clicksSteamVRTest
                        pageLoader.openUrlLink(page.steamVRTestUrl)
                    }
                }

                StyledButton {
                    kind: "secondary"
                    text: qsTr("QUIT SETUP") + langProp.emptyString
                    onClicked: mainWindow.showDialog("CO004")
                }
            }
        }
    }
}
