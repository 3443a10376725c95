#include "location/Predownloader.h"

#include "location/PredownloaderWorker.h"

const QString Predownloader::PipeName = QStringLiteral("predownload_pipe");

Predownloader::Predownloader(const QString &programFolder, QObject *parent)
    : QObject(parent)
{
    PredownloaderWorker *worker = m_workerThread.prepare<PredownloaderWorker>(*this, programFolder);
    if (!worker)
        return;
    connect(this, &Predownloader::predownload, worker, &PredownloaderWorker::run);
    m_workerThread.startThread();
}

Predownloader::~Predownloader() = default;

void Predownloader::onPredownloadError()
{
    qDebug("[Predownloader] download fail!");
    emit downloadFinished();
}

void Predownloader::onPredownloadFinished()
{
    qDebug("[Predownloader] download success!");
    emit downloadFinished();
}
