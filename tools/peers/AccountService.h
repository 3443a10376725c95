#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusObjectPath>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPair>
#include <QStringList>
#include <QVariantMap>

#include <optional>

// (account id, display name), as GetAccounts lists them: "a(ss)".
using AccountList = QList<QPair<QString, QString>>;

// The account manager's object (com.kelt.Identity.AccountManager, through its adaptor)
// as a scenario plays it: each AddAccount is recorded, then answered on the caller's
// callback object after a delay, or never.
class AccountService : public QObject, protected QDBusContext {
    Q_OBJECT

public:
    // What the user does with the sign-in, and what is listed afterwards.
    struct Answer {
        std::optional<int> code; // the callback's code; none: the callback never comes
        QVariantMap result;
        AccountList accounts;
    };

    // recordPath: the file that gets a line per request; empty for none.
    AccountService(Answer answer, int delayMs, const QString &recordPath);

    // The D-Bus methods.
    void AddAccount(const QString &accountType, const QString &tokenType, const QMap<QString, QString> &options,
        const QStringList &scopes, const QDBusObjectPath &callback);
    AccountList GetAccounts(const QString &accountType);

private:
    void record(const QString &accountType, const QString &tokenType, const QMap<QString, QString> &options,
        const QStringList &scopes);

    Answer m_answer;
    int m_delayMs;
    QString m_recordPath;
};
