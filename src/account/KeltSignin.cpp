#include "account/KeltSignin.h"

#include "AccountManagerInterface.h"
#include "account/AccountManagerCallbackProxy.h"
#include "core/Utils.h"
#include "platform/SessionBus.h"

#include <QDBusConnection>
#include <QDBusMetaType>
#include <QDBusPendingReply>
#include <QEventLoop>
#include <QTimer>
#include <QXmlStreamReader>

namespace {

const QString Service = QStringLiteral("com.kelt.Identity");
const QString ManagerPath = QStringLiteral("/com/kelt/Identity/AccountManager");
// Where our callback object lies on our own connection.
const QString CallbackPath = QStringLiteral("/com/kelt/Nova/Setup/AccountCallback");

const QString AccountType = QStringLiteral("com.kelt.account");
const QString TokenType = QStringLiteral("default");
// The wizard's client id with the maker's account service.
const QString ClientId = QStringLiteral("d02850bb-630e-45bb-86b9-75e26981602b");
const QString CurrentUserId = QStringLiteral("CurrentUserId");

// The account manager answers its calls at once (the sign-in's answer comes later, on
// the callback). Short enough that a stopped sign-in ends within StopLimitMs even when
// the manager hangs: the wait's slice and two calls.
constexpr int CallTimeoutMs = 2000;
// The probe may start the manager first.
constexpr int ProbeTimeoutMs = 10000;
constexpr int WaitSliceMs = 500;
constexpr unsigned long StopLimitMs = 5000;

// A connection name of one thread's own: connections are shared by name.
QString newConnectionName()
{
    static std::atomic<int> count { 0 };
    return QStringLiteral("KeltSignin-%1").arg(++count);
}

// Waits for the call (within the interface's timeout); false, logged, when it failed.
bool succeeded(QDBusPendingCall call, const char *method)
{
    call.waitForFinished();
    if (!call.isError())
        return true;
    qWarning("[KeltSignin] ERROR: %s failed: %s: %s", method, qUtf8Printable(call.error().name()),
        qUtf8Printable(call.error().message()));
    return false;
}

bool describesInterface(const QString &introspection, const QString &interface)
{
    QXmlStreamReader reader(introspection);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == QLatin1String("interface")
            && reader.attributes().value(QLatin1String("name")) == interface)
            return true;
    }
    return false;
}

// Why the account manager does not answer on bus; empty when it does. Asking for its
// object's description starts the service when the bus can activate it.
QString whyNoAccountManager(const QDBusConnection &bus)
{
    if (!bus.isConnected())
        return bus.lastError().message();
    const QDBusMessage reply
        = bus.call(QDBusMessage::createMethodCall(Service, ManagerPath,
                       QStringLiteral("org.freedesktop.DBus.Introspectable"), QStringLiteral("Introspect")),
            QDBus::Block, ProbeTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage)
        return reply.errorName() + QStringLiteral(": ") + reply.errorMessage();
    const QString interface = QString::fromLatin1(AccountManagerInterface::staticInterfaceName());
    if (!describesInterface(reply.arguments().value(0).toString(), interface))
        return ManagerPath + QStringLiteral(" has no interface ") + interface;
    return QString();
}

} // namespace

KeltSignin::KeltSignin(QObject *parent)
    : QThread(parent)
{
    static const bool registered = [] {
        // The list marshals its records through their own type.
        qDBusRegisterMetaType<QPair<QString, QString>>();
        qDBusRegisterMetaType<AccountList>();
        qDBusRegisterMetaType<QMap<QString, QString>>();
        return true;
    }();
    Q_UNUSED(registered)
}

KeltSignin::~KeltSignin()
{
    stopWaiting();
    // Also ends a wait that begins only now, as the thread was just started.
    requestInterruption();
    if (!wait(StopLimitMs)) {
        qWarning("[KeltSignin] WARNING: The sign-in thread did not stop within %lu ms", StopLimitMs);
        return;
    }
    const std::lock_guard lock(m_accountMutex);
}

bool KeltSignin::checkComExist()
{
    const QString connectionName = newConnectionName();
    const platform::SessionBusLink link;
    QString failure;
    {
        const QDBusConnection bus = QDBusConnection::connectToBus(link.address(), connectionName);
        failure = whyNoAccountManager(bus);
    }
    QDBusConnection::disconnectFromBus(connectionName);
    const bool exists = failure.isEmpty();
    if (!exists) {
        qWarning("[KeltSignin] ERROR: No account manager on the session bus: %s", qUtf8Printable(failure));
        qWarning("[KeltSignin]checkComExist() Init KELT Account error");
    }
    qDebug("[KeltSignin] checkComExist : %d", int(exists));
    return exists;
}

