#pragma once

#include <QObject>
#include <QString>

class Predownloader;

// Sets up one pre-download per request, on the pre-download thread: the updater's
// process, the pipe its report arrives on and the parser that reads the report. The
// pieces of a run live below this worker, so they go with it at the latest.
class PredownloaderWorker : public QObject {
    Q_OBJECT

public:
    PredownloaderWorker(Predownloader &predownloader, const QString &programFolder);

public slots:
    void run();

private:
    Predownloader &m_predownloader;
    const QString m_updaterDirPath;
};
