#include "SandboxMachine.h"

#include "platform/Folders.h"
#include "platform/Machine.h"
#include "platform/Power.h"
#include "platform/SystemInfo.h"
#include "platform/linux/DesktopUser.h"

#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryFile>
#include <QTest>

#include <memory>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

using platform::Folders;
using platform::SystemInfo;

Q_DECLARE_METATYPE(platform::SystemInfo::Architecture)

namespace {

bool isPrivate(const QString &folder)
{
    const QFile::Permissions owner = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther
        | QFile::WriteOther | QFile::ExeOther;
    const QFile::Permissions permissions = QFileInfo(folder).permissions();
    return (permissions & owner) == owner && !(permissions & others);
}

} // namespace

class TestMachine : public QObject {
    Q_OBJECT

private slots:
    void init() { m_machine = std::make_unique<SandboxMachine>(); }
    void cleanup() { m_machine.reset(); }

    void foldersLieInsideTheSandbox()
    {
        const QString root = m_machine->root();
        for (const QString &folder : { Folders::programData(), Folders::desktop(), Folders::localAppData(),
                 Folders::tempFolder(), Folders::programFiles() }) {
            QVERIFY2(folder.startsWith(root + QLatin1Char('/')), qPrintable(folder));
            QVERIFY2(QFileInfo(folder).isDir(), qPrintable(folder));
        }
        QCOMPARE(Folders::systemDriveRoot(), root);
        QVERIFY(isPrivate(Folders::tempFolder()));
    }

    void hostTempFolderIsPrivate()
    {
        m_machine.reset(); // the host's own places
        const QString temp = Folders::tempFolder();
        QVERIFY(!temp.isEmpty());
        QVERIFY(!temp.startsWith(QLatin1String("/tmp/")));
        QVERIFY(isPrivate(temp));
    }

    void desktopFolderOfAUser_data()
    {
        QTest::addColumn<QByteArray>("userDirs");
        QTest::addColumn<QString>("desktop");
        QTest::newRow("no user-dirs file") << QByteArray() << QStringLiteral("/home/ana/Desktop");
        QTest::newRow("translated name") << QByteArray("# comment\nXDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n")
                                         << QStringLiteral("/home/ana/Schreibtisch");
        QTest::newRow("the home itself") << QByteArray("XDG_DESKTOP_DIR=\"$HOME\"") << QStringLiteral("/home/ana");
        QTest::newRow("absolute") << QByteArray("XDG_DESKTOP_DIR=\"/data/desk\"") << QStringLiteral("/data/desk");
        QTest::newRow("relative: ignored")
            << QByteArray("XDG_DESKTOP_DIR=\"desk\"") << QStringLiteral("/home/ana/Desktop");
        QTest::newRow("other folders only")
            << QByteArray("XDG_DOWNLOAD_DIR=\"$HOME/Downloads\"") << QStringLiteral("/home/ana/Desktop");
    }
    void desktopFolderOfAUser()
    {
        QFETCH(QByteArray, userDirs);
        QFETCH(QString, desktop);
        QCOMPARE(platform::desktopFolderOf(QStringLiteral("/home/ana"), userDirs), desktop);
    }

    // Run as root for a desktop user, the desktop and what is put there are that user's.
    void asRootTheDesktopIsTheDesktopUsers()
    {
        if (::geteuid() != 0)
            QSKIP("needs root");
        m_machine.reset(); // the host's own places
        QTemporaryFile file;
        QVERIFY(file.open());
        qputenv("SUDO_UID", "65534");
        const QString desktop = Folders::desktop();
        const bool given = Folders::giveToDesktopUser(file.fileName());
        qunsetenv("SUDO_UID");

        const passwd *nobody = ::getpwuid(65534);
        QVERIFY(nobody);
        QCOMPARE(desktop, QFile::decodeName(nobody->pw_dir) + QStringLiteral("/Desktop"));
        QVERIFY(given);
        struct stat info;
        QCOMPARE(::stat(QFile::encodeName(file.fileName()).constData(), &info), 0);
        QCOMPARE(info.st_uid, uid_t(65534));
        QVERIFY(Folders::desktop() != desktop);
    }

