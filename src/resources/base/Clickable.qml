import QtQuick 2.15
import QtQuick.Window 2.15
import "Style.js" as Style

// Base of every button: mouse, keyboard (Space, Return, Enter), Tab focus with a
// visible ring, and an accessible button with a name.
Item {
    id: control

    property string accessibleName
    property real focusRadius: 0
    readonly property bool hovered: mouse.containsMouse
    readonly property bool down: mouse.pressed
    readonly property var window: Window.window

    signal clicked()

    function px(value) {
        return Style.px(window, value)
    }

    activeFocusOnTab: true
    // A control that can no longer be used lets go of the keyboard.
    onVisibleChanged: if (!visible) focus = false
    onEnabledChanged: if (!enabled) focus = false
    Accessible.role: Accessible.Button
    Accessible.name: accessibleName
    Accessible.focusable: true
    Accessible.onPressAction: control.clicked()

    Keys.onPressed: {
        if (event.key === Qt.Key_Space || event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
            event.accepted = true
            control.clicked()
        }
    }

    MouseArea {
        id: mouse
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: control.clicked()
    }

    Rectangle {
        anchors.fill: parent
        anchors.margins: -control.px(3)
        radius: control.focusRadius + control.px(3)
        color: "transparent"
        border.color: Style.focus
        border.width: control.px(2)
        visible: control.activeFocus
    }
}
