#pragma once

#include <QObject>

class NovaCheckLib;

// Runs the slow part of the PC check on the check thread: collecting the PC's facts
// and comparing them with the compatibility list.
class CheckPCWorker : public QObject {
    Q_OBJECT

public:
    // The list is downloaded into programFolder/comp/comp.json; the copy installed
    // with the program is the fallback.
    CheckPCWorker(NovaCheckLib &checkLib, const QString &programFolder);
    // Goes on the check thread as the thread ends, and takes the list's download with it.
    ~CheckPCWorker() override;

public slots:
    void checkPC();

private:
    NovaCheckLib &m_checkLib;
    QString m_programFolder;
};