    void architectureNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<SystemInfo::Architecture>("architecture");
        QTest::newRow("profile x64") << QStringLiteral("x64") << SystemInfo::Architecture::X64;
        QTest::newRow("profile x86") << QStringLiteral("x86") << SystemInfo::Architecture::X86;
        QTest::newRow("kernel x86_64") << QStringLiteral("x86_64") << SystemInfo::Architecture::X64;
        QTest::newRow("AMD64, any case") << QStringLiteral("AMD64") << SystemInfo::Architecture::X64;
        QTest::newRow("kernel i686") << QStringLiteral("i686") << SystemInfo::Architecture::X86;
        QTest::newRow("kernel i386") << QStringLiteral("i386") << SystemInfo::Architecture::X86;
        QTest::newRow("i786 is no name") << QStringLiteral("i786") << SystemInfo::Architecture::Unknown;
        QTest::newRow("arm64 kernel") << QStringLiteral("aarch64") << SystemInfo::Architecture::Unknown;
        QTest::newRow("arm64") << QStringLiteral("arm64") << SystemInfo::Architecture::Unknown;
        QTest::newRow("x86_64 with more") << QStringLiteral("x86_64_v2") << SystemInfo::Architecture::Unknown;
        QTest::newRow("empty") << QString() << SystemInfo::Architecture::Unknown;
    }
    void architectureNames()
    {
        QFETCH(QString, name);
        QTEST(SystemInfo::architectureFromName(name), "architecture");
    }

    void nativeArchitectureFromProfileElseKernel()
    {
        // Without the key, the kernel answers: a 64-bit x86 build runs on a 64-bit kernel.
        if (QSysInfo::currentCpuArchitecture() == QLatin1String("x86_64"))
            QCOMPARE(SystemInfo::nativeArchitecture(), SystemInfo::Architecture::X64);
        m_machine->writeProfile({ { QStringLiteral("nativeArchitecture"), QStringLiteral("x86") } });
        QCOMPARE(SystemInfo::nativeArchitecture(), SystemInfo::Architecture::X86);
        m_machine->writeProfile({ { QStringLiteral("nativeArchitecture"), QStringLiteral("ARM64") } });
        QCOMPARE(SystemInfo::nativeArchitecture(), SystemInfo::Architecture::Unknown);
    }

    void profileOverridesTheHostsFacts()
    {
        m_machine->writeProfile({ { QStringLiteral("cpu"), QStringLiteral("Intel(R) Core(TM) i7-9700K CPU @ 3.60GHz") },
            { QStringLiteral("os"), QStringLiteral("Windows 10 Pro") },
            { QStringLiteral("windowsVersion"), QStringLiteral("10.0.19045") }, { QStringLiteral("os64bit"), false },
            { QStringLiteral("administrator"), false },
            { QStringLiteral("osManufacturer"), QStringLiteral("Microsoft Corporation") },
            { QStringLiteral("productUuid"), QStringLiteral("4C4C4544-0047-3010-8052-B4C04F4B4E32") } });
        QCOMPARE(SystemInfo::cpuBrand(), QStringLiteral("Intel(R) Core(TM) i7-9700K CPU @ 3.60GHz"));
        QCOMPARE(SystemInfo::osName(), QStringLiteral("Windows 10 Pro"));
        QCOMPARE(SystemInfo::osVersion(), QStringLiteral("10.0.19045"));
        QVERIFY(!SystemInfo::is64Bit());
        QVERIFY(!SystemInfo::isAdministrator());
        QCOMPARE(SystemInfo::osManufacturer(), QStringLiteral("Microsoft Corporation"));
        QCOMPARE(SystemInfo::productUuid(), QStringLiteral("4C4C4544-0047-3010-8052-B4C04F4B4E32"));
    }

    void factsComeFromTheHardwareRootWithoutAProfile()
    {
        QDir().mkpath(m_machine->path(QStringLiteral("hw/proc")));
        QDir().mkpath(m_machine->path(QStringLiteral("hw/usr/lib")));
        QFile cpu(m_machine->path(QStringLiteral("hw/proc/cpuinfo")));
        QVERIFY(cpu.open(QIODevice::WriteOnly));
        cpu.write("processor\t: 0\nmodel name\t: AMD Ryzen 7 3700X 8-Core Processor\n");
        cpu.close();
        QFile os(m_machine->path(QStringLiteral("hw/usr/lib/os-release")));
        QVERIFY(os.open(QIODevice::WriteOnly));
        os.write("NAME=\"Debian GNU/Linux\"\nPRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\n");
        os.close();
        QCOMPARE(SystemInfo::cpuBrand(), QStringLiteral("AMD Ryzen 7 3700X 8-Core Processor"));
        QCOMPARE(SystemInfo::osName(), QStringLiteral("Debian GNU/Linux 12 (bookworm)"));
        QCOMPARE(SystemInfo::osVersion(), QSysInfo::productVersion());
        QCOMPARE(SystemInfo::osManufacturer(), QStringLiteral("Debian GNU/Linux"));
    }

    void productUuidPrefersTheFirmwaresOverTheMachineId()
    {
        const auto write = [this](const QString &relative, const QByteArray &data) {
            QDir().mkpath(QFileInfo(m_machine->path(relative)).path());
            QFile file(m_machine->path(relative));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(data);
        };
        QCOMPARE(SystemInfo::productUuid(), QString());
        write(QStringLiteral("hw/etc/machine-id"), "0123456789abcdef0123456789abcdef\n");
        QCOMPARE(SystemInfo::productUuid(), QStringLiteral("01234567-89AB-CDEF-0123-456789ABCDEF"));
        write(QStringLiteral("hw/sys/class/dmi/id/product_uuid"), "4c4c4544-0047-3010-8052-b4c04f4b4e32\n");
        QCOMPARE(SystemInfo::productUuid(), QStringLiteral("4C4C4544-0047-3010-8052-B4C04F4B4E32"));
    }

    void machineIdAsUuid_data()
    {
        QTest::addColumn<QByteArray>("machineId");
        QTest::addColumn<QString>("uuid");
        QTest::newRow("systemd") << QByteArray("a1b2c3d4e5f60718293a4b5c6d7e8f90\n")
                                 << QStringLiteral("A1B2C3D4-E5F6-0718-293A-4B5C6D7E8F90");
        QTest::newRow("too short") << QByteArray("a1b2c3") << QString();
        QTest::newRow("not hexadecimal") << QByteArray("z1b2c3d4e5f60718293a4b5c6d7e8f90") << QString();
        QTest::newRow("uninitialized") << QByteArray("uninitialized\n") << QString();
    }
    void machineIdAsUuid()
    {
        QFETCH(QByteArray, machineId);
        QFETCH(QString, uuid);
        QCOMPARE(SystemInfo::uuidFromMachineId(machineId), uuid);
    }

    void malformedProfileIsIgnoredWithAWarning()
    {
        QFile file(m_machine->path(QStringLiteral("machine.json")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("{ \"cpu\": ");
        file.close();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("machine.json is not valid JSON")));
        QVERIFY(platform::Machine::profile().isEmpty());
    }

    void cpuInfoModelName_data()
    {
        QTest::addColumn<QByteArray>("cpuinfo");
        QTest::addColumn<QString>("brand");
        QTest::newRow("x86") << QByteArray(
            "processor\t: 0\nvendor_id\t: GenuineIntel\nmodel name\t: Intel(R)  Core(TM) i5 \n")
                             << QStringLiteral("Intel(R) Core(TM) i5");
        QTest::newRow("first of many") << QByteArray("model name: A\nmodel name: B\n") << QStringLiteral("A");
        QTest::newRow("arm64 has none") << QByteArray("processor\t: 0\nBogoMIPS\t: 48.00\n") << QString();
        QTest::newRow("empty") << QByteArray() << QString();
    }
    void cpuInfoModelName()
    {
        QFETCH(QByteArray, cpuinfo);
        QFETCH(QString, brand);
        QCOMPARE(SystemInfo::cpuBrandFromCpuInfo(cpuinfo), brand);
    }

    void osReleasePrettyName_data()
    {
        QTest::addColumn<QByteArray>("osRelease");
        QTest::addColumn<QString>("name");
        QTest::newRow("double quotes") << QByteArray("ID=debian\nPRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\n")
                                       << QStringLiteral("Debian GNU/Linux 12 (bookworm)");
        QTest::newRow("single quotes") << QByteArray("PRETTY_NAME='Fedora 39'") << QStringLiteral("Fedora 39");
        QTest::newRow("unquoted") << QByteArray("PRETTY_NAME=Arch") << QStringLiteral("Arch");
        QTest::newRow("escaped quote") << QByteArray("PRETTY_NAME=\"My \\\"OS\\\"\"") << QStringLiteral("My \"OS\"");
        QTest::newRow("missing") << QByteArray("NAME=x\n") << QString();
        QTest::newRow("not a prefix match") << QByteArray("XPRETTY_NAME=y\n") << QString();
        QTest::newRow("longer field name") << QByteArray("PRETTY_NAME_X=z\nPRETTY_NAME=w") << QStringLiteral("w");
    }
    void osReleasePrettyName()
    {
        QFETCH(QByteArray, osRelease);
        QFETCH(QString, name);
        QCOMPARE(SystemInfo::prettyNameFromOsRelease(osRelease), name);
    }

    void restartIsOnlyRecordedInASandbox()
    {
        QVERIFY(platform::Power::restart(0));
        QVERIFY(platform::Power::restart(0));
        QVERIFY(platform::Power::restart(6));
        QFile record(m_machine->path(QStringLiteral("restarts.log")));
        QVERIFY(record.open(QIODevice::ReadOnly));
        const QByteArray lines = record.readAll();
        QCOMPARE(lines.count("restart\n"), 2);
        QCOMPARE(lines.count(" restart after 6 s\n"), 1);
        QCOMPARE(lines.count('\n'), 3);
    }

    // Root and the desktop user share one set of object folders; a process that is not
    // root has a private one only while the shared one does not exist.
    void objectRootOfARealMachine_data()
    {
        QTest::addColumn<bool>("sharedRootExists");
        QTest::addColumn<bool>("asRoot");
        QTest::addColumn<QString>("runtimeDir");
        QTest::addColumn<QString>("objectRoot");
        const QString shared = QStringLiteral("/run/nova");
        const QString runtime = QStringLiteral("/run/user/1000");
        QTest::newRow("root, made before") << true << true << runtime << shared;
        QTest::newRow("root, first") << false << true << QString() << shared;
        QTest::newRow("user, shared exists") << true << false << runtime << shared;
        QTest::newRow("user alone") << false << false << runtime << QStringLiteral("/run/user/1000/nova");
        QTest::newRow("user without a runtime folder") << false << false << QString() << shared;
    }
    void objectRootOfARealMachine()
    {
        QFETCH(bool, sharedRootExists);
        QFETCH(bool, asRoot);
        QFETCH(QString, runtimeDir);
        QFETCH(QString, objectRoot);
        QCOMPARE(platform::Machine::objectRootFor(sharedRootExists, asRoot, runtimeDir), objectRoot);
    }

    void objectFolderChecks_data()
    {
        QTest::addColumn<bool>("isFolder");
        QTest::addColumn<uint>("owner");
        QTest::addColumn<uint>("mode");
        QTest::addColumn<uint>("expectedMode");
        QTest::addColumn<QString>("refusal");
        const uint me = 1000;
        QTest::newRow("root's, as expected") << true << 0u << 01777u << 01777u << QString();
        QTest::newRow("ours, mode to be set") << true << me << 0700u << 0755u << QString();
        QTest::newRow("root's, writable by all without sticky bit")
            << true << 0u << 0777u << 01777u << QStringLiteral("/f has mode 777 where 1777 is expected, refused");
        QTest::newRow("root's, closed to others")
            << true << 0u << 0700u << 0755u << QStringLiteral("/f has mode 700 where 755 is expected, refused");
        QTest::newRow("another user's") << true << 65534u << 0755u << 0755u
                                        << QStringLiteral("/f is owned by uid 65534, refused");
        QTest::newRow("a link or a file")
            << false << me << 0777u << 0755u << QStringLiteral("/f is not a folder, refused");
    }
    void objectFolderChecks()
    {
        QFETCH(bool, isFolder);
        QFETCH(uint, owner);
        QFETCH(uint, mode);
        QFETCH(uint, expectedMode);
        QFETCH(QString, refusal);
        QCOMPARE(platform::Machine::folderRefusal(QStringLiteral("/f"), { isFolder, owner, mode }, expectedMode, 1000),
            refusal);
    }

private:
    std::unique_ptr<SandboxMachine> m_machine;
};

QTEST_GUILESS_MAIN(TestMachine)
#include "tst_machine.moc"
