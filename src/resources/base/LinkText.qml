import QtQuick 2.15
import "Style.js" as Style

// Rich text whose links are controls of their own: each is a Tab stop with the link's
// text as its name, lies over the link, and opens it through linkActivated, as a
// click on the link does. Links of one paragraph have distinct addresses.
StyledText {
    id: paragraph

    // Per address, the area of the link on the line where it starts (Text tells no
    // geometry of its links, so the laid-out text is probed with linkAt).
    property var linkAreas: ({})
    readonly property var links: Style.links(text)

    function measureLinks() {
        var areas = {}
        var left = links.length
        var step = Math.max(2, Math.round(font.pixelSize / 3))
        for (var y = step / 2; y < height && left > 0; y += step) {
            for (var x = 0; x < width && left > 0; x += 2) {
                var href = linkAt(x, y)
                if (href === "" || areas[href] !== undefined)
                    continue
                areas[href] = runAt(href, x, y)
                --left
            }
        }
        linkAreas = areas
    }

    // The extent of the link href around the point (x, y) where it was found.
    function runAt(href, x, y) {
        var x0 = x, x1 = x, y0 = y, y1 = y
        while (x0 > 0 && linkAt(x0 - 1, y) === href)
            --x0
        while (x1 < width && linkAt(x1 + 1, y) === href)
            ++x1
        var middle = (x0 + x1) / 2
        while (y0 > 0 && linkAt(middle, y0 - 1) === href)
            --y0
        while (y1 < height && linkAt(middle, y1 + 1) === href)
            ++y1
        return Qt.rect(x0, y0, x1 - x0 + 1, y1 - y0 + 1)
    }

    textFormat: Text.RichText
    wrapMode: Text.Wrap
    onTextChanged: Qt.callLater(paragraph.measureLinks)
    onWidthChanged: Qt.callLater(paragraph.measureLinks)
    onContentHeightChanged: Qt.callLater(paragraph.measureLinks)
    Component.onCompleted: Qt.callLater(paragraph.measureLinks)

    Repeater {
        model: paragraph.links

        Clickable {
            readonly property rect area: paragraph.linkAreas[modelData.href] || Qt.rect(0, 0, 0, 0)

            x: area.x
            y: area.y
            width: area.width
            height: area.height
            focusRadius: px(2)
            accessibleName: modelData.label
            Accessible.role: Accessible.Link
            onClicked: paragraph.linkActivated(modelData.href)
        }
    }
}
