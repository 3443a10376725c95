import QtQuick 2.15
import "Style.js" as Style

// A text button: "primary" (filled), "secondary" (outlined) or "link" (text only).
// Markup in the text (span markers of dialog buttons) is not shown.
Clickable {
    id: button

    property string text
    property string kind: "primary"
    property url iconSource
    readonly property bool isLink: kind === "link"

    accessibleName: Style.plain(text)
    focusRadius: background.radius
    implicitHeight: px(isLink ? 32 : 40)
    implicitWidth: Math.max(isLink ? 0 : px(112), content.implicitWidth + px(isLink ? 4 : 40))
    opacity: enabled ? 1 : 0.45

    Rectangle {
        id: background
        anchors.fill: parent
        radius: button.px(4)
        visible: !button.isLink
        color: button.kind === "primary"
               ? (button.down ? Style.accentPressed : button.hovered ? Style.accentHover : Style.accent)
               : (button.down ? Style.line : button.hovered ? Style.background : Style.surface)
        border.width: button.kind === "secondary" ? button.px(1) : 0
        border.color: Style.outline
    }

    Row {
        id: content
        anchors.centerIn: parent
        spacing: button.px(8)

        Image {
            anchors.verticalCenter: parent.verticalCenter
            source: button.iconSource
            visible: source != ""
            width: button.px(20)
            height: width
            sourceSize.width: 48
            smooth: true
        }

        StyledText {
            anchors.verticalCenter: parent.verticalCenter
            Accessible.ignored: true
            text: button.accessibleName
            fstyle: button.isLink ? "F5" : "F7"
            cstyle: button.kind === "primary" ? "C6" : button.isLink ? "C9" : "C1"
            font.underline: button.isLink && button.hovered
        }
    }
}
