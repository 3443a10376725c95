#pragma once

#include "core/BlockingDialog.h"
#include "core/Catalogue.h"
#include "core/WorkerThread.h"
#include "wizard/DialogCatalogue.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <optional>

// The wizard's general message dialogs: shows a dialog by id in the window's dialog
// overlay, waits for the answer on a worker thread, and turns the answer into an
// action (retry a step, end another instance, go on, install the account package,
// quit with a reason). Anything may ask for a dialog by emitting showDialog(id).
class DialogManager : public QObject {
    Q_OBJECT

public:
    // root: the QML root window; isSetup: true in the set-up program. The catalogue is
    // built at once, so a dialog asked for before the window shows has its texts.
    DialogManager(QObject *root, bool isSetup, QObject *parent = nullptr);
    ~DialogManager() override;

    // What an answer leads to; the reactions are a table beside the code.
    enum class Action;

    // The catalogue's entry, from any thread.
    std::optional<DialogEntry> dialogEntry(const QString &dialogID) const;
    QVector<DialogEntry> dialogEntries() const { return m_catalogue.entries(); }
    // On the worker thread: shows the dialog (the big variant where the window has one),
    // blocks until the user answers and reports the answer through dialogReturn.
    void showAndReport(const QString &dialogID, bool big);

signals:
    void showDialog(const QString &dialogID);
    void showBigDialog(const QString &dialogID);
    void dialogReturn(const QString &dialogID, int nResult);
    void returnTryAgain(const QString &dialogID);
    void killAnotherInstance();
    void jumpNext();
    void installAccount();
    void prepareToQuit(const QString &strReason);
    void clickedDialogCtr03();

public slots:
    void negativePressed();
    void positivePressed();
    void onDialogReturn(const QString &dialogID, int nResult);
    void initDialog();

private:
    void perform(Action action, const QString &dialogID);
    void setPageProperty(const char *pageName, const char *property, const QVariant &value);

    QObject *m_root;
    const bool m_isSetup;
    QPointer<QObject> m_pageLoader;
    Catalogue<DialogEntry> m_catalogue;
    BlockingDialog m_dialog;
    WorkerThread m_thread { "[DialogManager]" }; // stops before m_dialog goes
};
