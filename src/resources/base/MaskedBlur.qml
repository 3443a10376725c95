import QtQuick 2.15
import "Style.js" as Style

// Frosts the item behind an overlay: a Gaussian blur of "source" within this item's
// bounds, under a light veil. Without a GPU scene graph the blur cannot run and a
// denser veil stands in for it.
Item {
    id: frost

    property Item source
    property real radius: 24
    property int samples: 32
    property bool active: false
    readonly property bool accelerated: GraphicsInfo.api !== GraphicsInfo.Software
                                        && GraphicsInfo.api !== GraphicsInfo.Unknown

    visible: active
    clip: true

    // The blur (FrostBlur.qml) is created the first time the frost shows on a GPU scene graph.
    Loader {
        anchors.fill: parent
        active: frost.active && frost.accelerated && frost.source !== null
        Component.onCompleted: setSource("FrostBlur.qml", {
            radius: Qt.binding(function() { return frost.radius }),
            samples: Qt.binding(function() { return frost.samples }),
            sourceItem: Qt.binding(function() { return frost.source })
        })
    }

    Rectangle {
        anchors.fill: parent
        color: Style.background
        opacity: frost.accelerated ? 0.35 : 0.8
    }
}
