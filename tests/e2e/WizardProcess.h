#pragma once

#include "SandboxMachine.h"

#include <QProcess>
#include <QStringList>

// The installed wizard in a sandbox machine: its program folder under the sandbox's
// program files, started offscreen, with a caller pipe that receives its "DONE".
class WizardProcess {
public:
    explicit WizardProcess(const SandboxMachine &machine);
    ~WizardProcess();

    // Lays out the program folder; without baseRcc, base.rcc and fonts.rcc lie where a
    // development tree keeps them instead.
    bool install(bool baseRcc = true);
    // Starts the wizard with "DONE:" + the caller pipe and the arguments, and waits for
    // the window-up message on that pipe.
    bool startAndWaitForWindow(const QStringList &arguments = {}, int timeoutMs = 60000);
    void kill();

    QString programFolder() const { return m_programFolder; }
    QProcess &process() { return m_process; }
    // Message texts of the start-up log file, in order.
    QStringList logLines() const;

private:
    const SandboxMachine &m_machine;
    QString m_programFolder;
    QProcess m_process;
};
