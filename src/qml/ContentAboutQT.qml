import QtQuick 2.15
import NovaAccessibility 1.0

// The notice about the Qt libraries the wizard uses, folded away until asked for.
Column {
    id: about

    property bool expanded: false

    spacing: mainWindow.scx(6)

    Clickable {
        id: toggle
        width: row.implicitWidth
        height: row.implicitHeight
        accessibleName: qsTr("About Qt") + langProp.emptyString
        Accessible.role: Accessible.Button
        AccessibleState.expandable: true
        AccessibleState.expanded: about.expanded
        onClicked: about.expanded = !about.expanded

        Row {
            id: row
            spacing: mainWindow.scx(4)

            StyledText {
                anchors.verticalCenter: parent.verticalCenter
                text: toggle.accessibleName
                Accessible.ignored: true
                fstyle: "F8"
                cstyle: "C8"
            }

            Image {
                anchors.verticalCenter: parent.verticalCenter
                width: mainWindow.scx(16)
                height: width
                sourceSize.width: 48
                source: about.expanded ? "images/ic_expand_close_@2x.png" : "images/ic_expand_more_@2x.png"
            }
        }
    }

    Description {
        width: parent.width
        visible: about.expanded
        fstyle: "F8"
        html: qsTr("This program uses the Qt libraries, version 5.15, under the GNU Lesser General Public License version 3. See <a href=\"%1\">qt.io/licensing</a> for the license and the source code.")
              .arg("https://www.qt.io/licensing/") + langProp.emptyString
    }
}
