#include "SandboxMachine.h"

#include "platform/Registry.h"

#include <QDir>
#include <QTest>
#include <QThread>

#include <memory>

#include <sys/stat.h>
#include <unistd.h>

using platform::Registry;

namespace {

const QString Key = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\KeltNova");
const QString MachineHive = QStringLiteral("registry/machine/HKEY_LOCAL_MACHINE.db");

// An ordinary user other than us; tests that play one need root.
constexpr uint OtherUser = 65534;

int runHelper(const QStringList &arguments)
{
    return QProcess::execute(builtProgram(QStringLiteral("nova-test-helper")), arguments);
}

} // namespace

class TestRegistry : public QObject {
    Q_OBJECT

private slots:
    void init() { m_machine = std::make_unique<SandboxMachine>(); }
    void cleanup() { m_machine.reset(); }

    void valuesWrittenByAnotherProcessAreRead()
    {
        QCOMPARE(QProcess::execute(builtProgram(QStringLiteral("nova-test-helper")),
                     { QStringLiteral("reg-write"), Key, QStringLiteral("Value"), QStringLiteral("3") }),
            0);
        QCOMPARE(Registry::read(Key, QStringLiteral("Value2")), QVariant(2));
        // Key paths, hive names and value names ignore case; slashes count as backslashes.
        QCOMPARE(Registry::read(QStringLiteral("hklm\\SOFTWARE\\keltnova\\"), QStringLiteral("VALUE1")), QVariant(1));
        QCOMPARE(Registry::read(QStringLiteral("HKLM/Software//KeltNova"), QStringLiteral("value0")), QVariant(0));
    }

    void concurrentWritersFromTwoProcessesLoseNothing()
    {
        QProcess first, second;
        const QString helper = builtProgram(QStringLiteral("nova-test-helper"));
        first.start(helper, { QStringLiteral("reg-write"), Key, QStringLiteral("first"), QStringLiteral("300") });
        second.start(helper, { QStringLiteral("reg-write"), Key, QStringLiteral("second"), QStringLiteral("300") });
        QVERIFY(first.waitForFinished(60000));
        QVERIFY(second.waitForFinished(60000));
        QCOMPARE(first.exitCode(), 0);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(Registry::valueNames(Key).size(), 600);
        QCOMPARE(Registry::read(Key, QStringLiteral("first299")), QVariant(299));
        QCOMPARE(Registry::read(Key, QStringLiteral("second0")), QVariant(0));
    }

    void writesOfACrashedProcessAreKept_data()
    {
        QTest::addColumn<QString>("death");
        QTest::newRow("killed") << QStringLiteral("kill");
        QTest::newRow("aborted") << QStringLiteral("abort");
    }
    void writesOfACrashedProcessAreKept()
    {
        QFETCH(QString, death);
        QVERIFY(Registry::write(Key, QStringLiteral("parent"), 1)); // our connection is open meanwhile
        QProcess writer;
        writer.start(builtProgram(QStringLiteral("nova-test-helper")),
            { QStringLiteral("reg-write-crash"), Key, QStringLiteral("child"), QStringLiteral("50"), death });
        QVERIFY(writer.waitForFinished(60000));
        QCOMPARE(writer.exitStatus(), QProcess::CrashExit);
        QCOMPARE(Registry::valueNames(Key).size(), 51);
        QCOMPARE(Registry::read(Key, QStringLiteral("child49")), QVariant(49));
        QVERIFY(Registry::write(Key, QStringLiteral("after"), 2)); // the hive is still writable
        QCOMPARE(runHelper({ QStringLiteral("reg-read"), Key, QStringLiteral("after") }), 0);
    }

    void flushLeavesEverythingInTheHiveFile()
    {
        QVERIFY(Registry::write(Key, QStringLiteral("Version"), QStringLiteral("1.0")));
        // The hive file alone, without its log, as a power cut could leave it.
        const auto hiveFileAlone = [this] {
            SandboxMachine copy;
            QDir().mkpath(copy.path(QStringLiteral("registry/machine")));
            QFile::copy(m_machine->path(MachineHive), copy.path(MachineHive));
            return Registry::read(Key, QStringLiteral("Version"));
        };
        QVERIFY(!hiveFileAlone().isValid()); // committed to the log only
        QVERIFY(Registry::flush());
        QCOMPARE(hiveFileAlone(), QVariant(QStringLiteral("1.0")));
        QVERIFY(Registry::flush()); // nothing left to sync
    }

