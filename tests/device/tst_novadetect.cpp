#include "FakeDevices.h"
#include "LogCapture.h"
#include "SandboxMachine.h"

#include "checks/GraphicsChecker.h"
#include "device/DetectWorker.h"
#include "device/NovaDetect.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QSignalSpy>
#include <QTest>
#include <QTimerEvent>

#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

using FakeDevices::Recording;

namespace {

// The window's page loader with the headset page, which records each setStatus call.
const QByteArray PageQml = "import QtQuick 2.15\n"
                           "Item {\n"
                           "    Item {\n"
                           "        objectName: \"pageLoader\"\n"
                           "        Item {\n"
                           "            objectName: \"pHead04\"\n"
                           "            property var calls: []\n"
                           "            function setStatus(usbComplete, hdmi) {\n"
                           "                calls = calls.concat([[usbComplete, hdmi]])\n"
                           "            }\n"
                           "        }\n"
                           "    }\n"
                           "}\n";
const QByteArray NoPageQml = "import QtQuick 2.15\nItem { Item { objectName: \"pageLoader\" } }\n";

const QString HubPath = QStringLiteral("/devices/pci0000:00/0000:00:14.0/usb1/1-2");

QJsonObject monitor(const QString &id, bool nonDesktop)
{
    return { { QStringLiteral("id"), id }, { QStringLiteral("nonDesktop"), nonDesktop } };
}

// The headset's hub with what its ports have, "<port>:<state>" separated by blanks:
// "hid" (configured, in use, with its HID interfaces), "bound" (configured and in use
// but no HID interface), "nodriver" (configured, no driver), "unconfigured".
QByteArray headset(const QString &ports)
{
    Recording recording;
    const QString hub = recording.device(recording.rootHub(1), 2, 0x0bb4, 0x2134, 1, "1", 7);
    // The USB3 twin, after it in bus order, with nothing on it.
    recording.device(recording.rootHub(2), 1, 0x0bb4, 0x2134, 1, "1", 4);
    for (const QString &entry : ports.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const int port = entry.section(QLatin1Char(':'), 0, 0).toInt();
        const QString state = entry.section(QLatin1Char(':'), 1);
        const quint16 vendor = port == 5 ? 0x0bb4 : 0x28de;
        const quint16 product = port == 1 ? 0x2000 : port == 5 ? 0x2c87 : 0x2101;
        const int interfaces = port == 1 ? 2 : 1;
        const QString device = recording.device(
            hub, port, vendor, product, interfaces, state == QLatin1String("unconfigured") ? "" : "1");
        if (state == QLatin1String("unconfigured"))
            continue;
        for (int i = 0; i < interfaces; ++i) {
            const QString interface = recording.interface(
                device, i, state == QLatin1String("nodriver") ? "" : "usbhid");
            if (state == QLatin1String("hid"))
                recording.hidraw(interface, vendor, product);
        }
    }
    return recording.text();
}

const QString Complete = QStringLiteral("1:hid 5:hid 6:hid 7:hid");

} // namespace

using Status = QList<int>;

