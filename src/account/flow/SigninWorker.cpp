#include "account/flow/SigninWorker.h"

#include "account/flow/SigninManager.h"

SigninWorker::SigninWorker(SigninManager &manager)
    : m_manager(manager)
{
}

void SigninWorker::onInstallAccount()
{
    m_manager.installAccountImpl();
}
