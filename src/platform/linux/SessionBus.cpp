#include "platform/SessionBus.h"

#include "DesktopUser.h"
#include "platform/Machine.h"

#include <unistd.h>

namespace platform {

QString sessionBusAddress()
{
    SessionBusFacts facts;
    facts.ownUid = ::geteuid();
    facts.asRoot = facts.ownUid == 0;
    facts.sandbox = Machine::isSandbox();
    facts.environmentAddress = qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS");
    DesktopUser user;
    if (findDesktopUser(&user))
        facts.desktopUid = user.uid;
    return sessionBusAddressFor(facts);
}

} // namespace platform
