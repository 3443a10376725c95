import QtQuick 2.15
import QtQuick.Window 2.15
import "Style.js" as Style

// The button bar under the pages: help and, in test mode, the screenshot tour on
// the left; Back and Next on the right. The page flow sets the buttons' state; the
// window hides Next or help where a page asks for it (nextAllowed, helpAllowed).
Rectangle {
    id: footer

    property alias nextBtn: next
    property alias helpBtn: help
    property alias backBtn: back
    property int nHelpClicked: 0
    property bool bScreenshot: false
    property string screenshotFolder: "Screenshots"
    property bool nextAllowed: true
    property bool helpAllowed: true
    property string versionText

    property bool backEnabled: false
    property bool backVisible: false
    property string backText
    property bool nextEnabled: true
    property bool nextVisible: true
    property string nextText

    readonly property var window: Window.window

    signal doScreenshot(string path)
    signal backButtonClicked()
    signal nextButtonClicked()
    signal helpButtonClicked()

    function px(value) {
        return Style.px(window, value)
    }

    function setBackStatus(bEnabled, bVisible, strText) {
        backEnabled = bEnabled
        backVisible = bVisible
        backText = strText
        update()
    }

    function setNextStatus(bEnabled, bVisible, strText) {
        nextEnabled = bEnabled
        nextVisible = bVisible
        nextText = strText
        update()
    }

    function setNextEnabled(bEnabled) {
        nextEnabled = bEnabled
        update()
    }

    // Shows the stored button state, less what the current page does not allow.
    function update() {
        back.enabled = backEnabled
        back.visible = backVisible
        next.enabled = nextEnabled
        next.visible = nextVisible && nextAllowed
        help.visible = helpAllowed
    }

    implicitHeight: px(72)
    color: Style.surface

    Rectangle {
        width: parent.width
        height: footer.px(1)
        color: Style.line
    }

    Row {
        anchors.left: parent.left
        anchors.leftMargin: footer.px(24)
        anchors.verticalCenter: parent.verticalCenter
        spacing: footer.px(8)

        IconButton {
            id: help
            icon: "qrc:/assets/ic_help.png"
            accessibleName: qsTr("Help") + langProp.emptyString
            onClicked: {
                ++footer.nHelpClicked
                footer.helpButtonClicked()
            }
        }

        StyledText {
            anchors.verticalCenter: parent.verticalCenter
            text: footer.versionText
            fstyle: "F8"
            cstyle: "C8"
        }

        IconButton {
            visible: footer.bScreenshot
            icon: "qrc:/assets/ic_camera.png"
            accessibleName: qsTr("Take screenshots") + langProp.emptyString
            onClicked: footer.doScreenshot(footer.screenshotFolder)
        }
    }

    Row {
        anchors.right: parent.right
        anchors.rightMargin: footer.px(32)
        anchors.verticalCenter: parent.verticalCenter
        spacing: footer.px(16)

        StyledButton {
            id: back
            kind: "secondary"
            text: footer.backText !== "" ? footer.backText : qsTr("BACK") + langProp.emptyString
            onClicked: footer.backButtonClicked()
        }

        StyledButton {
            id: next
            kind: "primary"
            text: footer.nextText !== "" ? footer.nextText : qsTr("NEXT") + langProp.emptyString
            onClicked: footer.nextButtonClicked()
        }
    }

    Component.onCompleted: update()
}
