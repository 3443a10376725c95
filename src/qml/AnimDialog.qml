import QtQuick 2.15
import "Style.js" as Style

// The waiting overlay over the pages: a small card with a pulse and a short text.
Item {
    id: waiting

    property string text: qsTr("Please wait...") + langProp.emptyString

    function show() {
        visible = true
    }

    function dismiss() {
        visible = false
    }

    visible: false
    Accessible.role: Accessible.AlertMessage
    Accessible.name: text

    // Nothing under the overlay takes the mouse while it is up.
    MouseArea {
        anchors.fill: parent
        hoverEnabled: true
        acceptedButtons: Qt.AllButtons
        onWheel: wheel.accepted = true
    }

    BorderImage {
        anchors.centerIn: parent
        width: Math.max(mainWindow.scx(260), label.implicitWidth + mainWindow.scx(64))
        height: mainWindow.scx(140)
        source: "images/panel_confirmation_box.png"
        border { left: 24; top: 24; right: 24; bottom: 24 }

        Column {
            anchors.centerIn: parent
            spacing: mainWindow.scx(20)

            Anim {
                anchors.horizontalCenter: parent.horizontalCenter
                running: waiting.visible
            }

            StyledText {
                id: label
                anchors.horizontalCenter: parent.horizontalCenter
                Accessible.ignored: true
                text: waiting.text
                fstyle: "F4"
                cstyle: "C1"
            }
        }
    }
}
