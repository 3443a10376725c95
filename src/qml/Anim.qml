import QtQuick 2.15
import "Style.js" as Style

// Three dots that pulse one after another while something is under way.
Row {
    id: anim

    property color color: Style.accent
    property bool running: visible

    spacing: mainWindow.scx(8)

    Repeater {
        model: 3

        Rectangle {
            width: mainWindow.scx(10)
            height: width
            radius: width / 2
            color: anim.color
            opacity: 0.25

            SequentialAnimation on opacity {
                running: anim.running
                loops: Animation.Infinite
                PauseAnimation { duration: index * 160 }
                NumberAnimation { to: 1; duration: 320; easing.type: Easing.InOutQuad }
                NumberAnimation { to: 0.25; duration: 320; easing.type: Easing.InOutQuad }
                PauseAnimation { duration: (2 - index) * 160 }
            }
        }
    }
}
