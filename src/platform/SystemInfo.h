#pragma once

#include <QString>

namespace platform {

// Facts about the PC. A sandbox machine's profile overrides each of them.
class SystemInfo {
public:
    enum class Architecture { X86, X64, Unknown };

    static QString cpuBrand();
    static QString osName();
    // The operating system's version text, as Windows reports its product version
    // ("10.0.19045"): the profile's "windowsVersion", else the host's own version.
    static QString osVersion();
    // The maker of the operating system: the profile's "osManufacturer", else
    // os-release's VENDOR_NAME, else its NAME.
    static QString osManufacturer();
    // The PC's product UUID in upper case ("4C4C4544-0047-3010-8052-B4C04F4B4E32"):
    // the profile's "productUuid", else the firmware's DMI product UUID (readable by
    // root only), else the machine id laid out as a UUID; empty when none is readable.
    static QString productUuid();
    // The user's locale as language and territory ("zh_CN", "en_US"): the profile's
    // "locale", else the system's.
    static QString localeName();
    static bool is64Bit();
    // The processor architecture of the operating system itself, whatever this program
    // was built for: the profile's "nativeArchitecture" ("x86", "x64"), else the kernel's
    // machine name.
    static Architecture nativeArchitecture();
    static bool isAdministrator();

    // Pure parsers, exposed for tests.
    static QString cpuBrandFromCpuInfo(const QByteArray &procCpuInfo);
    static QString prettyNameFromOsRelease(const QByteArray &osRelease);
    // The unquoted value of one os-release field, empty when it is missing.
    static QString osReleaseValue(const QByteArray &osRelease, const QByteArray &field);
    // "x64", "x86_64" and "amd64" give X64; "x86" and "i386" to "i686" give X86, ignoring
    // case; anything else (arm64 among them) is Unknown.
    static Architecture architectureFromName(const QString &name);
    // A 32-digit machine id ("/etc/machine-id") as an upper-case UUID, or empty.
    static QString uuidFromMachineId(const QByteArray &machineId);
};

} // namespace platform
