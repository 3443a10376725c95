#pragma once

#include <QObject>
#include <QProcess>
#include <QStringList>

struct FirmwareKitLocation;

// Drives the headset firmware update kit: checks the firmware image file, asks whether
// a newer headset firmware or ROM version exists, runs the normal update when one does,
// and tells the pages through the root object's "bOemFinished" once nothing is left to
// do. Lives on the user-interface thread; every step is a child process of its own
// whose end arrives as a slot call, so nothing here waits.
class OEMProcess : public QObject {
    Q_OBJECT

public:
    explicit OEMProcess(QObject *root, QObject *parent = nullptr);
    ~OEMProcess() override;

    int retryCount() const { return m_retryCount; }

signals:
    // Asked before each update; the connected receiver answers (false without one).
    bool isNeedReboot();
    void RebootHmd();
    // Relayed from the receiver that restarts the headset: connect its signal to this one.
    void RebootHmdFinished();
    void isFinished(bool finished);

public slots:
    void onStartOEMProcess();
    void onProcError(QProcess::ProcessError error);
    void onProcFinished(int exitCode, QProcess::ExitStatus exitStatus);
    void onCheckError(QProcess::ProcessError error);
    void onCheckFinished(int exitCode, QProcess::ExitStatus exitStatus);
    void onCheckMD5Error(QProcess::ProcessError error);
    void onCheckMD5Finished(int exitCode, QProcess::ExitStatus exitStatus);
    void onCheckROMVersionError(QProcess::ProcessError error);
    void onCheckROMVersionFinished(int exitCode, QProcess::ExitStatus exitStatus);
    void onCheckProc();
    void onCheckMD5Proc();
    void onCheckROMVersionProc();
    bool onGetOemCheckFinished();
    bool onGetMD5Checked();
    bool onGetROMVersionChecked();
    // Runs onStartOEMProcess again and counts the retry.
    void Retry();

private:
    using FinishedSlot = void (OEMProcess::*)(int, QProcess::ExitStatus);
    using ErrorSlot = void (OEMProcess::*)(QProcess::ProcessError);

    void startKit(
        const FirmwareKitLocation &kit, const QStringList &arguments, FinishedSlot onFinished, ErrorSlot onError);
    // Sets the no-update flag and the root's "bOemFinished".
    void finishOem();
    void recordImageCheck(const QString &result);

    QObject *const m_root;
    bool m_bNoNeedUpdate = false;
    bool m_bCheckFinished = false;
    bool m_bCheckROMVersionFinished = false;
    bool m_bCheckMD5Finished = false;
    int m_retryCount = 0;
};
