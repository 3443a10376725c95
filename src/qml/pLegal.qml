import QtQuick 2.15
import "Style.js" as Style

// Welcome, language choice and the terms. The page's own button goes on once the
// terms are accepted; otherwise it explains why not ("LE001").
WizardPage {
    id: page
    objectName: "pLegal"

    property bool isLegalChecked: false
    property string eulaUrl
    property string termsUrl
    property string privacyUrl
    // Locales with their own legal documents; others read the "us" ones.
    readonly property var legalLocales: ["tw", "eu", "us", "kr", "ru", "de", "fr", "jp", "cn"]

    function footerAtStart() {
        return { back: [false, false, ""], next: [false, false, ""] }
    }

    function setUrl() {
        var locale = legalLocales.indexOf(mainWindow.urlLocale) >= 0 ? mainWindow.urlLocale : "us"
        var folder = mainWindow.productSite + "/" + locale + "/legal/"
        eulaUrl = folder + "eula"
        termsUrl = folder + "terms-of-use"
        privacyUrl = folder + "privacy-policy"
    }

    function nextClicked() {
        if (isLegalChecked)
            pageLoader.jumpNext()
        else
            mainWindow.showDialog("LE001")
    }

    // The page's own button stands for Next.
    nextAllowed: false
    title: qsTr("Welcome to NOVA") + langProp.emptyString
    illustration: "qrc:/images/illustrations/welcome.svg"
    Component.onCompleted: setUrl()

    Connections {
        target: mainWindow

        function onUrlLocaleChanged() {
            page.setUrl()
        }

        function onProductSiteChanged() {
            page.setUrl()
        }
    }

    Column {
        width: parent.width
        spacing: mainWindow.scx(24)

        Content {
            width: parent.width
            html: qsTr("%1 Setup installs the software your headset needs and checks that your computer is ready for it.")
                  .arg(mainWindow.product_name) + langProp.emptyString
        }

        LanguageSelector {
            objectName: "languageSelector"
        }

        // The tick box and its label, which ticks it too; the label's links lie over
        // it and are controls of their own (a check box holds no controls).
        Item {
            width: parent.width
            height: acceptText.implicitHeight

            Clickable {
                id: accept
                anchors.fill: parent
                accessibleName: Style.plain(acceptText.html)
                Accessible.role: Accessible.CheckBox
                Accessible.checkable: true
                Accessible.checked: page.isLegalChecked
                onClicked: page.isLegalChecked = !page.isLegalChecked

                Image {
                    id: box
                    width: mainWindow.scx(24)
                    height: width
                    sourceSize.width: 48
                    source: page.isLegalChecked ? "images/ic_check_box_check_@2x.png" : "images/ic_check_box_rest_@2x.png"
                }
            }

            Content {
                id: acceptText
                x: box.width + mainWindow.scx(12)
                width: parent.width - x
                Accessible.ignored: true
                html: qsTr("I have read and accept the KELT <a href=\"%1\">EULA</a>, <a href=\"%2\">terms of use</a> and <a href=\"%3\">privacy policy</a>.")
                      .arg(page.eulaUrl).arg(page.termsUrl).arg(page.privacyUrl) + langProp.emptyString
            }
        }

        StyledButton {
            kind: "primary"
            text: qsTr("GET STARTED") + langProp.emptyString
            onClicked: page.nextClicked()
        }
    }

    ContentAboutQT {
        objectName: "aboutQt"
        anchors.bottom: parent.bottom
        width: parent.width
    }
}
