import QtQuick 2.15
import "Style.js" as Style

// A square button that shows only an icon; accessibleName says what it does.
Clickable {
    id: button

    property url icon

    implicitWidth: px(36)
    implicitHeight: px(36)
    focusRadius: px(4)

    Rectangle {
        anchors.fill: parent
        radius: button.focusRadius
        color: button.down ? Style.line : Style.background
        visible: button.hovered || button.down
    }

    Image {
        anchors.centerIn: parent
        width: button.px(20)
        height: width
        source: button.icon
        sourceSize.width: 48
        smooth: true
    }
}
