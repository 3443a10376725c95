#include "bi/BIServiceWorker.h"

#include "platform/SystemInfo.h"

#include <QDebug>
#include <QLocale>

namespace {

bilogger::ClientInfo clientInfo(const QString &fileVersion)
{
    return { platform::SystemInfo::productUuid().toStdString(), platform::SystemInfo::osManufacturer().toStdString(),
        platform::SystemInfo::osVersion().toStdString(), QLocale::system().name().toStdString(),
        fileVersion.toStdString() };
}

} // namespace

BIServiceWorker::BIServiceWorker(std::shared_ptr<BILoggerHandle> handle)
    : m_handle(std::move(handle))
{
}

void BIServiceWorker::onInitBILogger()
{
    // Runs only on the worker thread, so the check and the set cannot interleave.
    if (m_handle->ready)
        return;
    qDebug("[BIService] Init BILogger+");
    const bool initialised = m_handle->logger.init(m_handle->storageFolder.toUtf8().toStdString(),
        BILoggerHandle::AppId, clientInfo(m_handle->fileVersion), m_handle->endpoints);
    qDebug("[BIService] Init BILogger-");
    m_handle->ready = initialised;
}
