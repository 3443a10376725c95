import QtQuick 2.15
import NovaAccessibility 1.0
import "Style.js" as Style

// The language chooser: a combo box with the current language, and on demand a list
// of the languages with up to six rows visible at a time. The open list has the
// keyboard: Up and Down, Home and End move through it, Return, Enter or Space choose,
// Escape and Tab close it. Each row is named in its own language, with its locale as
// the description, so that a screen reader can read it in that language's voice.
Item {
    id: selector

    property bool open: false
    // The row that has the keyboard while the list is open.
    property int focusedRow: 0
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

    function openList() {
        open = true
        focusRow(mainWindow.defaultLangIndex)
    }

    function closeList() {
        open = false
        field.forceActiveFocus()
    }

    function focusRow(index) {
        var row = languageRows.itemAt(Math.min(Math.max(index, 0), languageRows.count - 1))
        if (row)
            row.forceActiveFocus()
    }

    implicitWidth: mainWindow.scx(240)
    implicitHeight: field.height
    z: 10

    Keys.onEscapePressed: {
        if (open)
            closeList()
        else
            event.accepted = false
    }

    // Keys the rows leave to the list: a page up or down, the first or the last row.
    Keys.onPressed: {
        if (!open)
            return
        var moves = {}
        moves[Qt.Key_Home] = -languageRows.count
        moves[Qt.Key_End] = languageRows.count
        moves[Qt.Key_PageUp] = -maxVisibleRows
        moves[Qt.Key_PageDown] = maxVisibleRows
        if (moves[event.key] === undefined)
            return
        event.accepted = true
        focusRow(focusedRow + moves[event.key])
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
        AccessibleState.expandable: true
        AccessibleState.expanded: selector.open
        onClicked: selector.open ? selector.closeList() : selector.openList()
        Keys.onDownPressed: selector.openList()
        Keys.onUpPressed: selector.openList()

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
        Accessible.role: Accessible.List
        Accessible.name: qsTr("Languages") + langProp.emptyString

        StyledScroll {
            id: rows
            x: mainWindow.scx(4)
            y: mainWindow.scx(4)
            width: parent.width - 2 * x
            height: Math.min(mainWindow.languages.length, selector.maxVisibleRows) * selector.rowHeight

            Column {
                width: rows.width

                Repeater {
                    id: languageRows
                    model: mainWindow.languages

                    Clickable {
                        id: row

                        readonly property bool current: index === mainWindow.defaultLangIndex
                        // Scrolled out of the list's view: not shown, for assistive technology too.
                        readonly property bool inView: y + height > rows.flickable.contentY
                                                       && y < rows.flickable.contentY + rows.height

                        width: parent.width
                        height: selector.rowHeight
                        opacity: inView ? 1 : 0
                        focusRadius: mainWindow.scx(2)
                        focusRingInside: true
                        activeFocusOnTab: false
                        accessibleName: Style.plain(modelData)
                        Accessible.role: Accessible.ListItem
                        // Asked of the language table only while the rows show.
                        Accessible.description: selector.open ? String(langProp.getLocaleLang(index)).replace("_", "-") : ""
                        Accessible.selectable: true
                        Accessible.selected: current
                        onActiveFocusChanged: {
                            if (!activeFocus)
                                return
                            selector.focusedRow = index
                            rows.ensureVisible(y, height)
                        }
                        onClicked: selector.choose(index)
                        Keys.onUpPressed: selector.focusRow(index - 1)
                        Keys.onDownPressed: selector.focusRow(index + 1)
                        Keys.onTabPressed: selector.closeList()
                        Keys.onBacktabPressed: selector.closeList()

                        Rectangle {
                            anchors.fill: parent
                            radius: mainWindow.scx(2)
                            color: row.current ? Style.tint : row.hovered ? Style.background : "transparent"
                        }

                        StyledText {
                            anchors.left: parent.left
                            anchors.leftMargin: mainWindow.scx(12)
                            anchors.verticalCenter: parent.verticalCenter
                            Accessible.ignored: true
                            text: modelData
                            fstyle: "F5"
                            cstyle: row.current ? "C9" : "C1"
                        }
                    }
                }
            }
        }
    }
}
