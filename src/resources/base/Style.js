.pragma library
// The look shared by every styled component: font styles F1-F9, colour styles
// C1-C10 and the surface colours. Sizes are design pixels of the 1200 x 675 window.

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
    "C2": "#1f9d61",    // a good result
    "C3": "#d8362f",    // a bad result, missing space
    "C4": "#00b3e3",    // links
    "C5": "#3f4756",    // body text
    "C6": "#ffffff",    // text on an accent surface
    "C7": "#a3a9b5",    // disabled text
    "C8": "#6a7282",    // secondary text
    "C9": "#0a8fc0",    // strong accent
    "C10": "#ffffff"    // text over the install video
}

var accent = "#00a3d9"
var accentHover = "#14b4e8"
var accentPressed = "#0088b8"
var background = "#f5f7fa"
var surface = "#ffffff"
var line = "#e3e7ee"
var outline = "#c5ccd8"
var tint = "#e8f6fb"
var focus = "#0a8fc0"
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

// Removes markup (span markers, bold tags) from a text shown as plain text.
function plain(text) {
    return String(text).replace(/<[^>]*>/g, "")
}
