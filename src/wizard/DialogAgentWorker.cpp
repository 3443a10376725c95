#include "wizard/DialogAgentWorker.h"

#include "wizard/PageManager.h"

CDialogAgentWorker::CDialogAgentWorker(CPageManager *pageManager)
    : m_pageManager(pageManager)
{
}

void CDialogAgentWorker::onShowDialog(const QString &dialogName, const QString &strTitle, const QString &strDesc,
    const QString &strNegative, const QString &strPositive)
{
    PageDialogEntry entry;
    entry.id = dialogName;
    entry.title = strTitle;
    entry.description = strDesc;
    entry.negative = strNegative;
    entry.positive = strPositive;
    const int answer = m_pageManager->showDialogInt(entry);
    emit sendResult(dialogName, answer == BlockingDialog::Positive);
}
