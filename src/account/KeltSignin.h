#pragma once

#include <QString>
#include <QThread>

#include <atomic>
#include <mutex>

class AccountManagerCallbackProxy;
class AccountManagerInterface;
class QDBusConnection;

// Signs the user in to the maker's account through the account manager on the desktop
// user's session bus: asks it to add an account (it shows its own sign-in), waits for
// the answer on a callback object of its own, then reads the accounts back and records
// the signed-in user's id for the other applications. One sign-in per thread start.
class KeltSignin : public QThread {
    Q_OBJECT

public:
    explicit KeltSignin(QObject *parent = nullptr);
    // Stops a waiting sign-in and joins it, within a bound. The sign-in's calls have
    // limits of their own that keep it inside that bound; past it, a warning.
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

private:
    // The sign-in on the thread's own connection. The account manager's interface and
    // the callback object live on the sign-in's stack: made, used and dropped there.
    void signIn(QDBusConnection &bus);
    // Asks for the account, again whenever addAgain() says so, until the answer came or
    // the wait was stopped. False when a call failed.
    bool addAccount(AccountManagerInterface &manager, AccountManagerCallbackProxy &callback);
    // Records the first listed account with an id.
    void checkAccounts(AccountManagerInterface &manager);

    // Set from other threads while the sign-in waits.
    std::atomic<bool> m_callbackArrived { false };
    std::atomic<int> m_resultCode { -1 };
    std::atomic<bool> m_keepWaiting { false };
    std::atomic<bool> m_addAgain { false };

    // The signed-in account (id and display name): written by run(), read once it
    // ended. The lock orders the two (and the end of the run before the destructor's
    // end) for a thread sanitizer, which cannot see QThread::wait() through the
    // uninstrumented Qt.
    mutable std::mutex m_accountMutex;
    QString m_accountId;
    QString m_accountName;
};
