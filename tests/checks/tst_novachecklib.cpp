#include "LogCapture.h"
#include "LoopbackHttpServer.h"
#include "SandboxMachine.h"
#include "TestPc.h"

#include "checks/NovaCheckLib.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

using namespace TestPc;

QJsonArray strings(const QStringList &list)
{
    return QJsonArray::fromStringList(list);
}

// A list that knows the test PC's parts.
QJsonObject testList(const QString &version = QStringLiteral("7"))
{
    return { { QStringLiteral("Version"), version },
        { QStringLiteral("OS"),
            QJsonObject { { QStringLiteral("Good list"),
                              strings({ QStringLiteral("Windows 10 Pro"), QStringLiteral("Windows 7 Ultimate") }) },
                { QStringLiteral("Bad list"), strings({ QStringLiteral("Windows Vista Ultimate") }) } } },
        { QStringLiteral("CPU"),
            QJsonObject { { QStringLiteral("Good list"), strings({ GoodCpu }) },
                { QStringLiteral("Bad list"), strings({ QStringLiteral("AMD FX(tm)-4300 Quad-Core Processor") }) } } },
        { QStringLiteral("GPU"),
            QJsonObject { { QStringLiteral("Good list"),
                              QJsonArray { strings({ QStringLiteral("10DE"), QStringLiteral("1B80") }) } },
                { QStringLiteral("Bad list"),
                    QJsonArray { strings({ QStringLiteral("10DE"), QStringLiteral("1C81") }),
                        strings({ QStringLiteral("10DE"), QStringLiteral("1D01") }) } } } },
        { QStringLiteral("Memory"), QJsonObject { { QStringLiteral("Good min"), 8 } } } };
}

// A supported PC; a row's changes replace whole keys.
QJsonObject profile(const QJsonObject &changes = {})
{
    return supportedPc(8, changes);
}

void writeJson(const QString &path, const QJsonObject &object)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(QJsonDocument(object).toJson());
}

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(content);
}

QStringList ranksOf(const NovaCheckLib &lib)
{
    QStringList ranks;
    for (int i = 0; i < lib.gpuCount(); ++i)
        ranks.append(lib.gpuRankAt(i));
    return ranks;
}

} // namespace

