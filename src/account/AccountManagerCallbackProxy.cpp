#include "account/AccountManagerCallbackProxy.h"

#include "AccountManagerCallbackAdaptor.h"

AccountManagerCallbackProxy::AccountManagerCallbackProxy(QObject *parent)
    : QObject(parent)
{
    new AccountManagerCallbackAdaptor(this);
}

void AccountManagerCallbackProxy::Result(int code, const QVariantMap &result)
{
    qDebug("[AccountManagerCallbackProxy]callback : %d", code);
    m_code = code;
    if (code == 0) {
        for (auto it = result.cbegin(); it != result.cend(); ++it) {
            if (it.key() == QLatin1String("scopes")) {
                m_scopes = it.value().toStringList();
            } else if (it.key() == QLatin1String("authToken")) {
                m_accessToken = it.value().toString();
                qDebug("[AccountManagerCallbackProxy] token: %s", qUtf8Printable(m_accessToken));
            }
        }
    }
    emit arrived(code);
}
