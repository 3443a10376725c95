#pragma once

#include "install/PipeThreadWin.h"

#include <QProcess>
#include <QString>

// One run of the updater that reports on a named pipe: the updater's process and the
// pipe server thread that feeds the run's parser, wired as every run needs them (the
// process's errors and end reach the parser, the parser closes the pipe). The process
// goes once it has ended or failed to start; the parser and the thread once the thread
// has stopped, or with owner at the latest. The caller connects the parser's outcome,
// starts the thread and then hands the process to the launcher.
struct UpdaterRun {
    QProcess *process = nullptr;
    PipeThreadWin *pipeThread = nullptr;

    // parser: a new parser with the slots onProcError and onProcFinished and the signal
    // closePipe; the run takes it.
    template<typename Parser> static UpdaterRun prepare(Parser *parser, const QString &shortPipeName, QObject *owner)
    {
        UpdaterRun run;
        run.process = newProcess(owner);
        run.pipeThread = new PipeThreadWin(PipeThreadWin::pathFor(shortPipeName), parser, owner);
        parser->setParent(run.pipeThread);
        run.pipeThread->deleteWhenFinished();
        QObject::connect(run.process, &QProcess::errorOccurred, parser, &Parser::onProcError);
        QObject::connect(run.process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), parser,
            &Parser::onProcFinished);
        QObject::connect(parser, &Parser::closePipe, run.pipeThread, &PipeThreadWin::closePipe);
        return run;
    }

private:
    static QProcess *newProcess(QObject *owner);
};
