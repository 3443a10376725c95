#pragma once

#include <QObject>
#include <QString>

// Runs the .NET Framework web installer that ships in the program folder and waits,
// on its own thread, for it to end.
class NetWorker : public QObject {
    Q_OBJECT

public:
    explicit NetWorker(const QString &programFolder);

    // The exit code reported for an installer that could not be started or crashed:
    // not one the installer itself uses, so it takes the unknown-outcome path.
    static constexpr int NotRunCode = -1;

    // The installer's exit code from a process exit status. A status keeps only the low
    // byte of the codes the installer reports (1602, 3010, ...); those codes differ in
    // that byte, so each is told apart and restored.
    static int installerExitCode(int status);

signals:
    void installFinished(int nExitCode);

public slots:
    void launchInstaller();

private:
    QString m_programFolder;
};
