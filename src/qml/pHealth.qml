import QtQuick 2.15

// Health and safety. Next leaves once the PC check has ended; before that the
// waiting overlay shows for at least two seconds and the page leaves by itself
// when the check ends.
WizardPage {
    id: page
    objectName: "pHealth"

    property bool waitingForCheck: false
    property double waitStarted: 0
    readonly property int minimumWait: 2000

    function footerAtStart() {
        return { back: [false, false, ""], next: [true, true, qsTr("I UNDERSTAND")] }
    }

    function nextClicked() {
        if (mainWindow.bPCChecked) {
            pageLoader.jumpNext()
            return
        }
        if (waitingForCheck)
            return
        waitingForCheck = true
        waitStarted = Date.now()
        waitingDialog.show()
        wait.interval = minimumWait
        wait.restart()
    }

    // Leaves when the check has ended and the overlay has shown long enough.
    function leaveWhenReady() {
        if (!waitingForCheck || !mainWindow.bPCChecked || wait.running)
            return
        var remaining = minimumWait - (Date.now() - waitStarted)
        if (remaining > 0) {
            wait.interval = remaining
            wait.restart()
            return
        }
        waitingForCheck = false
        waitingDialog.dismiss()
        pageLoader.jumpNext()
    }

    // The six warnings; the argument ties the list to language changes.
    function warnings(languageChange) {
        return [
            { icon: "awareness", title: qsTr("Clear your play area"),
              text: qsTr("Keep the space around you free of obstacles, people and pets.") },
            { icon: "tripover", title: qsTr("Mind the cable"),
              text: qsTr("Watch where the headset cable runs so that you don't trip over it.") },
            { icon: "strap", title: qsTr("Wear it right"),
              text: qsTr("Adjust the head strap until the headset sits firmly and comfortably.") },
            { icon: "break", title: qsTr("Take regular breaks"),
              text: qsTr("Rest for 10 to 15 minutes at least every 30 minutes.") },
            { icon: "parentchild", title: qsTr("Supervise children"),
              text: qsTr("Children should use the headset only with an adult nearby.") },
            { icon: "sick", title: qsTr("Listen to your body"),
              text: qsTr("Stop at once if you feel dizzy, sick or uncomfortable.") }
        ]
    }

    title: qsTr("Health and safety") + langProp.emptyString

    Timer {
        id: wait
        onTriggered: page.leaveWhenReady()
    }

    Connections {
        target: mainWindow

        // The check's end is announced before its last skip decision (the driver page)
        // is made: the page leaves once the announcing call has returned.
        function onNotifyPCChecked() {
            Qt.callLater(page.leaveWhenReady)
        }
    }

    Description {
        id: intro
        width: parent.width
        html: qsTr("Read these warnings before you use your headset. They help you enjoy VR safely.")
              + langProp.emptyString
    }

    Grid {
        anchors.top: intro.bottom
        anchors.topMargin: mainWindow.scx(32)
        width: parent.width
        columns: 3
        columnSpacing: mainWindow.scx(40)
        rowSpacing: mainWindow.scx(36)

        Repeater {
            model: page.warnings(langProp.emptyString)

            Row {
                width: (parent.width - 2 * mainWindow.scx(40)) / 3
                spacing: mainWindow.scx(16)

                Image {
                    width: mainWindow.scx(80)
                    height: width
                    source: "images/ic_health_and_safety/" + mainWindow.icPathByScale + "/img_ic_" + modelData.icon + ".png"
                }

                Column {
                    width: parent.width - mainWindow.scx(96)
                    spacing: mainWindow.scx(6)
                    anchors.verticalCenter: parent.verticalCenter

                    StyledText {
                        width: parent.width
                        text: modelData.title
                        fstyle: "F4"
                        cstyle: "C1"
                        wrapMode: Text.Wrap
                    }

                    StyledText {
                        width: parent.width
                        text: modelData.text
                        fstyle: "F6"
                        cstyle: "C8"
                        wrapMode: Text.Wrap
                    }
                }
            }
        }
    }
}
