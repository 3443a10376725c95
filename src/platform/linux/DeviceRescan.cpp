#include "platform/DeviceRescan.h"

#include "platform/Machine.h"

#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <cerrno>
#include <unistd.h>

namespace platform {

namespace {

// udevadm only queues the events; it returns within moments.
constexpr int TriggerLimitMs = 5000;

RescanResult record()
{
    QFile log(Machine::root() + QStringLiteral("/rescans.log"));
    if (!log.open(QIODevice::WriteOnly | QIODevice::Append))
        return { RescanResult::Failed, EIO };
    const QByteArray line = QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toUtf8() + " rescan\n";
    return log.write(line) == line.size() ? RescanResult { RescanResult::Done, 0 }
                                          : RescanResult { RescanResult::Failed, EIO };
}

} // namespace

RescanResult rescanDevices()
{
    if (Machine::isSandbox())
        return record();
    // udev is what enumerates the devices and binds their drivers on Linux.
    const QString udevadm = QStandardPaths::findExecutable(QStringLiteral("udevadm"),
        { QStringLiteral("/usr/bin"), QStringLiteral("/bin"), QStringLiteral("/usr/sbin"), QStringLiteral("/sbin") });
    if (udevadm.isEmpty())
        return { RescanResult::NoDeviceTree, ENOENT };
    if (::geteuid() != 0)
        return { RescanResult::Failed, EPERM };
    QProcess trigger;
    trigger.start(udevadm,
        { QStringLiteral("trigger"), QStringLiteral("--action=add"), QStringLiteral("--subsystem-match=usb"),
            QStringLiteral("--subsystem-match=hidraw") });
    if (!trigger.waitForFinished(TriggerLimitMs)) {
        const bool ran = trigger.state() != QProcess::NotRunning;
        trigger.kill();
        trigger.waitForFinished(TriggerLimitMs);
        return { RescanResult::Failed, ran ? ETIMEDOUT : ENOEXEC };
    }
    if (trigger.exitStatus() != QProcess::NormalExit)
        return { RescanResult::Failed, EINTR };
    return trigger.exitCode() == 0 ? RescanResult { RescanResult::Done, 0 }
                                   : RescanResult { RescanResult::Failed, trigger.exitCode() };
}

} // namespace platform
