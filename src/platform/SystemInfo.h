#pragma once

#include <QString>

namespace platform {

// Facts about the PC. A sandbox machine's profile overrides each of them.
class SystemInfo
{
public:
    static QString cpuBrand();
    static QString osName();
    static bool is64Bit();
    static bool isAdministrator();

    // Pure parsers, exposed for tests.
    static QString cpuBrandFromCpuInfo(const QByteArray &procCpuInfo);
    static QString prettyNameFromOsRelease(const QByteArray &osRelease);
};

} // namespace platform
