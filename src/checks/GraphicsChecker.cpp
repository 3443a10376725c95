#include "checks/GraphicsChecker.h"

#include "core/Utils.h"
#include "platform/Hardware.h"
#include "platform/HardwareParsers.h"

namespace {

// Status codes in the vendor interface's own numbering.
enum NvStatus { NvOk = 0, NvError = -1, NvLibraryNotFound = -2, NvApiNotInitialized = -4 };

const QString DriverVersionIni = QStringLiteral("gpu_driver_ver.ini");
const QString VersionKey = QStringLiteral("version");
// A monitor id that marks the headset's display besides the supported list.
const QString ExtraMonitorId = QStringLiteral("TSB8888");

bool isAmdVendor(quint16 vendorId)
{
    return vendorId == 0x1002 || vendorId == 0x1022;
}

QString joined(const GraphicsChecker::AmdVersion &version)
{
    return QStringLiteral("%1.%2.%3.%4").arg(version[0]).arg(version[1]).arg(version[2]).arg(version[3]);
}

} // namespace

GraphicsChecker::GraphicsChecker(QObject *parent)
    : QObject(parent)
{
    InitSupportedList();
    InitAMD();
    InitNVidia();
}

GraphicsChecker::AmdVersion GraphicsChecker::amdVersionFromText(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    AmdVersion version {};
    for (int i = 0; i < int(version.size()) && i < parts.size(); ++i)
        version[size_t(i)] = parts.at(i).toUShort();
    return version;
}

void GraphicsChecker::Init()
{
    if (m_nvAvailable || m_amdFound) {
        qDebug("[GraphicsChecker]Init() is already initial");
        return;
    }
    InitSupportedList();
    InitAMD();
    InitNVidia();
}

void GraphicsChecker::InitSupportedList()
{
    qDebug("[InitSupportedList] ");
    m_supportedList
        = QStringList { QStringLiteral("ZephAA01"), QStringLiteral("ZephAA02"), QStringLiteral("ZephAA03") };
}

void GraphicsChecker::InitAMD()
{
    for (const platform::GpuAdapter &adapter : platform::Hardware::gpus()) {
        if (!isAmdVendor(adapter.vendorId)) {
            qDebug("[GraphicsChecker] Not AMD GPU.");
            continue;
        }
        m_amdFound = true;
        m_amdInKernel = adapter.driver == QLatin1String("amdgpu");
        m_amdDriverVersion = amdVersionFromText(adapter.driverVersion);
        const AmdVersion &v = m_amdDriverVersion;
        qDebug("[GraphicsChecker] The AMD driver version is %u.%u.%u.%u", v[0], v[1], v[2], v[3]);
        qDebug("[GraphicsChecker] Get AMD version: %s", qUtf8Printable(joined(v)));
        return;
    }
}

void GraphicsChecker::InitNVidia()
{
    const QString version = platform::Hardware::nvidiaDriverVersion();
    const int status = version.isEmpty() ? NvLibraryNotFound : NvOk;
    qDebug("[GraphicsChecker] nv status: %d", status);
    if (status != NvOk) {
        qDebug("[GraphicsChecker]InitNVidia() NVidia Liarbry doesn't Init");
        m_nvAvailable = false;
        return;
    }
    m_nvDriverVersion = platform::nvidiaVersionNumber(version);
    qDebug("[GraphicsChecker]InitNVidia()NVidia Liarbry Init version: %u", m_nvDriverVersion);
    m_nvAvailable = true;
}

bool GraphicsChecker::isDriverSupported()
{
    return IsSupportVersionNVidia() || IsSupportVersionAMD();
}

bool GraphicsChecker::IsSupportVersionNVidia()
{
    if (!m_nvAvailable) {
        qDebug("[IsSupportVersionNVidia] not nv, returns !!.");
        return false;
    }
    const QString text = Utils::getConfig(DriverVersionIni, QStringLiteral("Nvidia"), VersionKey, true);
    quint32 minimum = DefaultNvidiaVersion;
    if (text.isEmpty()) {
        qDebug("[GraphicsChecker] gpu_driver_ver.ini doesn't exist, use default value: %u", minimum);
    } else {
        emit setDriverVersion(text, QStringLiteral("Nv"));
        minimum = platform::nvidiaVersionNumber(text);
    }
    qDebug("[GraphicsChecker] Support Nv version: %u", minimum);
    if (m_nvDriverVersion < minimum) {
        qDebug("[IsSupportVersionNVidia] not supported version, mNVidiaVersion: %u", m_nvDriverVersion);
        return false;
    }
    return true;
}

