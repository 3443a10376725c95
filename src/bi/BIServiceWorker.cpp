#include "bi/BIServiceWorker.h"

#include <QDebug>

BIServiceWorker::BIServiceWorker(BILoggerHandle &handle)
    : m_handle(handle)
{
}

void BIServiceWorker::onInitBILogger()
{
    // Runs only on the worker thread, so the check and the set cannot interleave.
    if (m_handle.ready)
        return;
    qDebug("[BIService] Init BILogger+");
    const bool initialised = m_handle.logger.init(
        m_handle.storageFolder.toUtf8().toStdString(), BILoggerHandle::AppId, m_handle.client, m_handle.endpoints);
    qDebug("[BIService] Init BILogger-");
    m_handle.ready = initialised;
}
