#pragma once

#include "platform/Hardware.h"

#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <mutex>

class WebLoader;

// Rates the PC against the compatibility list: collects the processor, graphics
// adapters, memory and operating system, fetches the current list (falling back to the
// copy installed with the program), and ranks each part and the PC as a whole. The
// check worker drives it on its thread; the results may be read from any thread.
class NovaCheckLib : public QObject {
    Q_OBJECT

public:
    enum Rank { RankGood, RankBad, RankUnknown, RankUnchecked };

    explicit NovaCheckLib(QObject *parent = nullptr);
    ~NovaCheckLib() override;

    static QString rankText(int rank);
    // The online list's address: the machine profile's "compatibilityListUrl" when it
    // has one, else the maker's download server.
    static QString onlineListUrl();
    // Every name taken from the system is compared with its blanks normalised.
    static QString cleanName(const QString &name);

    void collectPcInfo();
    void compareWithOnline(const QString &url, const QString &onlinePath, const QString &defaultPath);
    // Deletes the loader, and with it a download still under way (whose answer then
    // never comes). Called on the thread that started the comparison before it ends:
    // the loader's reply and timers belong to that thread.
    void dropLoader();

    QString overallRank() const;
    QString gpuName() const; // of the representative adapter
    QString gpuRank() const;
    QString gpuVendorId() const;
    int gpuCount() const;
    QString gpuNameAt(int index) const;
    QString gpuRankAt(int index) const;
    QString cpuName() const;
    QString cpuRank() const;
    QString memorySize() const; // GiB with one decimal
    QString memoryRank() const;
    QString osName() const;
    QString osRank() const;
    QString listVersion() const;

signals:
    void compareFinished();

public slots:
    void onDownloaded(bool succ);

private:
    // A graphics adapter with the vendor and device texts of its PNP id.
    struct Gpu {
        platform::GpuAdapter adapter;
        QString vendorId;
        QString deviceId;
    };

    void collectCpu();
    void collectGpus();
    void collectMemory();
    void collectOs();
    bool loadAndCompare(const QString &path);
    bool validateAndRank(const QJsonObject &root);
    int rankOs(const QJsonObject &list) const;
    void logRanks() const;
    bool hasRepresentativeGpu() const;

    mutable std::mutex m_mutex; // guards the facts and results below
    QString m_cpuName;
    QStringList m_gpuNames;
    int m_representativeGpu = 0;
    double m_memoryGB = 0;
    QString m_osName;
    bool m_is64BitWindows = false;
    int m_cpuRank = RankUnchecked;
    int m_memoryRank = RankUnchecked;
    int m_osRank = RankUnchecked;
    int m_overallRank = RankUnchecked;
    QList<int> m_gpuRanks;
    QString m_listVersion;
    QList<Gpu> m_gpus;

    std::unique_ptr<WebLoader> m_loader;
    QString m_onlinePath;
    QString m_defaultPath;
};
