import QtQuick 2.15

// A terms page as the dialog agent expects one: it asks the user to accept the terms.
Item {
    objectName: "pInit03"

    signal askToAcceptPInit03()
}
