#pragma once

#include <QList>
#include <QString>

// One graphics adapter as the PC check rated it.
struct BIGpuInfo {
    QString name;
    QString rank; // "RANK_GOOD", "RANK_BAD", "RANK_UNKNOWN" or "RANK_UNCHECKED"
};

// The PC check's results as the BI service reports them; the check manager fills it
// from its compatibility library.
struct BIPcInfo {
    QString listVersion;
    QString cpuName;
    QString cpuRank;
    QString gpuName; // the representative adapter
    QString gpuRank;
    QString osName;
    QString osRank;
    QString memorySize; // GiB with one decimal, "15.9"
    QString memoryRank;
    QString overallRank;
    QList<BIGpuInfo> gpus; // every adapter, the representative one included
};
