#include "SandboxMachine.h"

#include "platform/Registry.h"

#include <QTest>

#include <memory>

using platform::Registry;

namespace {

const QString Key = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\KeltNova");

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
