#include "platform/SessionBus.h"

namespace platform {

QString sessionBusAddressFor(const SessionBusFacts &facts)
{
    const bool forDesktopUser = facts.asRoot && !facts.sandbox && facts.desktopUid != 0;
    if (!forDesktopUser && !facts.environmentAddress.isEmpty())
        return facts.environmentAddress;
    const uint uid = facts.desktopUid != 0 ? facts.desktopUid : facts.ownUid;
    return QStringLiteral("unix:path=/run/user/%1/bus").arg(uid);
}

} // namespace platform
