import QtQuick 2.15
import "Style.js" as Style

// Base of every page: the page contract the footer and the page flow rely on
// (section, stepper and help flags, help URL, footer-state signals) and the common
// layout: a title, the page's own content below it, and an optional illustration
// panel on the right.
Item {
    id: page

    property int section: 0
    property bool stepperVisible: true
    property bool helpVisible: false
    // The footer may show Next (a page with its own button for it says no).
    property bool nextAllowed: true
    property string helpUrl
    property string title
    property url illustration
    property real panelWidth: 440
    // The page lays out its content over the whole page instead of the text column.
    property bool fullBleed: false
    // The installation has finished when this page shows (the header's right step).
    property bool installDone: false
    // The dialog that Escape shows before quitting from this page; empty quits at once.
    property string quitQuestion
    // Where the keyboard starts when the page opens: the heading, which a screen
    // reader then announces; a page without one names its own.
    property Item startItem: heading.visible ? heading : null
    default property alias content: body.data

    signal setBackStatus(bool bEnabled, bool bVisible, string strText)
    signal setNextStatus(bool bEnabled, bool bVisible, string strText)

    // Shows the illustration again as it appears when the page opens.
    function playIntro() {
        intro.restart()
    }

    Component.onCompleted: {
        pageHeader.bBlueBgL = section > 0
        pageHeader.bBlueBgR = installDone
    }

    Rectangle {
        id: panel

        anchors.top: parent.top
        anchors.bottom: parent.bottom
        anchors.right: parent.right
        width: mainWindow.scx(page.panelWidth)
        visible: page.illustration != "" && !page.fullBleed
        gradient: Gradient {
            GradientStop { position: 0; color: "#eaf7fc" }
            GradientStop { position: 1; color: Style.background }
        }

        Image {
            id: picture
            anchors.centerIn: parent
            width: mainWindow.scx(Math.min(page.panelWidth - 80, 340))
            height: width
            sourceSize.width: width
            sourceSize.height: height
            source: page.illustration
        }

        ParallelAnimation {
            id: intro
            running: true
            NumberAnimation { target: picture; property: "opacity"; from: 0; to: 1; duration: 450 }
            NumberAnimation { target: picture; property: "scale"; from: 0.9; to: 1; duration: 600; easing.type: Easing.OutBack }
        }
    }

    StyledText {
        id: heading
        x: mainWindow.scx(64)
        y: mainWindow.scx(44)
        width: (panel.visible ? panel.x : page.width) - x - mainWindow.scx(56)
        visible: text !== "" && !page.fullBleed
        text: page.title
        fstyle: "F1"
        cstyle: "C1"
        wrapMode: Text.Wrap
        Accessible.role: Accessible.Heading
        Accessible.name: Style.plain(text)
        Accessible.focusable: true
    }

    Item {
        id: body

        anchors.fill: page.fullBleed ? parent : undefined
        x: mainWindow.scx(64)
        y: heading.visible ? heading.y + heading.height + mainWindow.scx(20) : mainWindow.scx(44)
        width: heading.width
        height: page.height - y - mainWindow.scx(28)
    }
}
