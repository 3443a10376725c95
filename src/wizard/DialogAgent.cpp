#include "wizard/DialogAgent.h"

#include "core/QmlNames.h"
#include "core/Wiring.h"
#include "wizard/DialogAgentWorker.h"
#include "wizard/PageManager.h"

#include <QVariant>

CDialogAgent::CDialogAgent(QObject *root, CPageManager *pageManager, QObject *parent)
    : QObject(parent)
    , m_root(root)
    , m_pageManager(pageManager)
{
    if (auto *worker = m_thread.start<CDialogAgentWorker>(pageManager)) {
        connect(this, &CDialogAgent::showDialog, worker, &CDialogAgentWorker::onShowDialog);
        connect(worker, &CDialogAgentWorker::sendResult, this, &CDialogAgent::onSendResult);
    }
}

CDialogAgent::~CDialogAgent()
{
    // The worker may wait in the page manager's dialog; the program is closing, so that
    // wait ends unanswered and the thread can stop.
    if (m_pageManager)
        m_pageManager->closeDialogs();
}

QObject *CDialogAgent::findQmlObject(const QString &name) const
{
    QObject *found = nullptr;
    if (name == QLatin1String(QmlNames::pageFooter)) {
        found = m_root->findChild<QObject *>(name);
    } else if (const QObject *pageLoader = QmlNames::find(m_root, QmlNames::pageLoader)) {
        // The loader's current item only: a page it has just replaced lingers until
        // its deferred deletion.
        QObject *page = pageLoader->property(QmlNames::item).value<QObject *>();
        if (page)
            found = page->objectName() == name ? page : page->findChild<QObject *>(name);
    }
    if (!found)
        qDebug("[CDialogAgent] Cannot find the QML Object: %s", qUtf8Printable(name));
    return found;
}

void CDialogAgent::loadedPInit03()
{
    if (QObject *page = findQmlObject(m_pageName))
        Wiring::connect(page, QmlNames::askToAcceptPInit03Signal, this, "askToAcceptPInit03()", Qt::UniqueConnection);
}

void CDialogAgent::askToAcceptPInit03()
{
    if (!findQmlObject(m_pageName))
        qDebug("[CDialogAgent] Not in pInit03 page, something's wrong.");
    if (!m_pageManager)
        return;
    const std::optional<PageDialogEntry> entry = m_pageManager->dialogEntry(m_dialogId);
    if (!entry) {
        qWarning("[CDialogAgent] ERROR: No dialog %s", qUtf8Printable(m_dialogId));
        return;
    }
    emit showDialog(m_dialogId, entry->title, entry->description, entry->negative, entry->positive);
}

void CDialogAgent::onSendResult(const QString &dialogName, bool bResult)
{
    if (dialogName != m_dialogId)
        return;
    if (bResult) {
        qDebug("[CDialogAgent] User close terms and conditions dialog.");
        return;
    }
    qDebug("[CDialogAgent] User decline terms and conditions, quit OOBE.");
    if (findQmlObject(m_pageName) && m_pageManager)
        m_pageManager->prepareToQuit(QStringLiteral("error"));
}
