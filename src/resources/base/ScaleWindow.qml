import QtQuick 2.15
import QtQuick.Window 2.15
import "Style.js" as Style

// The wizard's frameless window. Everything inside is laid out in design pixels of a
// 1200 x 675 window; scx() turns them into screen pixels at the window's scale, the
// largest of 2, 1.5 and 1 at which the window fits the primary screen.
Window {
    id: window

    property int primScWidth: 0
    property int primScHeight: 0
    property real scale: fittingScale(primScWidth, primScHeight)
    // Language whose script needs its own font ("zh-CN", "zh-TW", "ja", "ko", "ru" or empty).
    property string styledTextLang: ""
    // The overlay that holds all input while it shows (a dialog, a waiting card): the
    // buttons outside it do not act, whatever presses them.
    property Item modalOverlay: null
    // Font family of the styled texts: the Noto Sans CJK face of a Chinese, Japanese or
    // Korean styledTextLang once that face has loaded, otherwise Roboto. Following the
    // loader keeps texts from being laid out in a face that is not there yet.
    readonly property string styledTextFamily: cjkFont.status === FontLoader.Ready ? cjkFont.name : "Roboto"

    readonly property int designWidth: 1200
    readonly property int designHeight: 675
    // Share of the available screen the window may take at a larger scale.
    readonly property real screenShare: 0.9

    function scx(value) {
        return Math.round(value * scale)
    }

    function fittingScale(screenWidth, screenHeight) {
        var scales = [2, 1.5]
        for (var i = 0; i < scales.length; ++i) {
            if (designWidth * scales[i] <= screenWidth * screenShare
                    && designHeight * scales[i] <= screenHeight * screenShare)
                return scales[i]
        }
        return 1
    }

    function centre() {
        if (primScWidth > 0 && primScHeight > 0) {
            x = Math.max(0, Math.round((primScWidth - scx(designWidth)) / 2))
            y = Math.max(0, Math.round((primScHeight - scx(designHeight)) / 2))
        }
    }

    width: scx(designWidth)
    height: scx(designHeight)
    flags: Qt.Window | Qt.FramelessWindowHint | Qt.WindowMinimizeButtonHint
    color: Style.background

    onPrimScWidthChanged: centre()
    onPrimScHeightChanged: centre()
    onScaleChanged: centre()

    // The fonts ship beside the program in fonts.rcc: Roboto, which the program adds
    // before the window loads, and a Noto Sans CJK face each for Simplified and
    // Traditional Chinese, Japanese and Korean, of which only the one styledTextLang asks
    // for is loaded.
    FontLoader {
        id: cjkFont
        source: Style.cjkFont(window.styledTextLang)
    }

    // The thin frame of the borderless window, above everything else.
    Rectangle {
        anchors.fill: parent
        z: 1000
        color: "transparent"
        border.color: "#aaa9aa"
        border.width: 1
    }
}
