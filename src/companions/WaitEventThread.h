#pragma once

#include <QString>
#include <QThread>

// Waits, on a thread of its own, for the store app to announce through a machine-wide
// event that it has started, and then tells the wizard it may close. The wait has no
// time limit but ends as soon as the thread is asked to stop, so the program can
// always close.
class WaitEventThread : public QThread {
    Q_OBJECT

public:
    static const QString EventName;

    explicit WaitEventThread(QObject *parent = nullptr);
    // Stops the wait and waits for the thread, which ends within one wait slice.
    ~WaitEventThread() override;

    // Reports whether the event is already set, without waiting and without resetting it.
    static void clearEvent();

signals:
    void prepareToQuit(const QString &strReason);

protected:
    void run() override;
};
