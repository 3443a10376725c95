import QtQuick 2.15

// The large account sign-in button.
StyledButton {
    kind: "primary"
    text: qsTr("SIGN IN") + langProp.emptyString
    iconSource: "qrc:/assets/ic_account.png"
    implicitHeight: mainWindow.scx(48)
    implicitWidth: mainWindow.scx(220)
}
