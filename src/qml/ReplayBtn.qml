// Replays an animation of the page.
IconButton {
    icon: "qrc:/assets/ic_replay.png"
    accessibleName: qsTr("Replay") + langProp.emptyString
}
