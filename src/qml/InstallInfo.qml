import QtQuick 2.15
import "Style.js" as Style

// What is being installed, how fast it downloads and how long it still takes. It is
// a status for assistive technology, named by what is being installed: the name, and
// so the announcement, changes with that text only, not with the progress.
Column {
    id: info

    property string message
    property string speed
    property int minutes: 0
    property bool finished: false

    spacing: mainWindow.scx(6)
    Accessible.role: Accessible.StatusBar
    Accessible.name: Style.plain(message)

    StyledText {
        width: parent.width
        text: info.message
        fstyle: "F3"
        cstyle: "C10"
        elide: Text.ElideRight
    }

    StyledText {
        width: parent.width
        visible: !info.finished
        opacity: 0.8
        text: {
            var remaining = info.minutes > 0 ? qsTr("About %1 min left").arg(info.minutes)
                                             : qsTr("Installation will finish in a few minutes")
            return (info.speed !== "" ? info.speed + "  \u00b7  " : "") + remaining + langProp.emptyString
        }
        fstyle: "F6"
        cstyle: "C10"
        elide: Text.ElideRight
    }
}
