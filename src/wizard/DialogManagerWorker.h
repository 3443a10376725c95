#pragma once

#include <QObject>
#include <QString>

class DialogManager;

// Shows the dialog manager's dialogs one at a time on a thread of its own and waits
// there for each answer; later requests queue behind the open dialog.
class DialogManagerWorker : public QObject {
    Q_OBJECT

public:
    explicit DialogManagerWorker(DialogManager *manager);

public slots:
    void onShowDialog(const QString &dialogID);
    void onShowBigDialog(const QString &dialogID);

private:
    DialogManager *m_manager;
};
