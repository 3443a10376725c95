.pragma library
// The look shared by every styled component: font styles F1-F9, colour styles
// C1-C10 and the surface colours. Sizes are design pixels of the 1200 x 675 window.
// Text colours keep a contrast of at least 4.5:1 on the surfaces they are shown on,
// white keeps it on the accent, and the focus ring 3:1 (tests/qml/tst_qmlstyle).

// Font weights as QFont values (Light, Normal, Medium).
var light = 25
var normal = 50
var medium = 57

var fonts = {
    "F1": { size: 30, weight: light, spacing: 0 },      // page title
    "F2": { size: 22, weight: normal, spacing: 0 },     // dialog title, sub-title
    "F3": { size: 18, weight: medium, spacing: 0 },     // section heading
    "F4": { size: 16, weight: medium, spacing: 0 },     // emphasised label
    "F5": { size: 15, weight: normal, spacing: 0 },     // body text
    "F6": { size: 13, weight: normal, spacing: 0 },     // secondary text, hints
    "F7": { size: 14, weight: medium, spacing: 0.8 },   // button label
    "F8": { size: 12, weight: normal, spacing: 0 },     // small print
    "F9": { size: 56, weight: light, spacing: 0 }       // large figure
}

var colors = {
    "C1": "#1b2230",    // headings
    "C2": "#197f4f",    // a good result
    "C3": "#d02e27",    // a bad result, missing space
    "C4": "#007999",    // links
    "C5": "#3f4756",    // body text
    "C6": "#ffffff",    // text on an accent surface
    "C7": "#6f7685",    // disabled text
    "C8": "#6a7282",    // secondary text
    "C9": "#08769e",    // strong accent
    "C10": "#ffffff"    // text over the install video
}

var accent = "#007da6"
var accentHover = "#00739a"
var accentPressed = "#006a8f"
var background = "#f5f7fa"
var surface = "#ffffff"
var line = "#e3e7ee"
var outline = "#c5ccd8"
var tint = "#e8f6fb"
var focus = "#08769e"
var scrim = "#1b2230"

function fontStyle(name) {
    return fonts[name] || fonts["F5"]
}

function color(name) {
    return colors[name] || colors["C1"]
}

// The Noto Sans CJK face in fonts.rcc for the styled-text language the root publishes
// ("zh-CN", "ja", ...), or "" for a language that Roboto covers.
function cjkFont(styledTextLang) {
    var faces = { "zh-CN": "sc", "zh-TW": "tc", "ja": "jp", "ko": "kr" }
    var face = faces[styledTextLang]
    return face ? "qrc:/fonts/NotoSansCJK" + face + "-Regular.otf" : ""
}

// Design pixels in screen pixels at the scale of `window` (the wizard's ScaleWindow);
// unchanged while the component is not in a window.
function px(window, value) {
    return window ? window.scx(value) : value
}

// A style sheet that gives links in rich text their colour.
function linkStyle(linkColor) {
    return "<style>a { color: " + linkColor + "; }</style>"
}

// The folder of the pictures drawn at 1, 1.5 and 2 times their design size that
// stays sharp at `ratio` device pixels per design pixel.
function scaleFolder(ratio) {
    return ratio > 1.5 ? "@2x" : ratio > 1 ? "@1.5x" : "@1x"
}

// The text a reader hears of a text that may hold markup: no style sheet, no tags
// (span markers, bold, links), entities decoded, white space collapsed.
function plain(text) {
    var entities = { "amp": "&", "lt": "<", "gt": ">", "quot": "\"", "apos": "'", "nbsp": " " }
    return String(text)
        .replace(/<style[^>]*>[\s\S]*?<\/style>/gi, "")
        .replace(/<br\s*\/?>|<\/p>/gi, " ")
        .replace(/<[^>]*>/g, "")
        .replace(/&(#x[0-9a-f]+|#[0-9]+|[a-z]+);/gi, function(entity, name) {
            if (name.charAt(0) === "#") {
                var hex = name.charAt(1).toLowerCase() === "x"
                return String.fromCharCode(parseInt(name.substring(hex ? 2 : 1), hex ? 16 : 10))
            }
            var decoded = entities[name.toLowerCase()]
            return decoded !== undefined ? decoded : entity
        })
        .replace(/\s+/g, " ")
        .trim()
}

// The links of a rich text in their order: [{ href, label }], label as plain text.
function links(html) {
    var found = []
    var pattern = /<a\s[^>]*href\s*=\s*(?:"([^"]*)"|'([^']*)')[^>]*>([\s\S]*?)<\/a>/gi
    var match
    while ((match = pattern.exec(String(html))) !== null)
        found.push({ href: match[1] !== undefined ? match[1] : match[2], label: plain(match[3]) })
    return found
}

// WCAG relative luminance of a colour given as "#rrggbb".
function luminance(hex) {
    var channel = function(offset) {
        var value = parseInt(hex.substr(offset, 2), 16) / 255
        return value <= 0.03928 ? value / 12.92 : Math.pow((value + 0.055) / 1.055, 2.4)
    }
    return 0.2126 * channel(1) + 0.7152 * channel(3) + 0.0722 * channel(5)
}

// WCAG contrast ratio of two "#rrggbb" colours, from 1 to 21.
function contrastRatio(first, second) {
    var a = luminance(first)
    var b = luminance(second)
    return (Math.max(a, b) + 0.05) / (Math.min(a, b) + 0.05)
}
