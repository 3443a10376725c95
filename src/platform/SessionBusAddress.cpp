#include "platform/SessionBus.h"

#include <QStringList>

namespace platform {

QString sessionBusAddressFor(const SessionBusFacts &facts)
{
    const bool forDesktopUser = facts.asRoot && !facts.sandbox && facts.desktopUid != 0;
    if (!forDesktopUser && !facts.environmentAddress.isEmpty())
        return facts.environmentAddress;
    const uint uid = facts.desktopUid != 0 ? facts.desktopUid : facts.ownUid;
    return QStringLiteral("unix:path=/run/user/%1/bus").arg(uid);
}

QByteArray busSocketPath(const QString &address)
{
    for (const QString &entry : address.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        if (!entry.startsWith(QLatin1String("unix:")))
            continue;
        for (const QString &pair : entry.mid(5).split(QLatin1Char(','))) {
            if (pair.startsWith(QLatin1String("path=")))
                return QByteArray::fromPercentEncoding(pair.mid(5).toUtf8());
        }
    }
    return QByteArray();
}

RelayedAuthLine relayedAuthLine(const QByteArray &line, uint ownerUid)
{
    RelayedAuthLine relayed;
    if (line.startsWith("AUTH EXTERNAL")) {
        relayed.toBus = "AUTH EXTERNAL " + QByteArray::number(ownerUid).toHex() + "\r\n";
    } else if (line == "NEGOTIATE_UNIX_FD") {
        relayed.toClient = "ERROR \"file descriptors cannot be relayed\"\r\n";
    } else {
        relayed.toBus = line + "\r\n";
        relayed.begins = line == "BEGIN";
    }
    return relayed;
}

} // namespace platform