bool GraphicsChecker::IsSupportVersionAMD()
{
    if (!m_amdFound) {
        qDebug("[IsSupportVersionAMD] not AMD, returns !!.");
        return false;
    }
    const QString text = Utils::getConfig(DriverVersionIni, QStringLiteral("AMD"), VersionKey, true);
    AmdVersion minimum = DefaultAmdVersion;
    if (text.isEmpty()) {
        qDebug("[GraphicsChecker] gpu_driver_ver.ini doesn't exist, use default value: %u.%u.%u.%u", minimum[0],
            minimum[1], minimum[2], minimum[3]);
    } else {
        emit setDriverVersion(text, QStringLiteral("AMD"));
        minimum = amdVersionFromText(text);
    }
    qDebug("[GraphicsChecker] CHECK_VERSION_AMD: %u.%u.%u.%u", minimum[0], minimum[1], minimum[2], minimum[3]);
    // The Windows minimum means nothing to amdgpu, the kernel's own driver: neither its
    // kernel's release nor the Mesa release of the user-space stack is numbered like the
    // vendor's Windows driver, and Mesa's version would have to be asked of whichever
    // package manager installed it. What a headset needs of the driver is a display kept
    // off the desktop and leased to its runtime (DRM leasing and the non-desktop
    // connector), which amdgpu offers from kernel 4.15 on; so the kernel is measured
    // against that instead.
    if (m_amdInKernel) {
        minimum = MinimumAmdgpuKernel;
        qDebug("[IsSupportVersionAMD] in-kernel amdgpu, kernel minimum: %u.%u.%u.%u", minimum[0], minimum[1],
            minimum[2], minimum[3]);
    }
    for (size_t i = 0; i < minimum.size(); ++i) {
        const unsigned installed = m_amdDriverVersion[i];
        if (installed > minimum[i]) {
            qDebug("[IsSupportVersionAMD] Supported !!! mAMDVersion %u is %zu", installed, i);
            qDebug("[IsSupportVersionAMD] supportAMDVersion %u", unsigned(minimum[i]));
            return true;
        }
        if (installed < minimum[i]) {
            qDebug("[IsSupportVersionAMD] NOT Supported :((((( mAMDVersion %u", installed);
            qDebug("[IsSupportVersionAMD] supportAMDVersion %u", unsigned(minimum[i]));
            return false;
        }
    }
    return true;
}

bool GraphicsChecker::isDisplayConnected()
{
    return IsDisplayConnectedNVidia() || IsDisplayConnectedAMD();
}

bool GraphicsChecker::IsDisplayConnectedNVidia()
{
    if (!m_nvAvailable) {
        qDebug("[IsDisplayConnectedNVidia] not NVidia card, returns false");
        return false;
    }
    const int displays = platform::Hardware::directModeDisplays(HeadsetVendorCode);
    if (displays > 0) {
        qDebug("[GraphicsChecker]DisplayIsConnectedNVidia() OK, NvAPI_Status: %d numDisplays: %d", NvOk, displays);
        return true;
    }
    qDebug("[GraphicsChecker]DisplayIsConnectedNVidia() fail,  NvAPI_Status: %d numDisplays: %d", NvOk, displays);
    return false;
}

// No AMD display manager exists in this program, so AMD never answers about displays.
bool GraphicsChecker::IsDisplayConnectedAMD()
{
    if (!m_amdFound)
        qDebug("[IsDisplayConnectedAMD] not AMD , return false");
    else
        qDebug("[IsDisplayConnectedAMD] m_pDisplayManager is null , return !");
    return false;
}

int GraphicsChecker::headsetModelOf(const QString &monitorId) const
{
    if (monitorId.contains(ExtraMonitorId, Qt::CaseInsensitive))
        return 0;
    for (int model = 0; model < m_supportedList.size(); ++model) {
        if (monitorId.contains(m_supportedList.at(model), Qt::CaseInsensitive))
            return model;
    }
    return -1;
}

bool GraphicsChecker::IsHdmiConnect()
{
    static const char *const detected[] = { "[GraphicsChecker]IsHdmiConnect()Detect Ivo HDMI connection",
        "[GraphicsChecker]IsHdmiConnect()Detect Qor HDMI connection",
        "[GraphicsChecker]IsHdmiConnect()Detect Varo HDMI connection" };
    const QList<platform::DisplayAdapter> adapters = platform::Hardware::displayAdapters();
    for (int i = 0; i < adapters.size(); ++i) {
        const QList<platform::Monitor> &monitors = adapters.at(i).monitors;
        for (int n = 0; n < monitors.size(); ++n) {
            const QString &id = monitors.at(n).id;
            qDebug("[GraphicsChecker] [%d-%d]:DeviceID:(%s)", i, n, qUtf8Printable(id));
            const int model = headsetModelOf(id);
            if (model >= 0) {
                qDebug("%s", detected[model]);
                m_connectingModel = model;
                return true;
            }
        }
    }
    qDebug("[IsHdmiConnect] no match for device id, ISDisplayConnected()");
    return isDisplayConnected();
}

// On Linux the headset's display is in direct mode when the kernel keeps its connector
// off the desktop, ready to be leased to the headset runtime; there is nothing to switch.
bool GraphicsChecker::enableDirectMode()
{
    const int status = !m_nvAvailable                                   ? NvApiNotInitialized
        : platform::Hardware::directModeDisplays(HeadsetVendorCode) > 0 ? NvOk
                                                                        : NvError;
    if (status == NvOk) {
        qDebug("[GraphicsChecker]EnableDirectModeNVidia()OK NvAPI_Status: %d", status);
        return true;
    }
    qDebug("[GraphicsChecker]EnableDirectModeNVidia()fail NvAPI_Status: %d", status);
    // AMD direct mode needs the display manager, which this program never obtains.
    return false;
}
