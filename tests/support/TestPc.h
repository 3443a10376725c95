#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

// The parts of the PCs that sandbox machines play, as machine.json spells them.
namespace TestPc {

inline const QString Gtx1080 = QStringLiteral("PCI\\VEN_10DE&DEV_1B80&SUBSYS_85AA1043&REV_A1");
inline const QString Gtx1060 = QStringLiteral("PCI\\VEN_10DE&DEV_1C03&SUBSYS_85AA1043&REV_A1");
inline const QString Gtx1050 = QStringLiteral("PCI\\VEN_10DE&DEV_1C81&SUBSYS_85AA1043&REV_A1");
inline const QString Gt1030 = QStringLiteral("PCI\\VEN_10DE&DEV_1D01&SUBSYS_85AA1043&REV_A1");
inline const QString Rx480 = QStringLiteral("PCI\\VEN_1002&DEV_67DF&SUBSYS_0B311002&REV_C7");
inline const QString Uhd630 = QStringLiteral("PCI\\VEN_8086&DEV_3E92&SUBSYS_86941043&REV_00");
inline const QString GoodCpu = QStringLiteral("Intel(R) Core(TM) i7-9700K CPU @ 3.60GHz");
constexpr qint64 GiB = qint64(1) << 30;
// A compatibility list server that refuses at once: the installed list counts.
inline const QString RefusedListUrl = QStringLiteral("http://127.0.0.1:9/NovaCheckComp/comp.json");

inline QJsonObject gpu(const QString &name, const QString &pnpDeviceId)
{
    return { { QStringLiteral("name"), name }, { QStringLiteral("pnpDeviceId"), pnpDeviceId } };
}

// A PC the compatibility list rates good in every part, with one memory module of
// memoryGiB; changes replace whole keys, and a null value removes one.
inline QJsonObject supportedPc(int memoryGiB, const QJsonObject &changes = {})
{
    QJsonObject pc { { QStringLiteral("cpu"), GoodCpu }, { QStringLiteral("os"), QStringLiteral("Windows 10 Pro") },
        { QStringLiteral("os64bit"), true }, { QStringLiteral("windowsVersion"), QStringLiteral("10.0.19045") },
        { QStringLiteral("memoryBanks"), QJsonArray { double(memoryGiB * GiB) } },
        { QStringLiteral("gpus"), QJsonArray { gpu(QStringLiteral("NVIDIA GeForce GTX 1080"), Gtx1080) } } };
    for (auto it = changes.begin(); it != changes.end(); ++it) {
        if (it.value().isNull())
            pc.remove(it.key());
        else
            pc.insert(it.key(), it.value());
    }
    return pc;
}

} // namespace TestPc
