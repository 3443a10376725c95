import QtQuick 2.15
import QtQuick.Window 2.15
import "Style.js" as Style

// Base of every button: mouse, keyboard (Space, Return, Enter), Tab focus with a
// visible ring, and an accessible button with a name.
Item {
    id: control

    property string accessibleName
    property real focusRadius: 0
    // The focus ring inside the control's bounds, where a clipping parent would cut
    // off one drawn around it (rows of a scrolled list).
    property bool focusRingInside: false
    readonly property bool hovered: mouse.containsMouse
    readonly property bool down: mouse.pressed
    readonly property var window: Window.window
    // Behind the window's modal overlay (a dialog or the waiting card) while it shows.
    readonly property bool blockedByDialog: window && window.modalOverlay ? !isInside(window.modalOverlay) : false
    // Whether the control acts at all: enabled and shown (its ancestors included, both
    // properties say so) and not behind a modal overlay. Mouse, keys and assistive
    // technology all go through activate(), so an unusable control never acts.
    readonly property bool canAct: enabled && visible && !blockedByDialog

    signal clicked()

    function px(value) {
        return Style.px(window, value)
    }

    function isInside(ancestor) {
        for (var item = control; item; item = item.parent) {
            if (item === ancestor)
                return true
        }
        return false
    }

    function activate() {
        if (canAct)
            clicked()
    }

    // A control that cannot be used is no Tab stop, tells assistive technology that it
    // takes no focus and lets go of the keyboard. Behind a modal overlay it leaves the
    // accessibility tree, as the overlay's own buttons are the only ones to use.
    activeFocusOnTab: canAct
    onCanActChanged: if (!canAct) focus = false
    Accessible.role: Accessible.Button
    Accessible.name: accessibleName
    Accessible.focusable: canAct
    Accessible.ignored: blockedByDialog
    Accessible.onPressAction: activate()

    // A held key presses once: its auto-repeated presses are taken and do nothing, so
    // they neither press again nor answer a dialog that the first press opened.
    Keys.onPressed: {
        if (event.key === Qt.Key_Space || event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
            event.accepted = true
            if (!event.isAutoRepeat)
                activate()
        }
    }

    MouseArea {
        id: mouse
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: control.activate()
    }

    Rectangle {
        anchors.fill: parent
        anchors.margins: control.focusRingInside ? 0 : -control.px(3)
        radius: control.focusRadius + (control.focusRingInside ? 0 : control.px(3))
        color: "transparent"
        border.color: Style.focus
        border.width: control.px(2)
        visible: control.activeFocus
    }
}
