#pragma once

#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A sandbox machine in a temporary folder, made current for this process (and the
// processes it starts) through NOVA_MACHINE_ROOT for the object's lifetime.
class SandboxMachine {
public:
    SandboxMachine();
    ~SandboxMachine();

    bool isValid() const { return m_dir.isValid(); }
    QString root() const { return m_dir.path(); }
    QString path(const QString &relative) const { return m_dir.filePath(relative); }

    void writeProfile(const QJsonObject &profile) const;
    void writeScenario(const QJsonObject &scenario) const;

    // Copies the stand-in program into the sandbox as folder/name and returns its path.
    QString installPeer(const QString &folder, const QString &name) const;
    // The Steam client's set-up and the tools that close, read and ask Steam and SteamVR,
    // where the wizard of programFolder (below the root) finds them; false when one
    // cannot be placed.
    bool installSteamClientTools(const QString &programFolder) const;
    // The stand-in programs started so far, as "program argument ...", in order.
    QStringList peerStarts() const;
    // The addresses the wizard opened in the desktop user's browser, in order.
    QStringList openedUrls() const;

private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
};

// Changes to this process's environment (inherited by the processes it starts) that
// are undone when the object goes, in reverse order.
class ScopedEnvironment {
public:
    ScopedEnvironment() = default;
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment &) = delete;
    ScopedEnvironment &operator=(const ScopedEnvironment &) = delete;

    void set(const char *name, const QByteArray &value);
    void unset(const char *name);

private:
    void save(const char *name);

    QList<QPair<QByteArray, QByteArray>> m_saved; // names and earlier values
};

// For its lifetime, no variable names a desktop user to root (SUDO_UID, PKEXEC_UID,
// DISPLAY); they are restored afterwards.
class NoDesktopUserNamed {
public:
    NoDesktopUserNamed();

private:
    ScopedEnvironment m_environment;
};

// A program built with the tests ("nova-pipe", "nova-test-helper", ...).
QString builtProgram(const QString &name);

// Ends a running program: asks it to end, and kills it when it is still there after a
// few seconds.
void stopProcess(QProcess &process);

// Starts a program and waits until it printed a line starting with readyLine.
bool startAndWaitForLine(QProcess &process, const QString &program, const QStringList &arguments,
    const QByteArray &readyLine, int timeoutMs = 10000);
