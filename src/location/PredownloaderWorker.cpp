#include "location/PredownloaderWorker.h"

#include "install/DownloadParser.h"
#include "install/PipeThreadWin.h"
#include "location/Predownloader.h"

#include <QProcess>

PredownloaderWorker::PredownloaderWorker(Predownloader &predownloader, const QString &programFolder)
    : m_predownloader(predownloader)
    , m_updaterDirPath(programFolder + QStringLiteral("/Updater"))
{
}

void PredownloaderWorker::run()
{
    // The process goes once it has ended; one that never started ends with an error.
    auto *process = new QProcess(this);
    connect(process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), process, &QObject::deleteLater);
    connect(process, &QProcess::errorOccurred, process, [process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            process->deleteLater();
    });

    auto *parser = new DownloadParser;
    auto *pipeThread = new PipeThreadWin(PipeThreadWin::pathFor(Predownloader::PipeName), parser, this);
    // The parser goes after its pipe thread has stopped, whichever way that happens.
    parser->setParent(pipeThread);
    pipeThread->deleteWhenFinished();

    connect(process, &QProcess::errorOccurred, parser, &DownloadParser::onProcError);
    connect(process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), parser,
        &DownloadParser::onProcFinished);
    connect(parser, &DownloadParser::closePipe, pipeThread, &PipeThreadWin::closePipe);
    connect(parser, &DownloadParser::downloadError, &m_predownloader, &Predownloader::onPredownloadError);
    connect(parser, &DownloadParser::downloadFinished, &m_predownloader, &Predownloader::onPredownloadFinished);

    pipeThread->start();
    emit m_predownloader.updaterPredownload(process, m_updaterDirPath, Predownloader::PipeName);
}
