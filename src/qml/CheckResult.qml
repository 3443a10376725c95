import QtQuick 2.15

// One line of the PC check: what was checked, what was found, and a hint in red
// when the rank is "RANK_BAD". Assistive technology reads it as one text that says
// what the badge shows.
Item {
    id: result

    property url icon
    property string label
    property string name
    property string rank: "RANK_UNCHECKED"
    property string hint
    readonly property bool bad: rank === "RANK_BAD"

    implicitHeight: Math.max(found.implicitHeight, mainWindow.scx(28))
    Accessible.role: Accessible.StaticText
    Accessible.name: label + ": " + (name !== "" ? name : "-") + ". "
                     + (bad ? hint : rank === "RANK_GOOD" ? qsTr("Meets the requirements")
                                   : rank === "RANK_UNKNOWN" ? qsTr("Could not be checked") : "")
                     + langProp.emptyString

    Image {
        id: category
        y: mainWindow.scx(2)
        width: mainWindow.scx(24)
        height: width
        sourceSize.width: 48
        source: result.icon
    }

    StyledText {
        id: caption
        anchors.left: category.right
        anchors.leftMargin: mainWindow.scx(14)
        anchors.top: found.top
        anchors.topMargin: mainWindow.scx(3)
        width: mainWindow.scx(160)
        text: result.label
        Accessible.ignored: true
        fstyle: "F6"
        cstyle: "C8"
        elide: Text.ElideRight
    }

    Column {
        id: found
        anchors.left: caption.right
        anchors.leftMargin: mainWindow.scx(8)
        anchors.right: badge.left
        anchors.rightMargin: mainWindow.scx(12)
        spacing: mainWindow.scx(2)

        StyledText {
            width: parent.width
            text: result.name !== "" ? result.name : "-"
            Accessible.ignored: true
            fstyle: "F4"
            cstyle: result.bad ? "C3" : "C1"
            elide: Text.ElideRight
        }

        StyledText {
            width: parent.width
            visible: result.bad
            text: result.hint
            Accessible.ignored: true
            fstyle: "F6"
            cstyle: "C3"
            wrapMode: Text.Wrap
        }
    }

    Image {
        id: badge
        anchors.right: parent.right
        y: mainWindow.scx(2)
        width: mainWindow.scx(24)
        height: width
        sourceSize.width: 48
        source: result.bad ? "images/ic_error_outline_@2x.png"
              : result.rank === "RANK_GOOD" ? "images/ic_check_present.png"
              : result.rank === "RANK_UNKNOWN" ? "images/ic_help_outline_@2x.png" : ""
    }
}
