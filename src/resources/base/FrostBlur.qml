import QtQuick 2.15
import QtGraphicalEffects 1.15

// The Gaussian blur that MaskedBlur draws of "sourceItem" over this item's bounds. A file
// of its own, so that QtGraphicalEffects loads only when a blur is first drawn.
GaussianBlur {
    id: blur

    property alias sourceItem: texture.sourceItem

    source: ShaderEffectSource {
        id: texture
        sourceRect: Qt.rect(0, 0, blur.width, blur.height)
        hideSource: true
    }
}
