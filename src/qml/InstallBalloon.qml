import QtQuick 2.15
import "Style.js" as Style

// A call-out on the install page that asks the user to do something now.
Rectangle {
    id: balloon

    property string title
    property string text

    width: mainWindow.scx(380)
    height: column.implicitHeight + mainWindow.scx(40)
    radius: mainWindow.scx(8)
    color: Style.surface
    Accessible.role: Accessible.AlertMessage
    Accessible.name: title + ". " + text

    // The tip pointing at the progress below.
    Rectangle {
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.verticalCenter: parent.bottom
        width: mainWindow.scx(16)
        height: width
        rotation: 45
        color: Style.surface
    }

    Column {
        id: column
        anchors.centerIn: parent
        width: parent.width - mainWindow.scx(40)
        spacing: mainWindow.scx(6)

        StyledText {
            width: parent.width
            text: balloon.title
            Accessible.ignored: true
            fstyle: "F4"
            cstyle: "C1"
            wrapMode: Text.Wrap
        }

        StyledText {
            width: parent.width
            text: balloon.text
            Accessible.ignored: true
            fstyle: "F6"
            cstyle: "C5"
            wrapMode: Text.Wrap
        }
    }
}
