import QtQuick 2.15
import QtQuick.Window 2.15
import "Style.js" as Style

// The window's title bar: product title, the two-step stepper (PC check, then
// installation) and the minimise and close buttons. Dragging it moves the window.
Rectangle {
    id: header

    property string title
    property bool bBlueBgL: false      // the check step is done
    property bool bBlueBgR: false      // the installation step is done
    property bool bIsSWOA: false
    property bool bIsOtherDev: false
    property bool stepperEnabled: true // the current page shows the stepper
    property int index: 0              // the current step
    property alias itemStepper: stepper
    readonly property var window: Window.window

    signal minimizeButtonClicked()
    signal closeButtonClicked()

    function px(value) {
        return Style.px(window, value)
    }

    // Applies the current step and the page's wish for the stepper.
    function update() {
        stepper.current = index
        stepper.visible = stepperEnabled && !bIsOtherDev
    }

    function stepLabel(step) {
        if (step === 1)
            return qsTr("Install software")
        return bIsSWOA ? qsTr("Get ready") : qsTr("Check your PC")
    }

    function setVisibility(bVisible) {
        visible = bVisible
    }

    implicitHeight: px(56)
    color: Style.surface

    MouseArea {
        anchors.fill: parent
        onPressed: if (header.window) header.window.startSystemMove()
    }

    Row {
        anchors.left: parent.left
        anchors.leftMargin: header.px(24)
        anchors.verticalCenter: parent.verticalCenter
        spacing: header.px(12)

        Image {
            anchors.verticalCenter: parent.verticalCenter
            source: "qrc:/assets/logo.svg"
            width: header.px(28)
            height: width
            sourceSize.width: width
            sourceSize.height: height
        }

        StyledText {
            anchors.verticalCenter: parent.verticalCenter
            text: header.title
            fstyle: "F4"
            cstyle: "C1"
        }
    }

    Row {
        id: stepper

        property int current: 0

        anchors.centerIn: parent
        spacing: header.px(12)

        Repeater {
            model: 2

            // A step is read as one text: its number, its label and whether it is done
            // (the tick) or the current one.
            delegate: Row {
                readonly property bool done: index === 0 ? header.bBlueBgL : header.bBlueBgR

                spacing: header.px(12)
                Accessible.role: Accessible.StaticText
                Accessible.name: (index + 1) + ". " + header.stepLabel(index)
                                 + (done ? ", " + qsTr("done") : stepper.current === index ? ", " + qsTr("current step") : "")
                                 + langProp.emptyString

                Rectangle {
                    anchors.verticalCenter: parent.verticalCenter
                    visible: index > 0
                    width: header.px(48)
                    height: header.px(2)
                    color: stepper.current >= index ? Style.accent : Style.line
                }

                Rectangle {
                    readonly property bool active: done || stepper.current === index

                    anchors.verticalCenter: parent.verticalCenter
                    width: header.px(24)
                    height: width
                    radius: width / 2
                    color: done ? Style.accent : Style.surface
                    border.width: header.px(2)
                    border.color: active ? Style.accent : Style.outline

                    Image {
                        anchors.centerIn: parent
                        visible: done
                        source: "qrc:/assets/ic_step_done.png"
                        width: header.px(16)
                        height: width
                        sourceSize.width: 48
                    }

                    StyledText {
                        anchors.centerIn: parent
                        Accessible.ignored: true
                        visible: !done
                        text: index + 1
                        fstyle: "F6"
                        cstyle: parent.active ? "C9" : "C7"
                        font.weight: Font.Medium
                    }
                }

                StyledText {
                    anchors.verticalCenter: parent.verticalCenter
                    Accessible.ignored: true
                    text: header.stepLabel(index) + langProp.emptyString
                    fstyle: "F6"
                    cstyle: stepper.current === index ? "C1" : "C8"
                    font.weight: stepper.current === index ? Font.Medium : Font.Normal
                }
            }
        }
    }

    Row {
        anchors.right: parent.right
        anchors.rightMargin: header.px(12)
        anchors.verticalCenter: parent.verticalCenter
        spacing: header.px(4)

        IconButton {
            icon: "qrc:/assets/ic_minimize.png"
            accessibleName: qsTr("Minimize") + langProp.emptyString
            onClicked: header.minimizeButtonClicked()
        }

        IconButton {
            icon: "qrc:/assets/ic_close.png"
            accessibleName: qsTr("Close") + langProp.emptyString
            onClicked: header.closeButtonClicked()
        }
    }

    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: header.px(1)
        color: Style.line
    }
}
