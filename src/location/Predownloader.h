#pragma once

#include "core/WorkerThread.h"

#include <QObject>
#include <QString>

class QProcess;

// Starts the updater in pre-download mode once the updater has been found usable, so
// that packages and configuration files arrive while the user reads the first pages,
// and announces the end of each pre-download, whatever its outcome, with
// downloadFinished(). Lives on the user-interface thread; the runs are set up on a
// worker thread of their own.
class Predownloader : public QObject {
    Q_OBJECT

public:
    // The pipe on which the updater reports a pre-download.
    static const QString PipeName;

    // programFolder: the folder the program was installed in; the updater is in its
    // "Updater" folder.
    explicit Predownloader(const QString &programFolder, QObject *parent = nullptr);
    ~Predownloader() override;

signals:
    // Starts one pre-download.
    void predownload();
    // Asks the launcher to start proc as the pre-downloading updater; emitted on the
    // worker thread, so a direct connection starts the updater there.
    void updaterPredownload(QProcess *proc, const QString &updaterDirPath, const QString &pipeName);
    void downloadFinished();

public slots:
    void onPredownloadError();
    void onPredownloadFinished();

private:
    WorkerThread m_workerThread { "[Predownloader]" };
};