    void removedOrReplacedHivesAreRecreated_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("file removed") << QStringLiteral("file");
        QTest::newRow("folder removed") << QStringLiteral("folder");
        QTest::newRow("file replaced") << QStringLiteral("replace");
    }
    void removedOrReplacedHivesAreRecreated()
    {
        QFETCH(QString, change);
        QVERIFY(Registry::write(Key, QStringLiteral("old"), 1));
        const QString hive = m_machine->path(MachineHive);
        if (change == QLatin1String("folder")) {
            QVERIFY(QDir(m_machine->path(QStringLiteral("registry"))).removeRecursively());
        } else {
            for (const char *suffix : { "", "-wal", "-shm" })
                QVERIFY(QFile::remove(hive + QLatin1String(suffix)));
            if (change == QLatin1String("replace"))
                QVERIFY(QFile(hive).open(QIODevice::WriteOnly)); // an empty store
        }
        QVERIFY(!Registry::read(Key, QStringLiteral("old")).isValid());
        QVERIFY(Registry::write(Key, QStringLiteral("new"), 2));
        QVERIFY(QFile::exists(hive));
        QCOMPARE(Registry::read(Key, QStringLiteral("new")), QVariant(2));
        // Another process sees it in the file that is there now.
        QCOMPARE(runHelper({ QStringLiteral("reg-read"), Key, QStringLiteral("new") }), 0);
    }

    void writersOnTwoThreadsLoseNothing()
    {
        const auto writeMany = [](const QString &prefix) {
            return QThread::create([prefix] {
                for (int i = 0; i < 200; ++i) {
                    Registry::write(Key, prefix + QString::number(i), i);
                    Registry::read(Key, prefix + QString::number(i));
                }
            });
        };
        std::unique_ptr<QThread> first(writeMany(QStringLiteral("first")));
        std::unique_ptr<QThread> second(writeMany(QStringLiteral("second")));
        first->start();
        second->start();
        QVERIFY(first->wait(60000));
        QVERIFY(second->wait(60000));
        QCOMPARE(Registry::valueNames(Key).size(), 400);
        QCOMPARE(Registry::read(Key, QStringLiteral("second199")), QVariant(199));
    }

    void anotherUserWritesOnlyWhenTheHiveModeLetsIt_data()
    {
        QTest::addColumn<bool>("shared");
        QTest::addColumn<bool>("writerEnded");
        for (const bool ended : { false, true }) {
            const char *writer = ended ? "writer ended" : "writer open";
            QTest::addRow("hive as made, %s", writer) << false << ended;
            QTest::addRow("hive made writable for all, %s", writer) << true << ended;
        }
    }
    void anotherUserWritesOnlyWhenTheHiveModeLetsIt()
    {
        QFETCH(bool, shared);
        QFETCH(bool, writerEnded);
        if (::geteuid() != 0)
            QSKIP("needs root");
        QCOMPARE(::chmod(QFile::encodeName(m_machine->root()).constData(), 0711), 0); // others may pass
        if (shared) {
            // Set up before the first write, as an administrator shares a store.
            const QString folder = m_machine->path(QStringLiteral("registry/machine"));
            QVERIFY(QDir().mkpath(folder));
            QVERIFY(QFile(m_machine->path(MachineHive)).open(QIODevice::WriteOnly));
            QCOMPARE(::chmod(QFile::encodeName(folder).constData(), 0777), 0);
            QCOMPARE(::chmod(QFile::encodeName(m_machine->path(MachineHive)).constData(), 0666), 0);
        }
        QVERIFY(writerEnded
                ? runHelper({ QStringLiteral("reg-write"), Key, QStringLiteral("Value"), QStringLiteral("1") }) == 0
                : Registry::write(Key, QStringLiteral("Value0"), 0));
        const QStringList asOther { QStringLiteral("--uid"), QString::number(OtherUser) };
        QCOMPARE(runHelper(asOther + QStringList { QStringLiteral("reg-read"), Key, QStringLiteral("Value0") }), 0);
        QCOMPARE(runHelper(asOther
                     + QStringList { QStringLiteral("reg-write"), Key, QStringLiteral("other"), QStringLiteral("1") })
                == 0,
            shared);
        QCOMPARE(Registry::read(Key, QStringLiteral("other0")).isValid(), shared);
    }

    void missingValuesReadAsInvalid()
    {
        QVERIFY(!Registry::read(Key, QStringLiteral("Version")).isValid()); // no hive file yet
        QVERIFY(Registry::write(Key, QStringLiteral("Version"), QStringLiteral("1.0")));
        QVERIFY(!Registry::read(Key, QStringLiteral("Versio")).isValid());
        QVERIFY(!Registry::read(Key + QStringLiteral("\\Sub"), QStringLiteral("Version")).isValid());
        QVERIFY(!Registry::read(QStringLiteral("HKEY_CURRENT_USER\\Software\\KeltNova"), QStringLiteral("Version"))
                     .isValid());
        QVERIFY(!Registry::read(QStringLiteral("HKEY_NOWHERE\\Software"), QStringLiteral("Version")).isValid());
        QVERIFY(!Registry::read(QString(), QString()).isValid());
    }

    void valuesKeepTheirTypes_data()
    {
        QTest::addColumn<QVariant>("written");
        QTest::addColumn<QVariant>("read");
        QTest::newRow("text") << QVariant(QStringLiteral("C:\\Program Files\\KeltNova"))
                              << QVariant(QStringLiteral("C:\\Program Files\\KeltNova"));
        QTest::newRow("unicode text") << QVariant(QString::fromUtf8("日本語")) << QVariant(QString::fromUtf8("日本語"));
        QTest::newRow("empty text") << QVariant(QString()) << QVariant(QString());
        QTest::newRow("32-bit") << QVariant(-5) << QVariant(-5);
        QTest::newRow("32-bit unsigned") << QVariant(0xFFFFFFFFu) << QVariant(-1);
        QTest::newRow("64-bit") << QVariant(Q_INT64_C(8589934592)) << QVariant(Q_INT64_C(8589934592));
        QTest::newRow("binary") << QVariant(QByteArray("\0\1\2", 3)) << QVariant(QByteArray("\0\1\2", 3));
        QTest::newRow("bool as text") << QVariant(true) << QVariant(QStringLiteral("true"));
    }
    void valuesKeepTheirTypes()
    {
        QFETCH(QVariant, written);
        QFETCH(QVariant, read);
        QVERIFY(Registry::write(Key, QStringLiteral("Value"), written));
        const QVariant value = Registry::read(Key, QStringLiteral("Value"));
        QCOMPARE(value.userType(), read.userType());
        QCOMPARE(value, read);
    }

    void valueNamesListDeleteAndOverwrite()
    {
        QVERIFY(Registry::valueNames(Key).isEmpty());
        QVERIFY(Registry::write(Key, QStringLiteral("beta"), 1));
        QVERIFY(Registry::write(Key, QStringLiteral("Alpha"), 2));
        QVERIFY(Registry::write(Key, QStringLiteral("ALPHA"), 3)); // same value, new spelling
        QVERIFY(Registry::write(Key + QStringLiteral("\\Sub"), QStringLiteral("gamma"), 4));
        QCOMPARE(Registry::valueNames(Key), (QStringList { QStringLiteral("ALPHA"), QStringLiteral("beta") }));
        QCOMPARE(Registry::read(Key, QStringLiteral("alpha")), QVariant(3));

        QVERIFY(Registry::remove(Key, QStringLiteral("Beta")));
        QVERIFY(!Registry::remove(Key, QStringLiteral("Beta")));
        QVERIFY(!Registry::remove(QStringLiteral("HKCU\\Nothing"), QStringLiteral("x")));
        QCOMPARE(Registry::valueNames(Key), QStringList { QStringLiteral("ALPHA") });
        QVERIFY(Registry::flush());
    }

    void valueNameWithASubKeyReadsTheSubKey()
    {
        QVERIFY(
            Registry::write(Key + QStringLiteral("\\Updater"), QStringLiteral("AppPath"), QStringLiteral("/opt/u")));
        QCOMPARE(Registry::read(Key, QStringLiteral("Updater\\AppPath")), QVariant(QStringLiteral("/opt/u")));
        QCOMPARE(Registry::read(Key, QStringLiteral("updater/apppath")), QVariant(QStringLiteral("/opt/u")));
    }

    void literalValueNamesKeepTheirSeparators()
    {
        const QString layers = Key + QStringLiteral("\\Layers");
        const QString path = QStringLiteral("C:\\Program Files\\App\\app.exe");
        QVERIFY(Registry::writeLiteral(layers, path, QStringLiteral("~ WIN7RTM")));
        QCOMPARE(Registry::valueNames(layers), QStringList { path });
        QVERIFY(Registry::removeLiteral(layers, path.toLower()));
        QVERIFY(Registry::valueNames(layers).isEmpty());
    }

    void hivesAreSeparateStores()
    {
        QVERIFY(Registry::write(
            QStringLiteral("HKCU\\Software\\KELT\\KELT Nova"), QStringLiteral("Language"), QStringLiteral("de")));
        QVERIFY(
            !Registry::read(QStringLiteral("HKLM\\Software\\KELT\\KELT Nova"), QStringLiteral("Language")).isValid());
        QVERIFY(
            !Registry::read(QStringLiteral("HKCR\\Software\\KELT\\KELT Nova"), QStringLiteral("Language")).isValid());
        QVERIFY(QFile::exists(m_machine->path(QStringLiteral("registry/user/HKEY_CURRENT_USER.db"))));
        QTest::ignoreMessage(QtWarningMsg, "[Registry] WARNING: unknown hive in HKEY_NOWHERE\\Software");
        QVERIFY(!Registry::write(QStringLiteral("HKEY_NOWHERE\\Software"), QStringLiteral("x"), 1));
    }

    void scopeKeysFollowQSettings()
    {
        QCOMPARE(Registry::scopeKey(false, QStringLiteral("KELT"), QStringLiteral("KELT Nova")),
            QStringLiteral("HKEY_CURRENT_USER\\Software\\KELT\\KELT Nova"));
        QCOMPARE(Registry::scopeKey(true, QStringLiteral("KeltNova"), QStringLiteral("Updater")),
            QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\KeltNova\\Updater"));
    }

private:
    std::unique_ptr<SandboxMachine> m_machine;
};

QTEST_GUILESS_MAIN(TestRegistry)
#include "tst_registry.moc"
