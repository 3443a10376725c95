#include "platform/SystemInfo.h"

#include "platform/Machine.h"

#include <QFile>
#include <QJsonObject>
#include <QLocale>
#include <QRegularExpression>
#include <QSysInfo>

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#endif
#include <algorithm>
#include <cctype>
#include <cstring>
#include <sys/utsname.h>
#include <unistd.h>

namespace platform {

namespace {

QByteArray readHardwareFile(const QString &path)
{
    QFile file(Machine::hardwareRoot() + path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The processor's own brand string, as Windows stores it in ProcessorNameString.
QString cpuidBrand()
{
#if defined(__x86_64__) || defined(__i386__)
    unsigned int regs[4];
    if (__get_cpuid(0x80000000, &regs[0], &regs[1], &regs[2], &regs[3]) == 0 || regs[0] < 0x80000004)
        return {};
    char brand[49] = {};
    for (unsigned int leaf = 0; leaf < 3; ++leaf) {
        __get_cpuid(0x80000002 + leaf, &regs[0], &regs[1], &regs[2], &regs[3]);
        std::memcpy(brand + leaf * 16, regs, sizeof(regs));
    }
    return QString::fromLatin1(brand).simplified();
#else
    return {};
#endif
}

// os-release from its usual place or its fallback.
QByteArray readOsRelease()
{
    const QByteArray etc = readHardwareFile(QStringLiteral("/etc/os-release"));
    return etc.isEmpty() ? readHardwareFile(QStringLiteral("/usr/lib/os-release")) : etc;
}

} // namespace

QString SystemInfo::cpuBrandFromCpuInfo(const QByteArray &procCpuInfo)
{
    for (const QByteArray &line : procCpuInfo.split('\n')) {
        const int colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed() == "model name")
            return QString::fromUtf8(line.mid(colon + 1)).simplified();
    }
    return {};
}

QString SystemInfo::osReleaseValue(const QByteArray &osRelease, const QByteArray &field)
{
    const QByteArray prefix = field + '=';
    for (const QByteArray &line : osRelease.split('\n')) {
        if (!line.startsWith(prefix))
            continue;
        QByteArray value = line.mid(prefix.size()).trimmed();
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
            value = value.mid(1, value.size() - 2);
        return QString::fromUtf8(value.replace("\\\"", "\"").replace("\\\\", "\\"));
    }
    return {};
}

QString SystemInfo::prettyNameFromOsRelease(const QByteArray &osRelease)
{
    return osReleaseValue(osRelease, "PRETTY_NAME");
}

QString SystemInfo::uuidFromMachineId(const QByteArray &machineId)
{
    const QByteArray id = machineId.trimmed().toUpper();
    if (id.size() != 32 || !std::all_of(id.begin(), id.end(), [](char c) { return std::isxdigit(uchar(c)); }))
        return {};
    return QString::fromLatin1(
        id.left(8) + '-' + id.mid(8, 4) + '-' + id.mid(12, 4) + '-' + id.mid(16, 4) + '-' + id.mid(20));
}

QString SystemInfo::cpuBrand()
{
    const QJsonValue profiled = Machine::profile().value(QLatin1String("cpu"));
    if (profiled.isString())
        return profiled.toString();
    if (!Machine::isSandbox()) {
        const QString brand = cpuidBrand();
        if (!brand.isEmpty())
            return brand;
    }
    return cpuBrandFromCpuInfo(readHardwareFile(QStringLiteral("/proc/cpuinfo")));
}

QString SystemInfo::osName()
{
    const QJsonValue profiled = Machine::profile().value(QLatin1String("os"));
    if (profiled.isString())
        return profiled.toString();
    const QString name = prettyNameFromOsRelease(readOsRelease());
    if (!name.isEmpty())
        return name;
    return Machine::isSandbox() ? QString() : QSysInfo::prettyProductName();
}

QString SystemInfo::osManufacturer()
{
    const QJsonValue profiled = Machine::profile().value(QLatin1String("osManufacturer"));
    if (profiled.isString())
        return profiled.toString();
    const QByteArray osRelease = readOsRelease();
    const QString vendor = osReleaseValue(osRelease, "VENDOR_NAME");
    return vendor.isEmpty() ? osReleaseValue(osRelease, "NAME") : vendor;
}

QString SystemInfo::productUuid()
{
    const QJsonValue profiled = Machine::profile().value(QLatin1String("productUuid"));
    if (profiled.isString())
        return profiled.toString();
    const QString dmi
        = QString::fromLatin1(readHardwareFile(QStringLiteral("/sys/class/dmi/id/product_uuid"))).trimmed().toUpper();
    if (!dmi.isEmpty())
        return dmi;
    return uuidFromMachineId(readHardwareFile(QStringLiteral("/etc/machine-id")));
}

QString SystemInfo::osVersion()
{
    const QJsonValue profiled = Machine::profile().value(QLatin1String("windowsVersion"));
    return profiled.isString() ? profiled.toString() : QSysInfo::productVersion();
}

QString SystemInfo::localeName()
{
    const QJsonValue profiled = Machine::profile().value(QLatin1String("locale"));
    return profiled.isString() ? profiled.toString() : QLocale::system().name();
}

bool SystemInfo::is64Bit()
{
    const QJsonValue profiled = Machine::profile().value(QLatin1String("os64bit"));
    if (profiled.isBool())
        return profiled.toBool();
    return QSysInfo::currentCpuArchitecture().contains(QLatin1String("64"));
}

SystemInfo::Architecture SystemInfo::architectureFromName(const QString &name)
{
    static const QRegularExpression x86(QStringLiteral("^(x86|i[3-6]86)$"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression x64(
        QStringLiteral("^(x64|x86_64|amd64)$"), QRegularExpression::CaseInsensitiveOption);
    if (x64.match(name).hasMatch())
        return Architecture::X64;
    return x86.match(name).hasMatch() ? Architecture::X86 : Architecture::Unknown;
}

SystemInfo::Architecture SystemInfo::nativeArchitecture()
{
    const QJsonValue profiled = Machine::profile().value(QLatin1String("nativeArchitecture"));
    if (profiled.isString())
        return architectureFromName(profiled.toString());
    // The kernel's name, not the build's: a 32-bit program on a 64-bit system gets x86_64.
    struct utsname host;
    return ::uname(&host) == 0 ? architectureFromName(QString::fromLatin1(host.machine)) : Architecture::Unknown;
}

bool SystemInfo::isAdministrator()
{
    const QJsonValue profiled = Machine::profile().value(QLatin1String("administrator"));
    if (profiled.isBool())
        return profiled.toBool();
    return ::geteuid() == 0;
}

} // namespace platform
