#include "platform/Power.h"

#include "platform/Machine.h"

#include <QDateTime>
#include <QFile>
#include <QProcess>

namespace platform {

bool Power::restart(int delaySeconds)
{
    if (Machine::isSandbox()) {
        QFile record(Machine::root() + QStringLiteral("/restarts.log"));
        if (!record.open(QIODevice::WriteOnly | QIODevice::Append))
            return false;
        QByteArray line = QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toUtf8() + " restart";
        if (delaySeconds > 0)
            line += " after " + QByteArray::number(delaySeconds) + " s";
        return record.write(line + '\n') > 0;
    }
    if (delaySeconds <= 0)
        return QProcess::startDetached(QStringLiteral("systemctl"), { QStringLiteral("reboot") });
    // A transient timer of the service manager: the reboot comes after this process is gone.
    return QProcess::startDetached(QStringLiteral("systemd-run"),
        { QStringLiteral("--on-active=%1s").arg(delaySeconds), QStringLiteral("systemctl"), QStringLiteral("reboot") });
}

} // namespace platform
