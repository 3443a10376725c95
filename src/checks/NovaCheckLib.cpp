#include "checks/NovaCheckLib.h"

#include "checks/WebLoader.h"
#include "platform/HardwareParsers.h"
#include "platform/Machine.h"
#include "platform/SystemInfo.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <cmath>

namespace {

const QString DefaultListUrl = QStringLiteral("http://dl.keltnova.example/NovaCheckComp/comp.json");

QString yesNo(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

QJsonArray listOf(const QJsonObject &root, const char *part, const char *list)
{
    return root.value(QLatin1String(part)).toObject().value(QLatin1String(list)).toArray();
}

bool containsName(const QJsonArray &list, const QString &name)
{
    for (const QJsonValue &entry : list) {
        if (entry.toString().compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

int rankName(const QJsonObject &root, const char *part, const QString &name)
{
    if (containsName(listOf(root, part, "Good list"), name))
        return NovaCheckLib::RankGood;
    if (containsName(listOf(root, part, "Bad list"), name))
        return NovaCheckLib::RankBad;
    return NovaCheckLib::RankUnknown;
}

// Entries are [vendor ID, device ID] pairs in the hexadecimal text of PNP ids.
bool containsPair(const QJsonArray &list, const QString &vendorId, const QString &deviceId)
{
    for (const QJsonValue &value : list) {
        const QJsonArray entry = value.toArray();
        if (entry.size() >= 2 && entry.at(0).toString().compare(vendorId, Qt::CaseInsensitive) == 0
            && entry.at(1).toString().compare(deviceId, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// Windows 7 with service pack 1 is version 6.1 build 7601; every later version passes.
bool isWindows7Sp1OrLater(const QString &version)
{
    const QStringList parts = version.split(QLatin1Char('.'));
    const int major = parts.value(0).toInt();
    const int minor = parts.value(1).toInt();
    if (major != 6)
        return major > 6;
    return minor > 1 || (minor == 1 && parts.value(2).toInt() >= 7601);
}

// The last adapter ranked good, else the last ranked unknown, else the last; -1 without any.
int representativeOf(const QList<int> &ranks)
{
    for (int wanted : { NovaCheckLib::RankGood, NovaCheckLib::RankUnknown }) {
        const int index = ranks.lastIndexOf(wanted);
        if (index >= 0)
            return index;
    }
    return ranks.size() - 1;
}

} // namespace

NovaCheckLib::NovaCheckLib(QObject *parent)
    : QObject(parent)
{
}

NovaCheckLib::~NovaCheckLib() = default;

QString NovaCheckLib::rankText(int rank)
{
    switch (rank) {
    case RankGood:
        return QStringLiteral("RANK_GOOD");
    case RankBad:
        return QStringLiteral("RANK_BAD");
    case RankUnknown:
        return QStringLiteral("RANK_UNKNOWN");
    default:
        return QStringLiteral("RANK_UNCHECKED");
    }
}

QString NovaCheckLib::onlineListUrl()
{
    const QString profiled = platform::Machine::profile().value(QLatin1String("compatibilityListUrl")).toString();
    return profiled.isEmpty() ? DefaultListUrl : profiled;
}

QString NovaCheckLib::cleanName(const QString &name)
{
    return name.split(QLatin1Char(' '), Qt::SkipEmptyParts).join(QLatin1Char(' ')).trimmed();
}

void NovaCheckLib::collectPcInfo()
{
    collectCpu();
    collectGpus();
    collectMemory();
    collectOs();
}

void NovaCheckLib::collectCpu()
{
    const QString name = cleanName(platform::SystemInfo::cpuBrand().trimmed());
    qDebug("[NovaCheckLib] CPU name: %s", qUtf8Printable(name));
    const std::lock_guard locker(m_mutex);
    m_cpuName = name;
}

void NovaCheckLib::collectGpus()
{
    {
        const std::lock_guard locker(m_mutex);
        if (!m_gpus.isEmpty())
            return;
    }
    QList<Gpu> gpus;
    QStringList names;
    qDebug("[NovaCheckLib] GPU names:");
    for (const platform::GpuAdapter &adapter : platform::Hardware::gpus()) {
        const Gpu gpu { adapter, platform::pnpField(adapter.pnpDeviceId, QStringLiteral("VEN_")),
            platform::pnpField(adapter.pnpDeviceId, QStringLiteral("DEV_")) };
        names.append(cleanName(adapter.name));
        qDebug("[NovaCheckLib] GPU %lld - %s , PNPDeviceID: %s , vendor ID: %s , device ID: %s", qint64(gpus.size()),
            qUtf8Printable(names.last()), qUtf8Printable(adapter.pnpDeviceId), qUtf8Printable(gpu.vendorId),
            qUtf8Printable(gpu.deviceId));
        gpus.append(gpu);
    }
    const std::lock_guard locker(m_mutex);
    m_gpus = gpus;
    m_gpuNames = names;
}

void NovaCheckLib::collectMemory()
{
    double total = 0;
    for (qint64 capacity : platform::Hardware::memoryBanks()) {
        qDebug("[NovaCheckLib] Memory bank %lld Bytes", capacity);
        total += std::ldexp(double(capacity), -30);
    }
    qDebug("[NovaCheckLib] Memory size: %s GB", qUtf8Printable(QString::number(total, 'f', 1)));
    const std::lock_guard locker(m_mutex);
    m_memoryGB = total;
}

void NovaCheckLib::collectOs()
{
    const QString name = cleanName(platform::SystemInfo::osName());
    const bool is64Bit = platform::SystemInfo::is64Bit();
    qDebug("[NovaCheckLib] OS name: %s , 64-bit Windows? %s", qUtf8Printable(name), qUtf8Printable(yesNo(is64Bit)));
    const std::lock_guard locker(m_mutex);
    m_osName = name;
    m_is64BitWindows = is64Bit;
}

void NovaCheckLib::compareWithOnline(const QString &url, const QString &onlinePath, const QString &defaultPath)
{
    if (url.isEmpty() || onlinePath.isEmpty()) {
        loadAndCompare(defaultPath);
        emit compareFinished();
        return;
    }
    m_loader.reset();
    m_onlinePath = onlinePath;
    m_defaultPath = defaultPath;
    m_loader = std::make_unique<WebLoader>();
    // Direct: the answer is handled on the loader's thread (the check worker's), not on
    // the thread this object was created on.
    connect(m_loader.get(), &WebLoader::downloaded, this, &NovaCheckLib::onDownloaded, Qt::DirectConnection);
    qDebug("[NovaCheckLib] Download online json file");
    m_loader->download(url, onlinePath);
}

void NovaCheckLib::dropLoader()
{
    m_loader.reset();
}

void NovaCheckLib::onDownloaded(bool succ)
{
    if (!succ || !loadAndCompare(m_onlinePath))
        loadAndCompare(m_defaultPath);
    emit compareFinished();
}

bool NovaCheckLib::loadAndCompare(const QString &path)
{
    QFile file(path);
    if (!file.exists()) {
        qWarning("[NovaCheckLib] Fatal: %s doesn't exist!", qUtf8Printable(path));
        return false;
    }
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qWarning("[NovaCheckLib] Fatal! Failed to open %s", qUtf8Printable(path));
        return false;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (document.isNull() || error.error != QJsonParseError::NoError) {
        qWarning("[NovaCheckLib] Fatal! Failed to parse json file: %s , offset: %d",
            qUtf8Printable(error.errorString()), error.offset);
        return false;
    }
    qDebug("[NovaCheckLib] Json path: %s", qUtf8Printable(path));
    return validateAndRank(document.object());
}

bool NovaCheckLib::validateAndRank(const QJsonObject &root)
{
    const QString version = root.value(QLatin1String("Version")).toString();
    if (version.isEmpty()) {
        qWarning("[NovaCheckLib] ERROR! Fail to read version");
        return false;
    }
    qDebug("[NovaCheckLib] Json version: %s", qUtf8Printable(version));
    {
        const std::lock_guard locker(m_mutex);
        m_listVersion = version;
    }
    if (listOf(root, "OS", "Good list").isEmpty() || listOf(root, "OS", "Bad list").isEmpty()) {
        qWarning("[NovaCheckLib] ERROR! Failed to read OS list");
        return false;
    }
    if (listOf(root, "CPU", "Good list").isEmpty()) {
        qWarning("[NovaCheckLib] ERROR! Failed to read CPU list");
        return false;
    }
    if (listOf(root, "GPU", "Good list").isEmpty()) {
        qWarning("[NovaCheckLib] ERROR! Failed to read GPU list");
        return false;
    }
    const double memoryMin = root.value(QLatin1String("Memory")).toObject().value(QLatin1String("Good min")).toDouble();
    if (!(memoryMin > 0)) {
        qWarning("[NovaCheckLib] ERROR! Failed to read memory condition");
        return false;
    }

    {
        const std::lock_guard locker(m_mutex);
        m_osRank = rankOs(root);
        m_cpuRank = rankName(root, "CPU", m_cpuName);
        // Rebuilt on every comparison so the ranks stay aligned with the adapters.
        m_gpuRanks.clear();
        const QJsonArray good = listOf(root, "GPU", "Good list");
        const QJsonArray bad = listOf(root, "GPU", "Bad list");
        for (const Gpu &gpu : qAsConst(m_gpus)) {
            m_gpuRanks.append(containsPair(good, gpu.vendorId, gpu.deviceId) ? RankGood
                    : containsPair(bad, gpu.vendorId, gpu.deviceId)          ? RankBad
                                                                             : RankUnknown);
        }
        m_memoryRank = memoryMin > m_memoryGB ? RankBad : RankGood;
        m_representativeGpu = representativeOf(m_gpuRanks);
        const int gpu = hasRepresentativeGpu() ? m_gpuRanks.at(m_representativeGpu) : RankUnchecked;
        const QList<int> parts { m_osRank, m_memoryRank, m_cpuRank, gpu };
        m_overallRank = parts.count(RankGood) == parts.size() ? RankGood
            : parts.contains(RankBad)                         ? RankBad
                                                              : RankUnknown;
    }
    logRanks();
    return true;
}

// Called with the mutex held.
int NovaCheckLib::rankOs(const QJsonObject &list) const
{
    if (!m_is64BitWindows)
        return RankBad;
    const int rank = rankName(list, "OS", m_osName);
    return rank == RankGood && !isWindows7Sp1OrLater(platform::SystemInfo::osVersion()) ? RankBad : rank;
}

bool NovaCheckLib::hasRepresentativeGpu() const
{
    return m_representativeGpu >= 0 && m_representativeGpu < m_gpuRanks.size();
}

void NovaCheckLib::logRanks() const
{
    const std::lock_guard locker(m_mutex);
    qDebug("[NovaCheckLib] CPU rank: %s", qUtf8Printable(rankText(m_cpuRank)));
    qDebug("[NovaCheckLib] GPU ranks:");
    for (int i = 0; i < m_gpuRanks.size(); ++i) {
        qDebug("[NovaCheckLib] GPU %d - %s for %s", i, qUtf8Printable(rankText(m_gpuRanks.at(i))),
            qUtf8Printable(m_gpuNames.value(i)));
    }
    qDebug("[NovaCheckLib] Representative GPU index: %d", m_representativeGpu);
    qDebug("[NovaCheckLib] Memory rank: %s", qUtf8Printable(rankText(m_memoryRank)));
    qDebug("[NovaCheckLib] OS rank: %s", qUtf8Printable(rankText(m_osRank)));
    qDebug("[NovaCheckLib] Overall rank: %s", qUtf8Printable(rankText(m_overallRank)));
}

QString NovaCheckLib::overallRank() const
{
    const std::lock_guard locker(m_mutex);
    return rankText(m_overallRank);
}

// Until a comparison has chosen one, the representative adapter is the first.
QString NovaCheckLib::gpuName() const
{
    const std::lock_guard locker(m_mutex);
    return m_gpuNames.value(m_representativeGpu);
}

QString NovaCheckLib::gpuRank() const
{
    const std::lock_guard locker(m_mutex);
    return rankText(hasRepresentativeGpu() ? m_gpuRanks.at(m_representativeGpu) : RankUnchecked);
}

QString NovaCheckLib::gpuVendorId() const
{
    const std::lock_guard locker(m_mutex);
    return m_representativeGpu >= 0 && m_representativeGpu < m_gpus.size() ? m_gpus.at(m_representativeGpu).vendorId
                                                                           : QString();
}

int NovaCheckLib::gpuCount() const
{
    const std::lock_guard locker(m_mutex);
    return m_gpuNames.size();
}

QString NovaCheckLib::gpuNameAt(int index) const
{
    const std::lock_guard locker(m_mutex);
    return m_gpuNames.value(index);
}

QString NovaCheckLib::gpuRankAt(int index) const
{
    const std::lock_guard locker(m_mutex);
    return rankText(m_gpuRanks.value(index, RankUnchecked));
}

QString NovaCheckLib::cpuName() const
{
    const std::lock_guard locker(m_mutex);
    return m_cpuName;
}

QString NovaCheckLib::cpuRank() const
{
    const std::lock_guard locker(m_mutex);
    return rankText(m_cpuRank);
}

QString NovaCheckLib::memorySize() const
{
    const std::lock_guard locker(m_mutex);
    return QString::number(m_memoryGB, 'f', 1);
}

QString NovaCheckLib::memoryRank() const
{
    const std::lock_guard locker(m_mutex);
    return rankText(m_memoryRank);
}

QString NovaCheckLib::osName() const
{
    const std::lock_guard locker(m_mutex);
    return m_osName;
}

QString NovaCheckLib::osRank() const
{
    const std::lock_guard locker(m_mutex);
    return rankText(m_osRank);
}

QString NovaCheckLib::listVersion() const
{
    const std::lock_guard locker(m_mutex);
    return m_listVersion;
}
