#pragma once

#include <QObject>
#include <QString>

class CPageManager;

// Shows the page manager's blocking dialogs that managers ask for by signal, on a
// thread of its own, so that the user-interface thread stays free while it waits.
class DialogWorker : public QObject {
    Q_OBJECT

public:
    explicit DialogWorker(CPageManager *pageManager);

public slots:
    void showDialog(const QString &messageId);

private:
    CPageManager *m_pageManager;
};
