#pragma once

#include "SandboxMachine.h"

#include <QJsonObject>
#include <QProcess>
#include <QStringList>

#include <functional>

class XKeyboard;

// The installed wizard in a sandbox machine: its program folder under the sandbox's
// program files, started offscreen or on an X display, directly or through a set-up
// launcher, with a caller pipe that receives its "DONE".
class WizardProcess {
public:
    explicit WizardProcess(const SandboxMachine &machine);
    ~WizardProcess();

    // Lays out the program folder; without baseRcc, base.rcc and fonts.rcc lie where a
    // development tree keeps them instead.
    bool install(bool baseRcc = true);
    // Puts the stand-in updater into the program folder's "Updater" folder, where the
    // wizard starts it from.
    bool installUpdater() const;
    // Starts the wizard with "DONE:" + the caller pipe and the arguments, and waits for
    // the window-up message on that pipe.
    bool startAndWaitForWindow(const QStringList &arguments = {}, int timeoutMs = 60000);
    // The same on the keyboard's X display. The window reports itself up when it first
    // becomes active, which there takes the keyboard focus: it gets the focus first.
    bool startAndWaitForWindow(XKeyboard &keyboard, const QStringList &arguments = {}, int timeoutMs = 60000);
    // The same through a set-up launcher, as a downloaded set-up starts the wizard: the
    // launcher (a path under the sandbox root) starts an unpacker beside it, which starts
    // the wizard, so the launcher is the wizard's level-2 ancestor. Both are stand-ins;
    // their settings are added to scenario, which is then written.
    bool startThroughLauncherAndWaitForWindow(XKeyboard &keyboard, const QString &launcher, QJsonObject scenario,
        const QStringList &arguments = {}, int timeoutMs = 60000);
    // Ends the wizard and the launcher it was started through.
    void kill();
    // The exit code once the started process has ended by itself; -1 when it crashed or
    // still runs after timeoutMs. A launcher ends after the wizard, with a code of its own.
    int waitForExit(int timeoutMs);

    QString programFolder() const { return m_programFolder; }
    // The wizard's process id once it has started.
    qint64 pid() const { return m_pid; }
    // Message texts of the start-up log file, in order.
    QStringList logLines() const { return logLinesOf(m_machine, m_pid); }
    // The same for the wizard with process id pid in machine (any wizard's for 0).
    static QStringList logLinesOf(const SandboxMachine &machine, qint64 pid);
    // The environment that runs the wizard offscreen.
    static QProcessEnvironment offscreenEnvironment();

private:
    QString programPath() const;
    // Starts program in the environment, finds the wizard's process, runs activate (when
    // given) and waits for the window-up message.
    bool start(QProcessEnvironment environment, const QString &program, const QStringList &arguments, int timeoutMs,
        const std::function<bool()> &activate);
    // start on the keyboard's display, the wizard's window given the focus.
    bool startOnDisplay(XKeyboard &keyboard, const QString &program, const QStringList &arguments, int timeoutMs);
    // The id of the wizard's process in the sandbox, once it runs; 0 after timeoutMs.
    qint64 findWizard(int timeoutMs) const;

    const SandboxMachine &m_machine;
    QString m_programFolder;
    QProcess m_process;
    qint64 m_pid = 0;
};
