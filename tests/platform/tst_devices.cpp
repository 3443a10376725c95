#include "FakeDevices.h"

#include "platform/DeviceParsers.h"
#include "platform/Devices.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

using namespace platform;
using FakeDevices::Recording;

namespace {

const QString HeadsetHubPath = QStringLiteral("\\\\?\\USB#VID_0BB4&PID_2134#");

QStringList hubNames(const DeviceList<UsbHub> &hubs)
{
    QStringList names;
    for (const UsbHub &hub : hubs.items)
        names.append(hub.name);
    return names;
}

} // namespace

class TestDevices : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_root = std::make_unique<QTemporaryDir>();
        QVERIFY(m_root->isValid());
    }

    void hidIds_data()
    {
        QTest::addColumn<QByteArray>("uevent");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("bus");
        QTest::addColumn<int>("vendor");
        QTest::addColumn<int>("product");
        QTest::newRow("USB") << QByteArray("DRIVER=hid-generic\nHID_ID=0003:000028DE:00002000\nHID_NAME=x\n") << true
                             << 3 << 0x28de << 0x2000;
        QTest::newRow("Bluetooth") << QByteArray("HID_ID=0005:0000045E:000002E0\n") << true << 5 << 0x045e << 0x02e0;
        QTest::newRow("lower-case hex") << QByteArray("HID_ID=0003:00000bb4:00002c87") << true << 3 << 0x0bb4 << 0x2c87;
        QTest::newRow("two fields") << QByteArray("HID_ID=0003:000028DE\n") << false << 0 << 0 << 0;
        QTest::newRow("not hexadecimal") << QByteArray("HID_ID=0003:0000XYZW:00002000\n") << false << 0 << 0 << 0;
        QTest::newRow("id beyond 16 bits") << QByteArray("HID_ID=0003:000128DE:00002000\n") << false << 0 << 0 << 0;
        QTest::newRow("no HID_ID") << QByteArray("HID_NAME=HID_ID=0003:000028DE:00002000\n") << false << 0 << 0 << 0;
    }
    void hidIds()
    {
        QFETCH(QByteArray, uevent);
        QFETCH(bool, valid);
        const HidId id = hidIdFromUevent(uevent);
        QCOMPARE(id.valid, valid);
        if (!valid)
            return;
        QTEST(int(id.bus), "bus");
        QTEST(int(id.vendor), "vendor");
        QTEST(int(id.product), "product");
    }

    void portsFromDevpath_data()
    {
        QTest::addColumn<QByteArray>("devpath");
        QTest::addColumn<int>("port");
        QTest::newRow("on a hub") << QByteArray("2.5\n") << 5;
        QTest::newRow("on a root hub") << QByteArray("3") << 3;
        QTest::newRow("two levels down") << QByteArray("1.4.12") << 12;
        QTest::newRow("root hub itself") << QByteArray("0") << 0;
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("garbage") << QByteArray("2.x") << 0;
    }
    void portsFromDevpath()
    {
        QFETCH(QByteArray, devpath);
        QTEST(usbPortFromDevpath(devpath), "port");
    }

    void devicePaths()
    {
        QCOMPARE(usbHubDevicePath(0x0bb4, 0x2134, QStringLiteral("1-2")),
            QStringLiteral("\\\\?\\USB#VID_0BB4&PID_2134#1-2#{f18a0e88-c30c-11d0-8815-00a0c906bed8}"));
        QCOMPARE(hidDevicePath(0x28de, 0x2000, 1, QStringLiteral("0003&28de&2000&0002")),
            QStringLiteral(
                "\\\\?\\HID#VID_28DE&PID_2000&MI_01#0003&28de&2000&0002#{4d1e55b2-f16f-11cf-88cb-001111000030}"));
        QCOMPARE(hidDevicePath(0x0bb4, 0x2c87, -1, QStringLiteral("i")),
            QStringLiteral("\\\\?\\HID#VID_0BB4&PID_2C87#i#{4d1e55b2-f16f-11cf-88cb-001111000030}"));
    }

    // What a port reports for what is attached to it, as the kernel shows it.
    void portConnections_data()
    {
        QTest::addColumn<QByteArray>("configuration"); // null: nothing attached
        QTest::addColumn<QByteArray>("driver"); // of the device's interface
        QTest::addColumn<bool>("attached");
        QTest::addColumn<int>("configurationValue");
        QTest::addColumn<bool>("bound");
        QTest::newRow("nothing attached") << QByteArray() << QByteArray() << false << 0 << false;
        QTest::newRow("configured, driver bound") << QByteArray("1") << QByteArray("usbhid") << true << 1 << true;
        QTest::newRow("configured, no driver") << QByteArray("1") << QByteArray() << true << 1 << false;
        QTest::newRow("not configured") << QByteArray("") << QByteArray() << true << 0 << false;
    }
    void portConnections()
    {
        QFETCH(QByteArray, configuration);
        QFETCH(QByteArray, driver);
        Recording recording;
        const QString hub = recording.device(recording.rootHub(1), 2, 0x0bb4, 0x2134, 1, "1", 7);
        if (!configuration.isNull()) {
            const QString device = recording.device(hub, 5, 0x0bb4, 0x2c87, 1, configuration);
            // An unconfigured device has no interfaces.
            if (!configuration.isEmpty())
                recording.interface(device, 0, driver);
        }
        QVERIFY(FakeDevices::load(recording.text(), m_root->path()));
        QCOMPARE(DeviceReader::hubPortCount(m_root->path(), QStringLiteral("1-2")), 7);
        UsbPortConnection connection;
        int error = -1;
        QVERIFY(DeviceReader::hubPortConnection(m_root->path(), QStringLiteral("1-2"), 5, &connection, &error));
        QCOMPARE(error, 0);
        QTEST(connection.attached, "attached");
        QTEST(connection.configuration, "configurationValue");
        QTEST(connection.interfacesBound, "bound");
        // The neighbouring port is empty either way.
        QVERIFY(DeviceReader::hubPortConnection(m_root->path(), QStringLiteral("1-2"), 4, &connection, &error));
        QVERIFY(!connection.attached);
    }

    void hubThatWentAway()
    {
        Recording recording;
        recording.rootHub(1);
        QVERIFY(FakeDevices::load(recording.text(), m_root->path()));
        UsbPortConnection connection;
        int error = 0;
        QVERIFY(!DeviceReader::hubPortConnection(m_root->path(), QStringLiteral("1-2"), 1, &connection, &error));
        QCOMPARE(error, ENOENT);
        QCOMPARE(DeviceReader::hubPortCount(m_root->path(), QStringLiteral("1-2")), 0);
    }

    void hubsInBusOrder()
    {
        Recording recording;
        // The USB3 twin on bus 2 is recorded first, and bus 10 sorts after bus 2.
        const QString usb3 = recording.device(recording.rootHub(2), 1, 0x0bb4, 0x2134, 1, "1", 4);
        recording.device(recording.rootHub(10), 1, 0x05e3, 0x0610, 1, "1", 4);
        recording.device(recording.rootHub(1), 2, 0x0bb4, 0x2134, 1, "1", 7);
        recording.device(usb3, 1, 0x046d, 0xc52b); // not a hub
        recording.setAttribute(usb3, "serial", "HUB3SERIAL");
        QVERIFY(FakeDevices::load(recording.text(), m_root->path()));
        const DeviceList<UsbHub> hubs = DeviceReader::usbHubs(m_root->path());
        QCOMPARE(hubs.error, 0);
        QCOMPARE(hubNames(hubs),
            (QStringList { QStringLiteral("1-2"), QStringLiteral("usb1"), QStringLiteral("2-1"), QStringLiteral("usb2"),
                QStringLiteral("10-1"), QStringLiteral("usb10") }));
        QVERIFY(hubs.items.at(0).devicePath.startsWith(HeadsetHubPath + QStringLiteral("1-2#")));
        // A serial number names the instance, as it does on Windows.
        QVERIFY(hubs.items.at(2).devicePath.startsWith(HeadsetHubPath + QStringLiteral("HUB3SERIAL#")));
    }

    void hubWithoutIds()
    {
        Recording recording;
        const QString hub = recording.device(recording.rootHub(1), 2, 0x0bb4, 0x2134, 1, "1", 7);
        recording.setAttribute(hub, "idVendor", QByteArray());
        QVERIFY(FakeDevices::load(recording.text(), m_root->path()));
        const DeviceList<UsbHub> hubs = DeviceReader::usbHubs(m_root->path());
        QCOMPARE(hubs.items.size(), 2);
        QCOMPARE(hubs.items.at(0).name, QStringLiteral("1-2"));
        QVERIFY(hubs.items.at(0).devicePath.isEmpty());
    }

    // No USB bus or no hidraw class in the kernel: empty lists, no failure. A listing
    // that cannot be read is one.
    void listingsWithoutFolders()
    {
        QCOMPARE(DeviceReader::usbHubs(m_root->path()).error, 0);
        QCOMPARE(DeviceReader::hidInterfaces(m_root->path()).error, 0);
        QVERIFY(QDir().mkpath(m_root->filePath(QStringLiteral("sys/bus/usb"))));
        QVERIFY(QDir().mkpath(m_root->filePath(QStringLiteral("sys/class"))));
        for (const QString &path : { QStringLiteral("sys/bus/usb/devices"), QStringLiteral("sys/class/hidraw") }) {
            QFile file(m_root->filePath(path));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QCOMPARE(DeviceReader::usbHubs(m_root->path()).error, ENOTDIR);
        QCOMPARE(DeviceReader::hidInterfaces(m_root->path()).error, ENOTDIR);
    }

    void hidInterfacePaths()
    {
        Recording recording;
        const QString hub = recording.device(recording.rootHub(1), 2, 0x0bb4, 0x2134, 1, "1", 7);
        const QString tracker = recording.device(hub, 1, 0x28de, 0x2000, 2);
        recording.hidraw(recording.interface(tracker, 0, "usbhid"), 0x28de, 0x2000);
        recording.hidraw(recording.interface(tracker, 1, "usbhid"), 0x28de, 0x2000);
        const QString mcu = recording.device(hub, 5, 0x0bb4, 0x2c87, 1);
        recording.hidraw(recording.interface(mcu, 0, "usbhid"), 0x0bb4, 0x2c87);
        // A Bluetooth controller below its adapter's interface.
        const QString adapter = recording.device(recording.rootHub(3), 1, 0x8087, 0x0029, 2);
        recording.hidraw(recording.interface(adapter, 0, "btusb"), 0x28de, 0x2101, 0x0005);
        QVERIFY(FakeDevices::load(recording.text(), m_root->path()));
        const DeviceList<QString> interfaces = DeviceReader::hidInterfaces(m_root->path());
        QCOMPARE(interfaces.error, 0);
        const QString guid = QStringLiteral("#{4d1e55b2-f16f-11cf-88cb-001111000030}");
        QCOMPARE(interfaces.items,
            (QStringList { QStringLiteral("\\\\?\\HID#VID_28DE&PID_2000&MI_00#0003&28de&2000&0001") + guid,
                QStringLiteral("\\\\?\\HID#VID_28DE&PID_2000&MI_01#0003&28de&2000&0002") + guid,
                QStringLiteral("\\\\?\\HID#VID_0BB4&PID_2C87#0003&0bb4&2c87&0003") + guid,
                QStringLiteral("\\\\?\\HID#VID_28DE&PID_2101#0005&28de&2101&0004") + guid }));
    }

    // A recording of the headset's hub, its USB3 twin and the four functions on it,
    // replayed as sysfs files.
    void recordedHeadset()
    {
        QFile file(QStringLiteral(NOVA_TEST_DATA "/headset-hub.umockdev"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QString error;
        QVERIFY2(FakeDevices::load(file.readAll(), m_root->path(), &error), qPrintable(error));
        const QString root = m_root->path();
        const DeviceList<UsbHub> hubs = DeviceReader::usbHubs(root);
        QCOMPARE(hubNames(hubs),
            (QStringList {
                QStringLiteral("1-2"), QStringLiteral("usb1"), QStringLiteral("2-1"), QStringLiteral("usb2") }));
        QVERIFY(hubs.items.at(0).devicePath.contains(QStringLiteral("VID_0BB4&PID_2134")));
        QVERIFY(hubs.items.at(2).devicePath.contains(QStringLiteral("VID_0BB4&PID_2134")));
        QCOMPARE(DeviceReader::hubPortCount(root, QStringLiteral("1-2")), 7);
        QList<int> attached;
        for (int port = 1; port <= 7; ++port) {
            UsbPortConnection connection;
            int error = 0;
            QVERIFY(DeviceReader::hubPortConnection(root, QStringLiteral("1-2"), port, &connection, &error));
            if (connection.attached) {
                attached.append(port);
                QCOMPARE(connection.configuration, 1);
                QVERIFY(connection.interfacesBound);
            }
        }
        QCOMPARE(attached, (QList<int> { 1, 5, 6, 7 }));
        const QStringList hid = DeviceReader::hidInterfaces(root).items;
        QCOMPARE(hid.size(), 5);
        QVERIFY(hid.at(0).contains(QStringLiteral("VID_28DE&PID_2000&MI_00")));
        QVERIFY(hid.at(1).contains(QStringLiteral("VID_28DE&PID_2000&MI_01")));
        QVERIFY(hid.at(2).contains(QStringLiteral("VID_0BB4&PID_2C87#")));
        QVERIFY(hid.at(3).contains(QStringLiteral("VID_28DE&PID_2101#")));
        QVERIFY(hid.at(4).contains(QStringLiteral("VID_28DE&PID_2101#")));
    }

    void badRecordings_data()
    {
        QTest::addColumn<QByteArray>("recording");
        QTest::newRow("no P: line") << QByteArray("A: idVendor=0bb4\n");
        QTest::newRow("unknown type") << QByteArray("P: /devices/x\nQ: what=1\n");
        QTest::newRow("no blank after the colon") << QByteArray("P:/devices/x\n");
    }
    void badRecordings()
    {
        QFETCH(QByteArray, recording);
        QString error;
        QVERIFY(!FakeDevices::load(recording, m_root->path(), &error));
        QVERIFY(!error.isEmpty());
    }

private:
    std::unique_ptr<QTemporaryDir> m_root;
};

QTEST_GUILESS_MAIN(TestDevices)
#include "tst_devices.moc"
