#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QProcess;

// The one place that knows the updater's command-line language. Managers create the
// process and its pipe, then emit a signal connected directly to one of these slots,
// which builds the arguments for the task and starts "Updater.exe" in the updater folder.
class UpdaterLauncher : public QObject {
    Q_OBJECT

public:
    explicit UpdaterLauncher(bool isCN, QObject *parent = nullptr);

    // The guide package of a product.
    static QString guidePackageId(const QString &productName);

    // Task arguments of each slot, before the common tail; exposed for tests.
    QStringList checkSizeArguments(bool shouldUseSASteamVR) const;
    QStringList predownloadArguments() const;
    QStringList installUpdaterArguments() const;
    QStringList installHidRomCUArguments() const;
    QStringList installGuideArguments() const;
    QStringList installNovaSwArguments() const;
    QStringList installStandaloneSteamVRArguments() const;

public slots:
    void checkSize(QProcess *proc, const QString &updaterDirPath, const QString &pipeName, bool shouldUseSASteamVR);
    void installAccount(QProcess *proc, const QString &updaterDirPath, const QString &pipeName);
    void predownload(QProcess *proc, const QString &updaterDirPath, const QString &pipeName);
    void installUpdater(QProcess *proc, const QString &updaterDirPath, const QString &pipeName);
    void installHidRomCU(QProcess *proc, const QString &updaterDirPath, const QString &pipeName);
    void installGuide(QProcess *proc, const QString &updaterDirPath, const QString &pipeName);
    void installNovaSw(QProcess *proc, const QString &updaterDirPath, const QString &pipeName);
    void installStandaloneSteamVR(QProcess *proc, const QString &updaterDirPath, const QString &pipeName);

private:
    // Appends the CN switch when CN mode is on.
    QStringList withLocation(QStringList arguments) const;
    // Adds the common tail and starts the updater.
    void start(QProcess *proc, const QString &updaterDirPath, const QString &pipeName, QStringList arguments) const;

    const bool m_isCN;
    const QString m_pid;
};
