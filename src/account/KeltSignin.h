#pragma once

#include <QString>
#include <QThread>

// Signs the user in to the maker's account through the account manager on the desktop
// user's session bus: asks it to add an account (it shows its own sign-in), waits for
// the answer on a callback object of its own, then reads the accounts back and records
// the signed-in user's id for the other applications. One sign-in per thread start.
class KeltSignin : public QThread {
    Q_OBJECT

public:
    explicit KeltSignin(QObject *parent = nullptr);
    // Stops a waiting sign-in and joins it, within a bound.
    ~KeltSignin() override;

    // Whether the account manager answers on the bus.
    bool checkComExist();
    // Asks the running sign-in to show the account manager's sign-in again.
    void addAgain();
    // Ends the wait for the account manager's answer, as the program quits; the run
    // then ends soon after.
    void stopWaiting();
    // The signed-in account's id, once the thread has finished; empty when nobody
    // signed in.
    QString userId() const;

protected:
    void run() override;
};