class TestNovaDetect : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_machine = std::make_unique<SandboxMachine>();
        QVERIFY(QDir().mkpath(hardwareRoot()));
    }
    void cleanup()
    {
        m_detect.reset();
        m_root.reset();
        m_engine.reset();
        m_checker.reset();
        m_machine.reset();
    }

    // One pass through the real worker thread and timer, for each kind of headset.
    void passes_data()
    {
        QTest::addColumn<bool>("hub");
        QTest::addColumn<QString>("ports");
        QTest::addColumn<QJsonArray>("monitors"); // with an NVIDIA driver that sees direct-mode displays
        QTest::addColumn<Status>("status");
        QTest::addColumn<bool>("usbComplete");
        const QJsonArray none;
        const QJsonArray headsetDisplay { monitor(QStringLiteral("MONITOR\\TSB8888"), false) };
        const QJsonArray directMode { monitor(QStringLiteral("MONITOR\\ZEPAA01"), true) };
        QTest::newRow("no headset") << false << QString() << none << Status { 0, 0, 0, 0, 0, 0, 0 } << false;
        QTest::newRow("no headset, the driver sees its display")
            << false << QString() << directMode << Status { 0, 0, 0, 0, 0, 0, 1 } << false;
        QTest::newRow("hub alone") << true << QString() << none << Status { 1, 0, 0, 0, 0, 0, 0 } << false;
        QTest::newRow("complete") << true << Complete << headsetDisplay << Status { 3, 3, 3, 3, 3, 3, 1 } << true;
        QTest::newRow("one radio") << true << QStringLiteral("1:hid 5:hid 6:hid") << headsetDisplay
                                   << Status { 1, 3, 3, 3, 3, 0, 1 } << false;
        // The one radio's HID interface counts as the first; its port still says 1.
        QTest::newRow("one radio, on the second port")
            << true << QStringLiteral("1:hid 5:hid 7:hid") << none << Status { 1, 3, 3, 3, 3, 1, 0 } << false;
        QTest::newRow("MCU in use, not HID")
            << true << QStringLiteral("1:hid 5:bound 6:hid 7:hid") << none << Status { 1, 1, 3, 3, 3, 3, 0 } << false;
        QTest::newRow("MCU without driver") << true << QStringLiteral("1:hid 5:nodriver 6:hid 7:hid") << none
                                            << Status { 1, 2, 3, 3, 3, 3, 0 } << false;
        QTest::newRow("tracker not configured") << true << QStringLiteral("1:unconfigured 5:hid 6:hid 7:hid") << none
                                                << Status { 1, 3, 2, 2, 3, 3, 0 } << false;
    }
    void passes()
    {
        QFETCH(bool, hub);
        QFETCH(QString, ports);
        QFETCH(QJsonArray, monitors);
        QFETCH(Status, status);
        QFETCH(bool, usbComplete);
        if (hub)
            QVERIFY(FakeDevices::load(headset(ports), hardwareRoot()));
        m_machine->writeProfile(
            { { QStringLiteral("nvidiaDriver"), QStringLiteral("431.60") }, { QStringLiteral("monitors"), monitors } });
        LogCapture log;
        QVERIFY(start(PageQml));
        QTRY_COMPARE_WITH_TIMEOUT(calls().size(), 1, 5000);
        QCOMPARE(statusOf(m_detect->lastStatus()), status);
        QCOMPARE(calls().at(0), (QVariantList { usbComplete, status.at(6) }));
        const char *const names[]
            = { "dsRootHub", "dsKeltMcu", "dsValveMcu1", "dsValveMcu2", "dsController1", "dsController2", "dsHdmi" };
        QStringList lines;
        for (int i = 0; i < 7; ++i)
            lines.append(QStringLiteral("[CNovaDetect] %1 status: %2").arg(QLatin1String(names[i])).arg(status.at(i)));
        QString missing;
        QVERIFY2(linesInOrder(log.lines(), lines, &missing), qPrintable(missing));
    }

    // Lines of one pass of the worker, asked on this thread.
    void passLog_data()
    {
        QTest::addColumn<QByteArray>("recording");
        QTest::addColumn<QString>("breakFolder"); // made a file, so that it cannot be listed
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("rootHub");
        const QString ports7 = QStringLiteral("[NovaDetect] ulNumOfPorts = 7");
        QTest::newRow("hub with seven ports") << headset(Complete) << QString() << QStringList { ports7 } << 3;
        Recording withOddPort;
        const QString hub = withOddPort.device(withOddPort.rootHub(1), 2, 0x0bb4, 0x2134, 1, "1", 7);
        withOddPort.interface(withOddPort.device(hub, 3, 0x046d, 0xc52b), 0, "usbhid");
        QTest::newRow("device on a port of no function")
            << withOddPort.text() << QString()
            << QStringList { ports7, QStringLiteral("[NovaDetect] Warning: Unknown ConnectionIndex") } << 1;
        Recording noIds;
        const QString other = noIds.device(noIds.rootHub(1), 1, 0x05e3, 0x0610, 1, "1", 4);
        noIds.setAttribute(other, "idProduct", QByteArray());
        noIds.device(noIds.rootHub(1), 2, 0x0bb4, 0x2134, 1, "1", 7);
        QTest::newRow("a hub without ids before the headset's")
            << noIds.text() << QString()
            << QStringList { QStringLiteral("[NovaDetect] Error: SetupDiGetInterfaceDeviceDetail failed"), ports7 }
            << 1;
        QTest::newRow("hub list unreadable")
            << QByteArray() << QStringLiteral("sys/bus/usb/devices")
            << QStringList { QStringLiteral("[NovaDetect] SetupDiGetClassDevs failed: 0x00000014") } << 0;
        QTest::newRow("HID list unreadable")
            << headset(Complete) << QStringLiteral("sys/class/hidraw")
            << QStringList { ports7, QStringLiteral("[NovaDetect] SetupDiGetClassDevs failed: 0x00000014") } << 1;
        Recording noPortCount;
        const QString countless = noPortCount.device(noPortCount.rootHub(1), 2, 0x0bb4, 0x2134, 1, "1", 7);
        noPortCount.setAttribute(countless, "maxchild", QByteArray());
        QTest::newRow("hub without a port count")
            << noPortCount.text() << QString() << QStringList { QStringLiteral("[NovaDetect] ulNumOfPorts = 0") } << 1;
    }
    void passLog()
    {
        QFETCH(QByteArray, recording);
        QFETCH(QString, breakFolder);
        QFETCH(QStringList, lines);
        QVERIFY(FakeDevices::load(recording, hardwareRoot()));
        if (!breakFolder.isEmpty()) {
            const QString path = hardwareRoot() + QLatin1Char('/') + breakFolder;
            QDir(path).removeRecursively();
            QVERIFY(QDir().mkpath(QFileInfo(path).path()));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        m_checker = std::make_unique<GraphicsChecker>();
        DetectWorker worker(m_checker.get());
        QSignalSpy results(&worker, &DetectWorker::returnStatus);
        LogCapture log;
        worker.onDetectStatus();
        QCOMPARE(results.size(), 1);
        QTEST(results.at(0).at(0).value<DEVICE_INFO>().dsRootHub, "rootHub");
        QStringList found = log.startingWith(QStringLiteral("[NovaDetect]"));
        QCOMPARE(found, lines);
    }

    void missingPageWarnsEachSecond()
    {
        LogCapture log;
        QVERIFY(start(NoPageQml));
        QElapsedTimer clock;
        clock.start();
        const QString warning = QStringLiteral("[CNovaDetect] pPHead04 invalid");
        QTRY_VERIFY_WITH_TIMEOUT(log.count(warning) >= 2, 6000);
        QVERIFY(clock.elapsed() >= 1500);
        const QStringList warnings = log.lines(QtWarningMsg);
        QCOMPARE(QSet<QString>(warnings.begin(), warnings.end()), QSet<QString> { warning });
    }

    void headsetPluggedInBetweenPasses()
    {
        QVERIFY(start(PageQml));
        QTRY_COMPARE_WITH_TIMEOUT(calls().size(), 1, 5000);
        QVERIFY(FakeDevices::load(headset(Complete), hardwareRoot()));
        QTRY_VERIFY_WITH_TIMEOUT(calls().size() >= 2, 5000);
        QCOMPARE(calls().at(0), (QVariantList { false, 0 }));
        QCOMPARE(calls().at(1), (QVariantList { true, 0 }));
        QCOMPARE(m_detect->lastStatus().dsRootHub, 3);
    }

    // A pass held up (its hub's port count comes through a pipe the test writes) lets
    // the ticks queue; each release completes exactly one pass, in order.
    void slowPassesQueue()
    {
        const QString maxchild = heldHub();
        QVERIFY(!maxchild.isEmpty());
        QVERIFY(start(PageQml));
        QSignalSpy ticks(m_detect.get(), &CNovaDetect::detectStatus);
        QTRY_VERIFY_WITH_TIMEOUT(ticks.size() >= 3, 6000);
        QCOMPARE(calls().size(), 0);
        QVERIFY(releaseOnce(maxchild));
        QTRY_COMPARE_WITH_TIMEOUT(calls().size(), 1, 5000);
        // Another tick goes by while the next pass waits: it finishes no pass.
        const int ticked = ticks.size();
        QTRY_VERIFY_WITH_TIMEOUT(ticks.size() > ticked, 5000);
        QCOMPARE(calls().size(), 1);
        QVERIFY(releaseOnce(maxchild));
        QTRY_COMPARE_WITH_TIMEOUT(calls().size(), 2, 5000);
        m_detect->onStopDMTimer();
        // The passes still queued complete as they are let through.
        QTRY_COMPARE_WITH_TIMEOUT((release(maxchild), calls().size()), ticks.size(), 20000);
        for (const QVariant &call : calls())
            QCOMPARE(call.toList(), (QVariantList { true, 0 }));
    }

    // A pass that never ends holds the thread: the owner goes within its limit anyway.
    void destructionIsBounded()
    {
        const QString maxchild = heldHub();
        QVERIFY(!maxchild.isEmpty());
        QVERIFY(start(PageQml));
        QSignalSpy ticks(m_detect.get(), &CNovaDetect::detectStatus);
        QTRY_VERIFY_WITH_TIMEOUT(ticks.size() >= 1, 5000);
        LogCapture log;
        QElapsedTimer clock;
        clock.start();
        m_detect.reset();
        QVERIFY(clock.elapsed() < 8000);
        QVERIFY(log.contains(QStringLiteral("[NovaDetect] WARNING: The worker thread did not stop")));
        // Let the left thread end. Its pass goes on with the graphics checker, which
        // therefore outlives the test.
        m_checker.release();
        QVERIFY(releaseOnce(maxchild));
    }

    void stoppedAndRestarted()
    {
        LogCapture log;
        QVERIFY(start(PageQml));
        m_detect->loadedPHead04(); // the same page again: one timer
        QVERIFY(m_detect->isPolling());
        QTRY_COMPARE_WITH_TIMEOUT(calls().size(), 1, 5000);
        m_detect->onStopDMTimer();
        QVERIFY(!m_detect->isPolling());
        QVERIFY(log.contains(QStringLiteral("[NovaDetect] onStopDMTimer()")));
        m_detect->loadedPHead04();
        QTRY_COMPARE_WITH_TIMEOUT(calls().size(), 2, 5000);
    }

    void foreignTimer()
    {
        QVERIFY(start(PageQml));
        LogCapture log;
        QTimerEvent event(m_detect->startTimer(60000));
        QCoreApplication::sendEvent(m_detect.get(), &event);
        QVERIFY(log.contains(QStringLiteral("[NovaDetect] Error: Unknown timer ID.")));
    }

private:
    // A complete headset whose hub's port count comes through a pipe that the test
    // writes, so that a pass waits until it is let through; the pipe's path.
    QString heldHub() const
    {
        if (!FakeDevices::load(headset(Complete), hardwareRoot()))
            return QString();
        const QString maxchild = hardwareRoot() + QStringLiteral("/sys") + HubPath + QStringLiteral("/maxchild");
        if (!QFile::remove(maxchild) || ::mkfifo(QFile::encodeName(maxchild).constData(), 0600) != 0)
            return QString();
        return maxchild;
    }
    QString hardwareRoot() const { return m_machine->path(QStringLiteral("hw")); }

    // The page tree and the detection polling it, from a graphics checker of this sandbox.
    bool start(const QByteArray &qml)
    {
        m_checker = std::make_unique<GraphicsChecker>();
        m_engine = std::make_unique<QQmlEngine>();
        QQmlComponent component(m_engine.get());
        component.setData(qml, QUrl(QStringLiteral("qrc:/main.qml")));
        m_root.reset(component.create());
        if (!m_root) {
            qWarning("%s", qPrintable(component.errorString()));
            return false;
        }
        m_detect = std::make_unique<CNovaDetect>(m_root.get(), m_checker.get());
        m_detect->loadedPHead04();
        return true;
    }

    QVariantList calls() const
    {
        QObject *page = m_root ? m_root->findChild<QObject *>(QStringLiteral("pHead04")) : nullptr;
        return page ? page->property("calls").toList() : QVariantList();
    }

    static Status statusOf(const DEVICE_INFO &info)
    {
        return { info.dsRootHub, info.dsKeltMcu, info.dsValveMcu1, info.dsValveMcu2, info.dsController1,
            info.dsController2, info.dsHdmi };
    }

    // Lets one waiting pass read its port count; false while no pass waits for it.
    // Lets exactly one waiting pass through, within a bound. (A QTRY_ macro would
    // evaluate its expression again once it holds, letting the next pass through too.)
    static bool releaseOnce(const QString &fifo)
    {
        return QTest::qWaitFor([&] { return release(fifo); }, 5000);
    }

    static bool release(const QString &fifo)
    {
        const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            return false;
        const bool written = ::write(fd, "7\n", 2) == 2;
        ::close(fd);
        return written;
    }

    std::unique_ptr<SandboxMachine> m_machine;
    std::unique_ptr<GraphicsChecker> m_checker;
    std::unique_ptr<QQmlEngine> m_engine;
    std::unique_ptr<QObject> m_root;
    std::unique_ptr<CNovaDetect> m_detect;
};

QTEST_MAIN(TestNovaDetect)
#include "tst_novadetect.moc"
