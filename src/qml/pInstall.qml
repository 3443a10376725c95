import QtQuick 2.15
import QtMultimedia 5.15

// The installation: the install video (or a still picture when there is no video),
// what is being installed, and the progress, which stays within 1..99 % until
// complete(). After completion in software-only and other-device modes it acts on
// the store app installer's result; in DKV mode it goes on.
WizardPage {
    id: page
    objectName: "pInstall"

    property string installMessageText: qsTr("Preparing") + langProp.emptyString
    property string speedMessageText
    // 0 before the Steam sign-in, 1 waiting for it, 2 after it.
    property int downlaodState: 0
    onDownlaodStateChanged: console.log("[pInstall] Steam sign-in state:", downlaodState)
    property int minutesToGuide: 0
    property bool bDialogReturned: false
    property bool completed: false
    readonly property real progress: bar.value
    // Download speed in MB/s under which the user is told to check the network.
    readonly property real slowSpeed: 0.1
    readonly property bool showsCompletion: completed && (mainWindow.bIsSWOA || mainWindow.bIsOtherDev)

    function setProgress(n) {
        bar.setValue(n)
    }

    function complete() {
        bar.complete()
        completed = true
        pageHeader.bBlueBgR = true
        if (showsCompletion)
            afterCompletion.start()
        else if (mainWindow.bIsDKV)
            pageLoader.jumpNext()
    }

    function startCruising(max) {
        bar.startCruising(max)
    }

    function stopCruising() {
        bar.stopCruising()
    }

    // The store app installer's exit code decides the end of the run.
    function actOnStoreAppResult() {
        switch (mainWindow.nNovaportErrorCode) {
        case 0:
        case 1638:
            pageLoader.launchNovaport()
            break
        case 1603:
            mainWindow.showDialog("IN012")
            break
        case 1618:
            mainWindow.showDialog("IN013")
            break
        case 3010:
            mainWindow.showDialog("IN011")
            break
        default:
            mainWindow.showDialog("IN014")
        }
    }

    section: 1
    fullBleed: true
    startItem: bar.barItem
    // Quitting while the installation runs cuts it short and opens the uninstall
    // window, so Escape asks first: "CO005" says that quitting stops the installation,
    // QUIT SETUP quits and BACK stays. Once complete, Escape closes at once.
    quitQuestion: completed ? "" : "CO005"

    Timer {
        id: afterCompletion
        interval: 2000
        onTriggered: page.actOnStoreAppResult()
    }

    Image {
        anchors.fill: parent
        source: "qrc:/images/illustrations/install.svg"
        sourceSize.width: width
        sourceSize.height: height
        fillMode: Image.PreserveAspectCrop
    }

    Video {
        id: video
        objectName: "videoA"
        anchors.fill: parent
        fillMode: VideoOutput.PreserveAspectCrop
        loops: MediaPlayer.Infinite
        autoPlay: true
        muted: true
        source: mainWindow.videoPath !== ""
                ? mainWindow.localFileUrl(mainWindow.videoPath + mainWindow.videoFileName["pInstall"]) : ""
        // Shown only while it plays: a missing or broken file leaves the still picture.
        visible: playbackState === MediaPlayer.PlayingState
                 && (status === MediaPlayer.Loaded || status === MediaPlayer.Buffered)
        onErrorChanged: if (error !== MediaPlayer.NoError) console.log("[pInstall] No install video:", errorString)
    }

    Rectangle {
        anchors.fill: parent
        gradient: Gradient {
            GradientStop { position: 0.35; color: "#000b1a2e" }
            GradientStop { position: 1; color: "#e60b1a2e" }
        }
    }

    InstallBalloon {
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: status.top
        anchors.bottomMargin: mainWindow.scx(28)
        visible: page.downlaodState === 1
        title: qsTr("Sign in or sign up for a Steam account") + langProp.emptyString
        text: qsTr("Steam has opened its sign-in window. Sign in, or create a free account, to go on with the installation.")
              + langProp.emptyString
    }

    Column {
        id: status
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: mainWindow.scx(64)
        anchors.bottomMargin: mainWindow.scx(40)
        spacing: mainWindow.scx(16)

        Row {
            spacing: mainWindow.scx(8)
            visible: {
                var speed = parseFloat(page.speedMessageText)
                return !page.completed && speed > 0 && speed < page.slowSpeed
            }

            Image {
                anchors.verticalCenter: parent.verticalCenter
                width: mainWindow.scx(20)
                height: width
                sourceSize.width: 48
                source: "qrc:/assets/ic_alert_light.png"
            }

            StyledText {
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("The download speed is very slow. Please check your network connection")
                      + langProp.emptyString
                fstyle: "F6"
                cstyle: "C10"
            }
        }

        InstallInfo {
            width: parent.width
            message: page.showsCompletion ? qsTr("Installation completed") + langProp.emptyString
                                          : page.installMessageText
            speed: page.speedMessageText
            minutes: page.minutesToGuide
            finished: page.completed
        }

        Progress {
            id: bar
            width: parent.width
        }
    }
}
