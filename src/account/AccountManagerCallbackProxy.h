#pragma once

#include <QObject>
#include <QStringList>
#include <QVariantMap>

// The object that the account manager calls back once the user is done with its sign-in
// (interface com.kelt.Identity.AccountManagerCallback, through its adaptor). It is
// exported on the connection that asked for the account and lives on that connection's
// thread, where the call is delivered.
class AccountManagerCallbackProxy : public QObject {
    Q_OBJECT

public:
    explicit AccountManagerCallbackProxy(QObject *parent = nullptr);

    // The D-Bus method: code 0 when the user signed in; result then holds "scopes" (the
    // granted scopes) and "authToken".
    void Result(int code, const QVariantMap &result);

    // -1 until the call came.
    int code() const { return m_code; }
    QString accessToken() const { return m_accessToken; }
    QStringList scopes() const { return m_scopes; }

signals:
    // After the answer is stored.
    void arrived(int code);

private:
    int m_code = -1;
    QString m_accessToken;
    QStringList m_scopes;
};