void KeltSignin::addAgain()
{
    qDebug("[KeltSignin] Ask the while loop to add Account again");
    m_addAgain = true;
}

void KeltSignin::stopWaiting()
{
    m_keepWaiting = false;
}

QString KeltSignin::userId() const
{
    const std::lock_guard lock(m_accountMutex);
    return m_accountId;
}

void KeltSignin::run()
{
    {
        const std::lock_guard lock(m_accountMutex);
        m_accountId.clear();
        m_accountName.clear();
    }
    const QString connectionName = newConnectionName();
    const platform::SessionBusLink link;
    {
        QDBusConnection bus = QDBusConnection::connectToBus(link.address(), connectionName);
        signIn(bus);
    }
    QDBusConnection::disconnectFromBus(connectionName);
}

void KeltSignin::signIn(QDBusConnection &bus)
{
    if (!bus.isConnected())
        qWarning(
            "[KeltSignin] ERROR: Cannot connect to the session bus: %s", qUtf8Printable(bus.lastError().message()));
    AccountManagerCallbackProxy callback;
    if (!bus.isConnected() || !bus.registerObject(CallbackPath, &callback)) {
        qWarning("[KeltSignin] Failed to create callback for Account Manager, abort.");
        return;
    }
    AccountManagerInterface manager(Service, ManagerPath, bus);
    manager.setTimeout(CallTimeoutMs);
    if (addAccount(manager, callback))
        checkAccounts(manager);
    bus.unregisterObject(CallbackPath);
}

bool KeltSignin::addAccount(AccountManagerInterface &manager, AccountManagerCallbackProxy &callback)
{
    qDebug("[KeltSignin]:: addAccount ::");
    m_resultCode = -1;
    m_callbackArrived = false;
    m_keepWaiting = true;
    m_addAgain = true;

    // This thread runs no event loop of its own: the wait runs its events in slices, so
    // that the account manager's call reaches the callback object here, and ends a slice
    // early when it came.
    QEventLoop slice;
    QTimer sliceEnd;
    sliceEnd.setSingleShot(true);
    connect(&sliceEnd, &QTimer::timeout, &slice, &QEventLoop::quit);
    connect(&callback, &AccountManagerCallbackProxy::arrived, &slice, [this, &slice](int code) {
        m_resultCode = code;
        m_callbackArrived = true;
        slice.quit();
    });
    const QMap<QString, QString> options { { QStringLiteral("clientId"), ClientId },
        { QStringLiteral("scope"), QStringLiteral("email birthday") }, { QStringLiteral("noUI"), QString() } };
    const QStringList scopes { QStringLiteral("birthday"), QStringLiteral("email") };
    for (;;) {
        // Taken before the call, so that a request made during it is not lost.
        if (m_addAgain.exchange(false)) {
            qDebug("[KeltSignin] Ask Account Manager to add account");
            if (!succeeded(manager.AddAccount(AccountType, TokenType, options, scopes, QDBusObjectPath(CallbackPath)),
                    "AddAccount"))
                return false;
            qDebug("[KeltSignin] Wait for Account Manager callback");
        }
        if (m_callbackArrived || !m_keepWaiting || isInterruptionRequested())
            break;
        sliceEnd.start(WaitSliceMs);
        slice.exec();
    }
    if (m_callbackArrived)
        qDebug("[KeltSignin] Account Manager answered: %d", m_resultCode.load());
    else
        qDebug("[KeltSignin] Stop waiting callback.");
    return true;
}

void KeltSignin::checkAccounts(AccountManagerInterface &manager)
{
    qDebug("[KeltSignin] :: checkAccounts :: Check whether we have added account successfully");
    qDebug("[KeltSignin] Get accounts from Account Manager");
    QDBusPendingReply<AccountList> reply = manager.GetAccounts(AccountType);
    if (!succeeded(reply, "GetAccounts"))
        return;
    const AccountList accounts = reply.value();
    for (int index = 0; index < accounts.size(); ++index) {
        qDebug("[KeltSignin] Getting element from accounts, index: %d", index);
        const auto &[id, name] = accounts.at(index);
        qDebug("[KeltSignin] Got element");
        if (id.isEmpty())
            continue;
        qDebug("[KeltSignin]mAccountID found");
        Utils::writeRegValue(Utils::RegUserSettings, CurrentUserId, id);
        const std::lock_guard lock(m_accountMutex);
        m_accountId = id;
        m_accountName = name;
        break;
    }
    qDebug("[KeltSignin] Done");
}
