import QtQuick 2.15

// The install progress: a large percentage over the bar. The value stays within
// 1..99 until complete(); between updates it may cruise slowly towards a target.
Column {
    id: progress

    property real value: 1
    property real cruiseTarget: 0
    // Percentage points per second while cruising.
    readonly property real cruiseSpeed: 0.07
    // The bar, where the keyboard starts on the install page.
    property alias barItem: bar

    function setValue(n) {
        value = Math.min(Math.max(n, 1), 99)
    }

    function complete() {
        cruise.stop()
        value = 100
    }

    function startCruising(max) {
        var target = Math.min(max, 99)
        if (target <= value) {
            console.warn("[pInstall] WARNING: Cruise target %1 is no greater than current progress %2, abort."
                         .arg(max).arg(value))
            return
        }
        cruiseTarget = target
        cruise.restart()
    }

    function stopCruising() {
        cruise.stop()
    }

    spacing: mainWindow.scx(12)

    Timer {
        id: cruise
        interval: 1000
        repeat: true
        onTriggered: {
            progress.value = Math.min(progress.value + progress.cruiseSpeed, progress.cruiseTarget)
            if (progress.value >= progress.cruiseTarget)
                stop()
        }
    }

    Row {
        spacing: mainWindow.scx(4)
        Accessible.role: Accessible.StaticText
        Accessible.name: figure.text + "%"

        StyledText {
            id: figure
            Accessible.ignored: true
            text: Math.floor(progress.value)
            fstyle: "F9"
            cstyle: "C10"
        }

        StyledText {
            anchors.baseline: figure.baseline
            Accessible.ignored: true
            text: "%"
            fstyle: "F3"
            cstyle: "C10"
        }
    }

    InstallBar {
        id: bar
        width: parent.width
        value: progress.value
        Accessible.focusable: true
        Accessible.name: qsTr("Installation progress") + langProp.emptyString
    }
}
