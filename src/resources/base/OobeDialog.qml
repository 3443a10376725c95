import QtQuick 2.15
import QtQuick.Window 2.15
import "Style.js" as Style

// The message dialog over the pages. The page flow fills the texts and shows it; a
// button press hides it and reports which button it was. An empty button text hides
// that button. "enhanced" makes a wider card, "full" asks to cover the whole window.
// Assistive technology hears its title as its name and its message as its
// description; the keyboard moves into it when it opens, and the window hands the
// keyboard back (focusBeforeOpening) when it closes.
FocusScope {
    id: dialog

    property string title
    property string info
    property string txtNegative
    property string txtPositive
    property bool enhanced: false
    property string dialogID
    property bool full: false
    // The negative answer is the one that changes nothing; otherwise the positive one
    // is. The keyboard starts on that answer, so a stray Return or Space is harmless.
    property bool defaultNegative: false
    readonly property bool hasNegative: Style.plain(txtNegative) !== ""
    readonly property bool hasPositive: Style.plain(txtPositive) !== ""
    readonly property var window: Window.window
    // What had the keyboard when the dialog opened.
    property Item focusBeforeOpening: null

    signal negativePressed()
    signal positivePressed()
    signal linkActivated(string link)

    function px(value) {
        return Style.px(window, value)
    }

    function focusDefaultButton() {
        if (hasNegative && (defaultNegative || !hasPositive))
            negative.forceActiveFocus()
        else if (hasPositive)
            positive.forceActiveFocus()
        else
            forceActiveFocus()
    }

    visible: false
    onVisibleChanged: {
        if (!visible)
            return
        focusBeforeOpening = window ? window.activeFocusItem : null
        focusDefaultButton()
    }
    Accessible.role: Accessible.Dialog
    Accessible.name: Style.plain(title)
    Accessible.description: Style.plain(info)

    Rectangle {
        anchors.fill: parent
        color: Style.scrim
        opacity: dialog.full ? 0.5 : 0.2
    }

    // Nothing under the dialog takes the mouse while it is up.
    MouseArea {
        anchors.fill: parent
        hoverEnabled: true
        acceptedButtons: Qt.AllButtons
        onWheel: wheel.accepted = true
    }

    Rectangle {
        id: card

        readonly property real padding: dialog.px(32)

        anchors.centerIn: parent
        width: dialog.px(dialog.enhanced ? 640 : 520)
        height: body.implicitHeight + 2 * padding
        radius: dialog.px(8)
        color: Style.surface
        border.color: Style.line
        border.width: dialog.px(1)

        Column {
            id: body
            x: card.padding
            y: card.padding
            width: card.width - 2 * card.padding
            spacing: dialog.px(16)

            StyledText {
                width: parent.width
                visible: text !== ""
                text: dialog.title
                fstyle: "F2"
                cstyle: "C1"
                wrapMode: Text.Wrap
                Accessible.role: Accessible.Heading
            }

            StyledScroll {
                width: parent.width
                height: Math.min(implicitHeight, dialog.px(280))
                visible: dialog.info !== ""

                LinkText {
                    width: parent.width - dialog.px(12)
                    text: Style.linkStyle(Style.color("C4")) + dialog.info
                    fstyle: "F5"
                    cstyle: "C5"
                    onLinkActivated: dialog.linkActivated(link)
                }
            }

            Row {
                anchors.right: parent.right
                spacing: dialog.px(12)
                visible: dialog.hasNegative || dialog.hasPositive
                topPadding: dialog.px(8)

                StyledButton {
                    id: negative
                    kind: "secondary"
                    text: dialog.txtNegative
                    visible: dialog.hasNegative
                    onClicked: {
                        dialog.visible = false
                        dialog.negativePressed()
                    }
                }

                StyledButton {
                    id: positive
                    kind: "primary"
                    text: dialog.txtPositive
                    visible: dialog.hasPositive
                    onClicked: {
                        dialog.visible = false
                        dialog.positivePressed()
                    }
                }
            }
        }
    }
}
