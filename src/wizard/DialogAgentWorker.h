#pragma once

#include <QObject>
#include <QString>

class CPageManager;

// Shows the dialog agent's question through the page manager's blocking dialog on the
// agent's thread and reports whether the user pressed the positive button.
class CDialogAgentWorker : public QObject {
    Q_OBJECT

public:
    explicit CDialogAgentWorker(CPageManager *pageManager);

signals:
    void sendResult(const QString &dialogName, bool bResult);

public slots:
    void onShowDialog(const QString &dialogName, const QString &strTitle, const QString &strDesc,
        const QString &strNegative, const QString &strPositive);

private:
    CPageManager *m_pageManager;
};
