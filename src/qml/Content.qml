import QtQuick 2.15
import "Style.js" as Style

// A paragraph of rich text. Links are Tab stops and open through the page loader; in
// a right-to-left language the paragraph runs right to left.
LinkText {
    id: paragraph

    property string html

    text: Style.linkStyle(mainWindow.linkTextColor) + (mainWindow.bIsLangAr ? "<p dir=\"rtl\">" + html + "</p>" : html)
    fstyle: "F5"
    cstyle: "C5"
    onLinkActivated: pageLoader.openUrlLink(link)

    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.NoButton
        cursorShape: paragraph.hoveredLink !== "" ? Qt.PointingHandCursor : Qt.ArrowCursor
    }
}
