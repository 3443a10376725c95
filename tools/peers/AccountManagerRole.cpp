#include "AccountManagerAdaptor.h"
#include "AccountManagerCallbackInterface.h"
#include "AccountService.h"
#include "Roles.h"
#include "Scenario.h"

#include "platform/Machine.h"

#include <QCoreApplication>
#include <QDBusMetaType>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

#include <cstdio>

namespace {

const QString Service = QStringLiteral("com.kelt.Identity");
const QString ManagerPath = QStringLiteral("/com/kelt/Identity/AccountManager");
constexpr int NotServing = 1;
constexpr int UnknownAnswer = 2;

// The scenario's "answer", with its user and token; none for an unknown answer.
std::optional<AccountService::Answer> answerOf(const Scenario &scenario)
{
    const QString answer = scenario.stringValue(QStringLiteral("answer"), QStringLiteral("success"));
    const QString userId = scenario.stringValue(QStringLiteral("userId"), QStringLiteral("kelt-user-0001"));
    const QVariantMap signedIn { { QStringLiteral("scopes"),
                                     QStringList { QStringLiteral("birthday"), QStringLiteral("email") } },
        { QStringLiteral("authToken"),
            scenario.stringValue(QStringLiteral("token"), QStringLiteral("kelt-token-0001")) } };
    const QPair<QString, QString> user { userId, QStringLiteral("User") };
    if (answer == QLatin1String("success"))
        return AccountService::Answer { 0, signedIn, { user } };
    if (answer == QLatin1String("cancel"))
        return AccountService::Answer { 1, {}, {} };
    if (answer == QLatin1String("several"))
        return AccountService::Answer { 0, signedIn,
            { { QString(), QStringLiteral("Nobody") }, user, { QStringLiteral("other"), QStringLiteral("Other") } } };
    if (answer == QLatin1String("never"))
        return AccountService::Answer { std::nullopt, {}, {} };
    return std::nullopt;
}

} // namespace

AccountService::AccountService(Answer answer, int delayMs, const QString &recordPath)
    : m_answer(std::move(answer))
    , m_delayMs(delayMs)
    , m_recordPath(recordPath)
{
    new AccountManagerAdaptor(this);
}

void AccountService::AddAccount(const QString &accountType, const QString &tokenType,
    const QMap<QString, QString> &options, const QStringList &scopes, const QDBusObjectPath &callback)
{
    record(accountType, tokenType, options, scopes);
    if (!m_answer.code)
        return;
    // The callback object lies on the caller's own connection.
    QTimer::singleShot(
        m_delayMs, this, [this, bus = connection(), caller = message().service(), path = callback.path()] {
            AccountManagerCallbackInterface(caller, path, bus).Result(*m_answer.code, m_answer.result);
        });
}

AccountList AccountService::GetAccounts(const QString &)
{
    return m_answer.accounts;
}

void AccountService::record(const QString &accountType, const QString &tokenType, const QMap<QString, QString> &options,
    const QStringList &scopes)
{
    if (m_recordPath.isEmpty())
        return;
    QJsonObject bundle;
    for (auto it = options.cbegin(); it != options.cend(); ++it)
        bundle.insert(it.key(), it.value());
    const QJsonObject line { { QStringLiteral("accountType"), accountType }, { QStringLiteral("tokenType"), tokenType },
        { QStringLiteral("options"), bundle }, { QStringLiteral("scopes"), QJsonArray::fromStringList(scopes) } };
    QFile file(m_recordPath);
    if (file.open(QIODevice::WriteOnly | QIODevice::Append))
        file.write(QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n');
}

int runAccountManager(const QStringList &, const Scenario &scenario)
{
    const std::optional<AccountService::Answer> answer = answerOf(scenario);
    if (!answer) {
        std::fprintf(
            stderr, "peer: unknown answer %s\n", qUtf8Printable(scenario.stringValue(QStringLiteral("answer"))));
        return UnknownAnswer;
    }
    // The list marshals its records through their own type.
    qDBusRegisterMetaType<QPair<QString, QString>>();
    qDBusRegisterMetaType<AccountList>();
    // The adaptor's GetAccounts names its result by the alias, which the bus looks up.
    qRegisterMetaType<AccountList>("AccountList");
    qDBusRegisterMetaType<QMap<QString, QString>>();
    const QString root = platform::Machine::root();
    AccountService service(*answer, scenario.intValue(QStringLiteral("delayMs"), 200),
        root.isEmpty() ? QString() : root + QStringLiteral("/account-requests.log"));
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(ManagerPath, &service) || !bus.registerService(Service)) {
        std::fprintf(stderr, "peer: cannot serve %s on the session bus: %s\n", qUtf8Printable(Service),
            qUtf8Printable(bus.lastError().message()));
        return NotServing;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    // A service runs until it is stopped, unless the scenario gives it an end.
    if (scenario.settings().contains(QStringLiteral("runMs")))
        QTimer::singleShot(scenario.intValue(QStringLiteral("runMs"), 0), qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
    return scenario.intValue(QStringLiteral("exitCode"), 0);
}
