import QtQuick 2.15
import "Style.js" as Style

// The language chooser: the current language, and on demand a list of the
// languages with up to six rows visible at a time.
Item {
    id: selector

    property bool open: false
    readonly property int maxVisibleRows: 6
    readonly property real rowHeight: mainWindow.scx(36)

    // Selects the initial language of the language table.
    function setDefaultLang() {
        choose(mainWindow.defaultLangIndex)
    }

    function choose(index) {
        open = false
        mainWindow.applyLanguage(index)
        field.forceActiveFocus()
    }

    implicitWidth: mainWindow.scx(240)
    implicitHeight: field.height
    z: 10

    Keys.onEscapePressed: {
        if (open) {
            open = false
            field.forceActiveFocus()
        } else {
            event.accepted = false
        }
    }

    // The names of the Chinese, Japanese and Korean languages need a CJK face: the cut-down
    // Traditional Chinese one holds them all. It loads as the selector is created, before
    // any name is laid out.
    FontLoader {
        source: "qrc:/fonts/NotoSansCJKtc-Regular.otf"
    }

    Clickable {
        id: field
        width: parent.width
        height: mainWindow.scx(40)
        focusRadius: mainWindow.scx(4)
        accessibleName: qsTr("Language: %1").arg(Style.plain(mainWindow.languages[mainWindow.defaultLangIndex] || ""))
                        + langProp.emptyString
        Accessible.role: Accessible.ComboBox
        onClicked: selector.open = !selector.open

        Rectangle {
            anchors.fill: parent
            radius: mainWindow.scx(4)
            color: Style.surface
            border.width: mainWindow.scx(1)
            border.color: selector.open || field.hovered ? Style.accent : Style.outline
        }

        Image {
            id: globe
            anchors.left: parent.left
            anchors.leftMargin: mainWindow.scx(12)
            anchors.verticalCenter: parent.verticalCenter
            width: mainWindow.scx(18)
            height: width
            sourceSize.width: 48
            source: "qrc:/assets/ic_language.png"
        }

        StyledText {
            anchors.left: globe.right
            anchors.leftMargin: mainWindow.scx(10)
            anchors.right: arrow.left
            anchors.verticalCenter: parent.verticalCenter
            text: mainWindow.languages[mainWindow.defaultLangIndex] || ""
            fstyle: "F5"
            cstyle: "C1"
            elide: Text.ElideRight
        }

        Image {
            id: arrow
            anchors.right: parent.right
            anchors.rightMargin: mainWindow.scx(10)
            anchors.verticalCenter: parent.verticalCenter
            width: mainWindow.scx(18)
            height: width
            sourceSize.width: 48
            source: selector.open ? "images/ic_expand_close_@2x.png" : "images/ic_expand_more_@2x.png"
        }
    }

    Rectangle {
        id: list
        anchors.top: field.bottom
        anchors.topMargin: mainWindow.scx(4)
        width: parent.width
        height: rows.height + mainWindow.scx(8)
        visible: selector.open
        radius: mainWindow.scx(4)
        color: Style.surface
        border.width: mainWindow.scx(1)
        border.color: Style.outline

        StyledScroll {
            id: rows
            x: mainWindow.scx(4)
            y: mainWindow.scx(4)
            width: parent.width - 2 * x
            height: Math.min(mainWindow.languages.length, selector.maxVisibleRows) * selector.rowHeight

            Column {
                width: rows.width

                Repeater {
                    model: mainWindow.languages

                    Clickable {
                        width: parent.width
                        height: selector.rowHeight
                        focusRadius: mainWindow.scx(2)
                        accessibleName: Style.plain(modelData)
                        onActiveFocusChanged: if (activeFocus) rows.ensureVisible(y, height)
                        onClicked: selector.choose(index)

                        Rectangle {
                            anchors.fill: parent
                            radius: mainWindow.scx(2)
                            color: index === mainWindow.defaultLangIndex ? Style.tint
                                 : parent.hovered ? Style.background : "transparent"
                        }

                        StyledText {
                            anchors.left: parent.left
                            anchors.leftMargin: mainWindow.scx(12)
                            anchors.verticalCenter: parent.verticalCenter
                            text: modelData
                            fstyle: "F5"
                            cstyle: index === mainWindow.defaultLangIndex ? "C9" : "C1"
                        }
                    }
                }
            }
        }
    }
}