class TestNovaCheckLib : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_server.listen()); }

    void init()
    {
        m_machine = std::make_unique<SandboxMachine>();
        m_defaultPath = m_machine->path(QStringLiteral("compDefault.json"));
        m_onlinePath = m_machine->path(QStringLiteral("comp.json"));
        writeJson(m_defaultPath, testList());
    }
    void cleanup() { m_machine.reset(); }

    void ranks_data()
    {
        QTest::addColumn<QJsonObject>("changes");
        QTest::addColumn<QString>("cpu");
        QTest::addColumn<QStringList>("gpus");
        QTest::addColumn<QString>("gpuName");
        QTest::addColumn<QString>("gpuRank");
        QTest::addColumn<QString>("memory");
        QTest::addColumn<QString>("os");
        QTest::addColumn<QString>("overall");
        const QString good = QStringLiteral("RANK_GOOD");
        const QString bad = QStringLiteral("RANK_BAD");
        const QString unknown = QStringLiteral("RANK_UNKNOWN");
        const QString unchecked = QStringLiteral("RANK_UNCHECKED");
        const QString gtx1080 = QStringLiteral("NVIDIA GeForce GTX 1080");
        const QString intel = QStringLiteral("Intel(R) UHD Graphics 630");
        const QString gtx1050 = QStringLiteral("NVIDIA GeForce GTX 1050");
        const QString gt1030 = QStringLiteral("NVIDIA GeForce GT 1030");
        const QString os = QStringLiteral("os");
        const QString cpu = QStringLiteral("cpu");
        const QString gpus = QStringLiteral("gpus");

        QTest::newRow("supported PC") << QJsonObject() << good << QStringList { good } << gtx1080 << good << good
                                      << good << good;
        QTest::newRow("32-bit Windows") << QJsonObject { { QStringLiteral("os64bit"), false } } << good
                                        << QStringList { good } << gtx1080 << good << good << bad << bad;
        QTest::newRow("Windows 7 before SP1") << QJsonObject { { os, QStringLiteral("Windows 7 Ultimate") },
            { QStringLiteral("windowsVersion"), QStringLiteral("6.1.7600") } }
                                              << good << QStringList { good } << gtx1080 << good << good << bad << bad;
        QTest::newRow("Windows 7 SP1") << QJsonObject { { os, QStringLiteral("Windows 7 Ultimate") },
            { QStringLiteral("windowsVersion"), QStringLiteral("6.1.7601") } }
                                       << good << QStringList { good } << gtx1080 << good << good << good << good;
        QTest::newRow("OS in the bad list") << QJsonObject { { os, QStringLiteral("Windows  Vista Ultimate") } } << good
                                            << QStringList { good } << gtx1080 << good << good << bad << bad;
        QTest::newRow("7.9 GiB against 8")
            << QJsonObject { { QStringLiteral("memoryBanks"), QJsonArray { double(qint64(7.9 * GiB)) } } } << good
            << QStringList { good } << gtx1080 << good << bad << good << bad;
        QTest::newRow("two banks make 8.0")
            << QJsonObject { { QStringLiteral("memoryBanks"), QJsonArray { double(4 * GiB), double(4 * GiB) } } }
            << good << QStringList { good } << gtx1080 << good << good << good << good;
        QTest::newRow("CPU name in other case")
            << QJsonObject { { cpu, QStringLiteral("INTEL(R) CORE(TM) I7-9700K CPU @ 3.60GHZ") } } << good
            << QStringList { good } << gtx1080 << good << good << good << good;
        QTest::newRow("CPU name with doubled spaces")
            << QJsonObject { { cpu, QStringLiteral(" Intel(R)  Core(TM) i7-9700K CPU  @ 3.60GHz ") } } << good
            << QStringList { good } << gtx1080 << good << good << good << good;
        QTest::newRow("bad CPU") << QJsonObject { { cpu, QStringLiteral("AMD FX(tm)-4300 Quad-Core Processor") } }
                                 << bad << QStringList { good } << gtx1080 << good << good << good << bad;
        QTest::newRow("lower-case ids in the PNP id")
            << QJsonObject { { gpus,
                   QJsonArray { gpu(gtx1080, QStringLiteral("PCI\\VEN_10de&DEV_1b80&SUBSYS_0&REV_A1")) } } }
            << good << QStringList { good } << gtx1080 << good << good << good << good;
        QTest::newRow("GOOD and UNKNOWN: the good one")
            << QJsonObject { { gpus, QJsonArray { gpu(gtx1080, Gtx1080), gpu(intel, Uhd630) } } } << good
            << QStringList { good, unknown } << gtx1080 << good << good << good << good;
        QTest::newRow("BAD then UNKNOWN: the unknown one")
            << QJsonObject { { gpus, QJsonArray { gpu(gtx1050, Gtx1050), gpu(intel, Uhd630) } } } << good
            << QStringList { bad, unknown } << intel << unknown << good << good << unknown;
        QTest::newRow("both BAD: the second")
            << QJsonObject { { gpus, QJsonArray { gpu(gtx1050, Gtx1050), gpu(gt1030, Gt1030) } } } << good
            << QStringList { bad, bad } << gt1030 << bad << good << good << bad;
        QTest::newRow("no adapter") << QJsonObject { { gpus, QJsonArray() } } << good << QStringList() << QString()
                                    << unchecked << good << good << unknown;
    }
    void ranks()
    {
        QFETCH(QJsonObject, changes);
        QFETCH(QString, cpu);
        QFETCH(QStringList, gpus);
        QFETCH(QString, gpuName);
        QFETCH(QString, gpuRank);
        QFETCH(QString, memory);
        QFETCH(QString, os);
        QFETCH(QString, overall);
        m_machine->writeProfile(profile(changes));
        NovaCheckLib lib;
        lib.collectPcInfo();
        QSignalSpy finished(&lib, &NovaCheckLib::compareFinished);
        lib.compareWithOnline(QString(), QString(), m_defaultPath);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(lib.cpuRank(), cpu);
        QCOMPARE(ranksOf(lib), gpus);
        QCOMPARE(lib.gpuName(), gpuName);
        QCOMPARE(lib.gpuRank(), gpuRank);
        QCOMPARE(lib.memoryRank(), memory);
        QCOMPARE(lib.osRank(), os);
        QCOMPARE(lib.overallRank(), overall);
        QCOMPARE(lib.gpuRankAt(gpus.size()), QStringLiteral("RANK_UNCHECKED"));
        QCOMPARE(lib.listVersion(), QStringLiteral("7"));
    }

    void namesAndTextsOfTheResults()
    {
        m_machine->writeProfile(profile({ { QStringLiteral("cpu"), QStringLiteral(" Intel(R)  Core(TM) i7-9700K ") },
            { QStringLiteral("memoryBanks"), QJsonArray { double(qint64(7.9 * GiB)) } },
            { QStringLiteral("gpus"),
                QJsonArray { gpu(QStringLiteral("NVIDIA  GeForce GTX 1080"),
                                 QStringLiteral("PCI\\VEN_10de&DEV_1B80&SUBSYS_0&REV_A1")),
                    gpu(QStringLiteral("Intel UHD"), Uhd630) } } }));
        NovaCheckLib lib;
        lib.collectPcInfo();
        // Before any comparison: names as gathered, the first adapter, every rank unchecked.
        QCOMPARE(lib.cpuName(), QStringLiteral("Intel(R) Core(TM) i7-9700K"));
        QCOMPARE(lib.gpuName(), QStringLiteral("NVIDIA GeForce GTX 1080"));
        QCOMPARE(lib.gpuVendorId(), QStringLiteral("10de"));
        QCOMPARE(lib.memorySize(), QStringLiteral("7.9"));
        QCOMPARE(lib.osName(), QStringLiteral("Windows 10 Pro"));
        for (const QString &rank : { lib.overallRank(), lib.gpuRank(), lib.cpuRank(), lib.memoryRank(), lib.osRank() })
            QCOMPARE(rank, QStringLiteral("RANK_UNCHECKED"));
        lib.compareWithOnline(QString(), QString(), m_defaultPath);
        lib.compareWithOnline(QString(), QString(), m_defaultPath);
        // A second comparison ranks the same adapters again rather than adding to them.
        QCOMPARE(ranksOf(lib), (QStringList { QStringLiteral("RANK_GOOD"), QStringLiteral("RANK_UNKNOWN") }));
        QCOMPARE(lib.gpuRank(), QStringLiteral("RANK_GOOD"));
    }

    void logsEveryStep()
    {
        m_machine->writeProfile(profile({ { QStringLiteral("gpus"),
            QJsonArray { gpu(QStringLiteral("NVIDIA GeForce GTX 1080"), Gtx1080),
                gpu(QStringLiteral("Intel UHD"), Uhd630) } } }));
        LogCapture log;
        NovaCheckLib lib;
        lib.collectPcInfo();
        lib.compareWithOnline(QString(), QString(), m_defaultPath);
        const QStringList expected {
            QStringLiteral("[NovaCheckLib] CPU name: Intel(R) Core(TM) i7-9700K CPU @ 3.60GHz"),
            QStringLiteral("[NovaCheckLib] GPU names:"),
            QStringLiteral("[NovaCheckLib] GPU 0 - NVIDIA GeForce GTX 1080 , PNPDeviceID: ") + Gtx1080
                + QStringLiteral(" , vendor ID: 10DE , device ID: 1B80"),
            QStringLiteral("[NovaCheckLib] GPU 1 - Intel UHD , PNPDeviceID: ") + Uhd630
                + QStringLiteral(" , vendor ID: 8086 , device ID: 3E92"),
            QStringLiteral("[NovaCheckLib] Memory bank 8589934592 Bytes"),
            QStringLiteral("[NovaCheckLib] Memory size: 8.0 GB"),
            QStringLiteral("[NovaCheckLib] OS name: Windows 10 Pro , 64-bit Windows? true"),
            QStringLiteral("[NovaCheckLib] Json path: ") + m_defaultPath,
            QStringLiteral("[NovaCheckLib] Json version: 7"),
            QStringLiteral("[NovaCheckLib] CPU rank: RANK_GOOD"),
            QStringLiteral("[NovaCheckLib] GPU ranks:"),
            QStringLiteral("[NovaCheckLib] GPU 0 - RANK_GOOD for NVIDIA GeForce GTX 1080"),
            QStringLiteral("[NovaCheckLib] GPU 1 - RANK_UNKNOWN for Intel UHD"),
            QStringLiteral("[NovaCheckLib] Representative GPU index: 0"),
            QStringLiteral("[NovaCheckLib] Memory rank: RANK_GOOD"),
            QStringLiteral("[NovaCheckLib] OS rank: RANK_GOOD"),
            QStringLiteral("[NovaCheckLib] Overall rank: RANK_GOOD"),
        };
        QCOMPARE(log.lines(), expected);
    }

    void unusableListsLeaveEverythingUnchecked_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: no file at all
        QTest::addColumn<QString>("warning"); // {path} stands for the list's path
        const auto without = [](const char *part, const char *list) {
            QJsonObject root = testList();
            QJsonObject object = root.value(QLatin1String(part)).toObject();
            object.insert(QLatin1String(list), QJsonArray());
            root.insert(QLatin1String(part), object);
            return QJsonDocument(root).toJson();
        };
        QTest::newRow("missing") << QByteArray() << QStringLiteral("[NovaCheckLib] Fatal: {path} doesn't exist!");
        QTest::newRow("not JSON") << QByteArray("{\"Version\": ")
                                  << QStringLiteral("[NovaCheckLib] Fatal! Failed to parse json file: "
                                                    "unterminated object , offset: 12");
        QJsonObject noVersion = testList();
        noVersion.remove(QStringLiteral("Version"));
        QTest::newRow("no version") << QJsonDocument(noVersion).toJson()
                                    << QStringLiteral("[NovaCheckLib] ERROR! Fail to read version");
        QTest::newRow("empty OS bad list")
            << without("OS", "Bad list") << QStringLiteral("[NovaCheckLib] ERROR! Failed to read OS list");
        QTest::newRow("empty CPU good list")
            << without("CPU", "Good list") << QStringLiteral("[NovaCheckLib] ERROR! Failed to read CPU list");
        QTest::newRow("empty GPU good list")
            << without("GPU", "Good list") << QStringLiteral("[NovaCheckLib] ERROR! Failed to read GPU list");
        QJsonObject noMemory = testList();
        noMemory.insert(QStringLiteral("Memory"), QJsonObject { { QStringLiteral("Good min"), 0 } });
        QTest::newRow("memory minimum 0") << QJsonDocument(noMemory).toJson()
                                          << QStringLiteral("[NovaCheckLib] ERROR! Failed to read memory condition");
    }
    void unusableListsLeaveEverythingUnchecked()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, warning);
        m_machine->writeProfile(profile());
        QFile::remove(m_defaultPath);
        if (!content.isEmpty())
            writeFile(m_defaultPath, content);
        LogCapture log;
        NovaCheckLib lib;
        lib.collectPcInfo();
        QSignalSpy finished(&lib, &NovaCheckLib::compareFinished);
        lib.compareWithOnline(QString(), QString(), m_defaultPath);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(
            log.lines(QtWarningMsg), QStringList { QString(warning).replace(QStringLiteral("{path}"), m_defaultPath) });
        for (const QString &rank :
            { lib.overallRank(), lib.gpuRank(), lib.cpuRank(), lib.memoryRank(), lib.osRank(), lib.gpuRankAt(0) })
            QCOMPARE(rank, QStringLiteral("RANK_UNCHECKED"));
    }

    void onlineListOrFallback_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("version"); // the list that was used
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("saved"); // the answer replaced the earlier download
        QJsonObject noVersion = testList();
        noVersion.remove(QStringLiteral("Version"));
        const QString online = QStringLiteral("comp.json");
        const QString installed = QStringLiteral("compDefault.json");
        QTest::newRow("online list") << 200 << QJsonDocument(testList(QStringLiteral("online"))).toJson()
                                     << QStringLiteral("online") << online << true;
        QTest::newRow("online list without version")
            << 200 << QJsonDocument(noVersion).toJson() << QStringLiteral("7") << installed << true;
        QTest::newRow("download fails") << 404 << QByteArray() << QStringLiteral("7") << installed << false;
        QTest::newRow("redirect") << 301 << QByteArray("<html>Moved</html>") << QStringLiteral("7") << installed
                                  << false;
        QTest::newRow("empty answer") << 200 << QByteArray() << QStringLiteral("7") << installed << false;
    }
    void onlineListOrFallback()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(QString, version);
        QFETCH(QString, path);
        QFETCH(bool, saved);
        const QByteArray earlier = QJsonDocument(testList(QStringLiteral("earlier"))).toJson();
        writeFile(m_onlinePath, earlier);
        m_server.answer(status, body);
        m_machine->writeProfile(profile(
            { { QStringLiteral("compatibilityListUrl"), m_server.url(QStringLiteral("/NovaCheckComp/comp.json")) } }));
        LogCapture log;
        NovaCheckLib lib;
        lib.collectPcInfo();
        QSignalSpy finished(&lib, &NovaCheckLib::compareFinished);
        lib.compareWithOnline(NovaCheckLib::onlineListUrl(), m_onlinePath, m_defaultPath);
        QVERIFY(finished.wait(10000));
        QCOMPARE(finished.count(), 1);
        QVERIFY(log.contains(QStringLiteral("[NovaCheckLib] Download online json file")));
        QVERIFY(log.contains(QStringLiteral("[NovaCheckLib] Json path: ") + m_machine->path(path)));
        QCOMPARE(lib.listVersion(), version);
        QCOMPARE(lib.overallRank(), QStringLiteral("RANK_GOOD"));
        QFile file(m_onlinePath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), saved ? body : earlier);
    }

    void shippedListRanksRealParts_data()
    {
        QTest::addColumn<QString>("pnpDeviceId");
        QTest::addColumn<QString>("os");
        QTest::addColumn<QString>("cpu");
        QTest::addColumn<QString>("overall");
        const QString win10 = QStringLiteral("Windows 10 Pro");
        const QString i7 = QStringLiteral("Intel(R) Core(TM) i7-8700K CPU @ 3.70GHz");
        QTest::newRow("GTX 1060") << Gtx1060 << QStringLiteral("Windows 11 Pro") << i7 << QStringLiteral("RANK_GOOD");
        QTest::newRow("RX 480") << Rx480 << win10 << QStringLiteral("AMD Ryzen 5 3600 6-Core Processor")
                                << QStringLiteral("RANK_GOOD");
        QTest::newRow("GTX 1050") << Gtx1050 << win10 << i7 << QStringLiteral("RANK_BAD");
        QTest::newRow("Intel only") << Uhd630 << win10 << i7 << QStringLiteral("RANK_UNKNOWN");
        QTest::newRow("Vista") << Gtx1080 << QStringLiteral("Windows Vista Ultimate") << i7
                               << QStringLiteral("RANK_BAD");
    }
    void shippedListRanksRealParts()
    {
        QFETCH(QString, pnpDeviceId);
        QFETCH(QString, os);
        QFETCH(QString, cpu);
        QFETCH(QString, overall);
        m_machine->writeProfile(profile({ { QStringLiteral("os"), os }, { QStringLiteral("cpu"), cpu },
            { QStringLiteral("gpus"), QJsonArray { gpu(QStringLiteral("GPU"), pnpDeviceId) } } }));
        NovaCheckLib lib;
        lib.collectPcInfo();
        lib.compareWithOnline(QString(), QString(), QStringLiteral(NOVA_COMP_DEFAULT_JSON));
        QCOMPARE(lib.overallRank(), overall);
        QCOMPARE(lib.memoryRank(), QStringLiteral("RANK_GOOD"));
    }

private:
    LoopbackHttpServer m_server;
    std::unique_ptr<SandboxMachine> m_machine;
    QString m_defaultPath;
    QString m_onlinePath;
};

QTEST_GUILESS_MAIN(TestNovaCheckLib)
#include "tst_novachecklib.moc"
