#include "wizard/DialogManagerWorker.h"

#include "wizard/DialogManager.h"

DialogManagerWorker::DialogManagerWorker(DialogManager *manager)
    : m_manager(manager)
{
}

void DialogManagerWorker::onShowDialog(const QString &dialogID)
{
    qDebug("[DialogManager] Show dialog %s", qUtf8Printable(dialogID));
    m_manager->showAndReport(dialogID, false);
}

void DialogManagerWorker::onShowBigDialog(const QString &dialogID)
{
    qDebug("[DialogManager] Show bigDialog %s", qUtf8Printable(dialogID));
    m_manager->showAndReport(dialogID, true);
}
