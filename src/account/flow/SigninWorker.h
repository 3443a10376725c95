#pragma once

#include <QObject>

class SigninManager;

// The sign-in manager's hands on its worker thread.
class SigninWorker : public QObject {
    Q_OBJECT

public:
    explicit SigninWorker(SigninManager &manager);

public slots:
    void onInstallAccount();

private:
    SigninManager &m_manager;
};
