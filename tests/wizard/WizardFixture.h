#pragma once

#include "QmlHarness.h"

#include "core/ModeFlags.h"
#include "shell/Managers.h"
#include "shell/ParamHandler.h"

#include <QSignalSpy>
#include <QVariantMap>

#include <memory>

// The real window offscreen with the program's managers, created and wired as the
// program does it. Unless asked to close, the end of the program stops at the page
// manager's closeApp(), since Closer would end the test's event loop; closeApp counts
// the quits either way.
class WizardFixture {
public:
    // The mode flags hold for the run; the window shows them (first page, texts). The
    // program folder holds the data files the managers read (the compatibility list, the
    // .NET installer); by default the build folder, which is laid out as one.
    explicit WizardFixture(
        const ModeFlags &flags = ModeFlags(), bool closes = false, const QString &programFolder = QString());

    QObject *root() const { return harness.root(); }
    QObject *find(const QString &objectName) const { return harness.find(objectName); }
    QString currentPage() const { return harness.currentPage(); }
    CPageManager &pages() const { return *managers->pageManager; }
    DialogManager &dialogs() const { return *managers->dialogManager; }

    // Whether the dialog overlay shows dialog id.
    bool overlayShows(const QString &id) const;
    // Presses an overlay button as the user does: the overlay hides and reports it.
    void press(bool positive) const;
    // Presses the footer's Next or Back button.
    void pressNext() const;
    void pressBack() const;
    // Asks for a general dialog the way the pages do.
    void showDialog(const QString &id) const;

    QmlHarness harness;
    ParamHandler params;
    std::unique_ptr<Managers> managers;
    std::unique_ptr<QSignalSpy> closeApp;
};
