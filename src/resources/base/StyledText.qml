import QtQuick 2.15
import QtQuick.Window 2.15
import "Style.js" as Style

// Text in one of the wizard's font styles ("fstyle", F1-F9) and colour styles
// ("cstyle", C1-C10), in the font of the window's current language. Assistive
// technology reads it as static text, markup left out; a text that a control or
// a parent item already names sets Accessible.ignored.
Text {
    property string fstyle: "F5"
    property string cstyle: "C1"

    readonly property var window: Window.window
    readonly property var fontStyle: Style.fontStyle(fstyle)

    color: Style.color(cstyle)
    linkColor: Style.color("C4")
    font.family: window ? window.styledTextFamily : "Roboto"
    font.pixelSize: Style.px(window, fontStyle.size)
    font.weight: fontStyle.weight
    font.letterSpacing: fontStyle.spacing
    lineHeight: 1.15
    Accessible.role: Accessible.StaticText
    Accessible.name: Style.plain(text)
}
