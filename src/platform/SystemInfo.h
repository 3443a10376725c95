#pragma once

#include <QString>

namespace platform {

// Facts about the PC. A sandbox machine's profile overrides each of them.
class SystemInfo
{
public:
    static QString cpuBrand();
    static QString osName();
    // The operating system's version text, as Windows reports its product version
    // ("10.0.19045"): the profile's "windowsVersion", else the host's own version.
    static QString osVersion();
    static bool is64Bit();
    static bool isAdministrator();

    // Pure parsers, exposed for tests.
    static QString cpuBrandFromCpuInfo(const QByteArray &procCpuInfo);
    static QString prettyNameFromOsRelease(const QByteArray &osRelease);
};

} // namespace platform
