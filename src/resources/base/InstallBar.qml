import QtQuick 2.15
import QtQuick.Window 2.15
import NovaAccessibility 1.0
import "Style.js" as Style

// The installation progress bar; value runs from 0 to 100. Assistive technology reads
// it as a progress bar with that value in whole percent.
Item {
    id: bar

    property real value: 0
    property color trackColor: "#40ffffff"
    readonly property var window: Window.window

    implicitHeight: Style.px(window, 6)
    Accessible.role: Accessible.ProgressBar
    AccessibleState.hasValue: true
    AccessibleState.value: Math.floor(Math.min(Math.max(value, 0), 100))
    AccessibleState.minimum: 0
    AccessibleState.maximum: 100

    Rectangle {
        anchors.fill: parent
        radius: height / 2
        color: bar.trackColor
    }

    Rectangle {
        height: parent.height
        radius: height / 2
        width: Math.max(height, parent.width * Math.min(Math.max(bar.value, 0), 100) / 100)
        gradient: Gradient {
            orientation: Gradient.Horizontal
            GradientStop { position: 0; color: Style.accent }
            GradientStop { position: 1; color: "#5fd6f5" }
        }

        Behavior on width {
            NumberAnimation { duration: 400; easing.type: Easing.OutCubic }
        }
    }
}
