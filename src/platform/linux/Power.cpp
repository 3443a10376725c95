#include "platform/Power.h"

#include "platform/Machine.h"

#include <QDateTime>
#include <QFile>
#include <QProcess>

namespace platform {

bool Power::restart()
{
    if (Machine::isSandbox()) {
        QFile record(Machine::root() + QStringLiteral("/restarts.log"));
        if (!record.open(QIODevice::WriteOnly | QIODevice::Append))
            return false;
        return record.write(QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toUtf8() + " restart\n") > 0;
    }
    return QProcess::startDetached(QStringLiteral("systemctl"), { QStringLiteral("reboot") });
}

} // namespace platform
