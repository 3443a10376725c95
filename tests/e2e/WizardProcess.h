#pragma once

#include "SandboxMachine.h"

#include <QProcess>
#include <QStringList>

#include <functional>

class XKeyboard;

// The installed wizard in a sandbox machine: its program folder under the sandbox's
// program files, started offscreen or on an X display, with a caller pipe that
// receives its "DONE".
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
    // The same on the keyboard's X display. The window reports itself up when it first
    // becomes active, which there takes the keyboard focus: it gets the focus first.
    bool startAndWaitForWindow(XKeyboard &keyboard, const QStringList &arguments = {}, int timeoutMs = 60000);
    void kill();
    // The exit code once the wizard has ended by itself; -1 when it crashed or still
    // runs after timeoutMs.
    int waitForExit(int timeoutMs);

    QString programFolder() const { return m_programFolder; }
    QProcess &process() { return m_process; }
    // Message texts of the start-up log file, in order.
    QStringList logLines() const;

private:
    // Starts the wizard in the environment, runs activate (when given) on the started
    // process and waits for the window-up message.
    bool start(QProcessEnvironment environment, const QStringList &arguments, int timeoutMs,
        const std::function<bool()> &activate);

    const SandboxMachine &m_machine;
    QString m_programFolder;
    QProcess m_process;
};
