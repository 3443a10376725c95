#include "location/PredownloaderWorker.h"

#include "install/DownloadParser.h"
#include "install/UpdaterRun.h"
#include "location/Predownloader.h"

PredownloaderWorker::PredownloaderWorker(Predownloader &predownloader, const QString &programFolder)
    : m_predownloader(predownloader)
    , m_updaterDirPath(programFolder + QStringLiteral("/Updater"))
{
}

void PredownloaderWorker::run()
{
    auto *parser = new DownloadParser;
    const UpdaterRun run = UpdaterRun::prepare(parser, Predownloader::PipeName, this);
    connect(parser, &DownloadParser::downloadError, &m_predownloader, &Predownloader::onPredownloadError);
    connect(parser, &DownloadParser::downloadFinished, &m_predownloader, &Predownloader::onPredownloadFinished);
    run.pipeThread->start();
    emit m_predownloader.updaterPredownload(run.process, m_updaterDirPath, Predownloader::PipeName);
}
