import QtQuick 2.15
import QtQuick.Window 2.15
import "Style.js" as Style

// A vertical scroll area with a slim scroll bar that shows only when the content
// is taller than the area. Its implicit height is the content's height.
Item {
    id: scroll

    default property alias contents: flick.flickableData
    property alias contentHeight: flick.contentHeight
    property alias flickable: flick
    readonly property bool scrollable: flick.contentHeight > height + 1
    readonly property var window: Window.window

    function px(value) {
        return Style.px(window, value)
    }

    // Scrolls as little as needed to show the band [top, top + bandHeight].
    function ensureVisible(top, bandHeight) {
        if (top < flick.contentY)
            flick.contentY = top
        else if (top + bandHeight > flick.contentY + height)
            flick.contentY = top + bandHeight - height
    }

    implicitHeight: flick.contentHeight
    clip: true

    Flickable {
        id: flick
        anchors.fill: parent
        contentWidth: width
        contentHeight: contentItem.childrenRect.height
        boundsBehavior: Flickable.StopAtBounds
        interactive: scroll.scrollable
    }

    Rectangle {
        readonly property real track: scroll.height - height

        anchors.right: parent.right
        visible: scroll.scrollable
        width: scroll.px(4)
        radius: width / 2
        color: Style.outline
        height: Math.max(scroll.px(24), scroll.height * scroll.height / Math.max(1, flick.contentHeight))
        y: flick.contentHeight > scroll.height
           ? track * flick.contentY / (flick.contentHeight - scroll.height) : 0
    }
}
