#include "wizard/DialogWorker.h"

#include "wizard/PageManager.h"

#include <QMetaObject>

DialogWorker::DialogWorker(CPageManager *pageManager)
    : m_pageManager(pageManager)
{
}

void DialogWorker::showDialog(const QString &messageId)
{
    const int result = m_pageManager->showDialogInt(messageId);
    qDebug("[PageManager] Returned from dialog %s, result: %d", qUtf8Printable(messageId), result);
    // The start-up errors end the program whatever the answer.
    if (messageId == QLatin1String("Init00Err1") || messageId == QLatin1String("Init00Err4")
        || messageId == QLatin1String("Init00Err5")) {
        qDebug("[PageManager] Quit");
        // The quit path touches the window: it runs on the page manager's thread.
        QMetaObject::invokeMethod(
            m_pageManager, "prepareToQuit", Qt::QueuedConnection, Q_ARG(QString, QStringLiteral("error")));
    }
}
