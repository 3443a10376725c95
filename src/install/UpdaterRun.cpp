#include "install/UpdaterRun.h"

QProcess *UpdaterRun::newProcess(QObject *owner)
{
    auto *process = new QProcess(owner);
    QObject::connect(
        process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), process, &QObject::deleteLater);
    QObject::connect(process, &QProcess::errorOccurred, process, [process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            process->deleteLater();
    });
    return process;
}
