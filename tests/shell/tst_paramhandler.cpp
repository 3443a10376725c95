#include "LogCapture.h"
#include "SandboxMachine.h"

#include "core/ModeFlags.h"
#include "platform/NamedPipe.h"
#include "shell/ParamHandler.h"

#include <QDir>
#include <QTest>
#include <QThread>

#include <memory>

namespace {

// Keeps the argument strings alive for the char ** that ParamHandler takes.
struct Arguments {
    explicit Arguments(const QStringList &list)
    {
        strings.append(QByteArrayLiteral("/opt/NovaTundraSetup/NovaEyeInstall"));
        for (const QString &argument : list)
            strings.append(argument.toLocal8Bit());
        for (QByteArray &string : strings)
            pointers.append(string.data());
    }
    int argc() const { return int(pointers.size()); }
    char **argv() { return pointers.data(); }

    QList<QByteArray> strings;
    QVector<char *> pointers;
};

std::unique_ptr<ParamHandler> parse(
    const QStringList &list, const QString &programFolder = QString(), bool allowCN = true)
{
    Arguments arguments(list);
    return std::make_unique<ParamHandler>(arguments.argc(), arguments.argv(), allowCN,
        programFolder.isEmpty() ? QDir::tempPath() + QStringLiteral("/nowhere") : programFolder);
}

} // namespace

class TestParamHandler : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { Mode::set(ModeFlags()); }

    void noArgumentsLeaveTheDefaults()
    {
        LogCapture log;
        const auto handler = parse({});
        const ModeFlags &flags = Mode::flags();
        QVERIFY(!flags.isCN && !flags.isPreload && !flags.isInternal && !flags.isDeveloper && !flags.isBeta
            && !flags.isDemo && !flags.isSWOA && !flags.isVSW && !flags.isNoAccount && !flags.isKyr && !flags.isDov);
        QVERIFY(Mode::isPublic());
        QCOMPARE(Mode::productName(), QStringLiteral("NOVA Tundra"));
        QCOMPARE(Mode::modeParam(), QStringLiteral("-PUBLIC"));
        QCOMPARE(handler->callerKind(), QStringLiteral("other"));
        QCOMPARE(log.lines(),
            (QStringList { QStringLiteral("[ParamHandler] 1 arguments"),
                QStringLiteral("[ParamHandler] /opt/NovaTundraSetup/NovaEyeInstall / "
                               "/opt/NovaTundraSetup/NovaEyeInstall") }));
    }

    void switches_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("productName");
        QTest::addColumn<QString>("modeParam");
        QTest::addColumn<QString>("flagsSet");
        QTest::newRow("beta any case") << QStringList { QStringLiteral("-beta") } << "NOVA Tundra"
                                       << "-beta"
                                       << "beta";
        QTest::newRow("Beta any case") << QStringList { QStringLiteral("-Beta") } << "NOVA Tundra"
                                       << "-Beta"
                                       << "beta";
        QTest::newRow("cn is exact") << QStringList { QStringLiteral("-cn") } << "NOVA Tundra"
                                     << "-PUBLIC"
                                     << "";
        QTest::newRow("CN") << QStringList { QStringLiteral("-CN") } << "NOVA Tundra"
                            << "-PUBLIC"
                            << "cn";
        QTest::newRow("internal is exact") << QStringList { QStringLiteral("-internal") } << "NOVA Tundra"
                                           << "-PUBLIC"
                                           << "";
        QTest::newRow("developer") << QStringList { QStringLiteral("-Developer") } << "NOVA Tundra"
                                   << "-Developer"
                                   << "developer";
        QTest::newRow("SWOA and KYR") << QStringList { QStringLiteral("-SWOA"), QStringLiteral("-KYR") }
                                      << "NOVA Software"
                                      << "-PUBLIC"
                                      << "swoa kyr";
        QTest::newRow("NOACCOUNT alone") << QStringList { QStringLiteral("-NOACCOUNT") } << "NOVA Software"
                                         << "-PUBLIC"
                                         << "noaccount swoa";
        QTest::newRow("KYR") << QStringList { QStringLiteral("-KYR") } << "NOVA Tundra Elite"
                             << "-PUBLIC"
                             << "kyr";
        QTest::newRow("DOV after KYR") << QStringList { QStringLiteral("-KYR"), QStringLiteral("-DOV") } << "NOVA 2020"
                                       << "-PUBLIC"
                                       << "kyr dov";
        QTest::newRow("demo then vsw") << QStringList { QStringLiteral("-DEMO"), QStringLiteral("-vsw") }
                                       << "NOVA Tundra"
                                       << "-vsw"
                                       << "demo vsw";
        QTest::newRow("preload is exact") << QStringList { QStringLiteral("-PRELOAD") } << "NOVA Tundra"
                                          << "-PUBLIC"
                                          << "";
        QTest::newRow("switch with a colon part") << QStringList { QStringLiteral("-KYR:x") } << "NOVA Tundra Elite"
                                                  << "-PUBLIC"
                                                  << "kyr";
    }
    void switches()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, productName);
        QFETCH(QString, modeParam);
        QFETCH(QString, flagsSet);
        const auto handler = parse(arguments);
        const ModeFlags &f = Mode::flags();
        const QStringList set = flagsSet.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QCOMPARE(f.isCN, set.contains(QStringLiteral("cn")));
        QCOMPARE(f.isBeta, set.contains(QStringLiteral("beta")));
        QCOMPARE(f.isDeveloper, set.contains(QStringLiteral("developer")));
        QCOMPARE(f.isDemo, set.contains(QStringLiteral("demo")));
        QCOMPARE(f.isVSW, set.contains(QStringLiteral("vsw")));
        QCOMPARE(f.isSWOA, set.contains(QStringLiteral("swoa")));
        QCOMPARE(f.isNoAccount, set.contains(QStringLiteral("noaccount")));
        QCOMPARE(f.isKyr, set.contains(QStringLiteral("kyr")));
        QCOMPARE(f.isDov, set.contains(QStringLiteral("dov")));
        QCOMPARE(f.isInternal, false);
        QCOMPARE(f.productName, productName);
        QCOMPARE(f.modeParam, modeParam);
    }

    void cnNeedsToBeAllowed()
    {
        parse({ QStringLiteral("-CN") }, QString(), false);
        QVERIFY(!Mode::isCN());
    }

    void callerArguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("pipe");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("warning");
        QTest::newRow("launcher wins over installer")
            << QStringList { QStringLiteral("DONE:\\\\.\\pipe\\installer_for_guideRARAZARUZAZODEVIDIZA") }
            << "\\\\.\\pipe\\installer_for_guideRARAZARUZAZODEVIDIZA"
            << "launcher"
            << "";
        QTest::newRow("installer") << QStringList { QStringLiteral("DONE:installer_for_guide42") }
                                   << "installer_for_guide42"
                                   << "installer"
                                   << "";
        QTest::newRow("empty pipe name") << QStringList { QStringLiteral("DONE:") } << ""
                                         << "other"
                                         << "";
        QTest::newRow("no pipe name") << QStringList { QStringLiteral("DONE") } << ""
                                      << "other"
                                      << "[ParamHandler] WARNING: No pipe name attached";
        QTest::newRow("preload after installer")
            << QStringList { QStringLiteral("DONE:installer_for_guide1"), QStringLiteral("-Preload") }
            << "installer_for_guide1"
            << "usb launcher"
            << "";
        QTest::newRow("done is exact") << QStringList { QStringLiteral("done:x") } << ""
                                       << "other"
                                       << "";
    }
    void callerArguments()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, pipe);
        QFETCH(QString, kind);
        QFETCH(QString, warning);
        LogCapture log;
        const auto handler = parse(arguments);
        QCOMPARE(handler->callerPipeName(), pipe);
        QCOMPARE(handler->callerKind(), kind);
        QCOMPARE(log.lines(QtWarningMsg), warning.isEmpty() ? QStringList() : QStringList { warning });
    }

    void sessionAndBgiPipe()
    {
        LogCapture log;
        const auto handler = parse(
            { QStringLiteral("SESSIONID:abc-123"), QStringLiteral("BGIPIPE:bgi_pipe"), QStringLiteral("BGIPIPE") });
        QCOMPARE(handler->biSessionId(), QStringLiteral("abc-123"));
        QCOMPARE(handler->bgiPipeName(), QStringLiteral("bgi_pipe"));
        QVERIFY(log.contains(QStringLiteral("[ParamHandler] Get bi session id from installer. Need pass to guide")));
        QCOMPARE(log.lines(QtWarningMsg),
            QStringList { QStringLiteral("[ParamHandler] WARNING: No BGI pipe name attached") });
        QCOMPARE(parse({ QStringLiteral("SESSIONID") })->biSessionId(), QString());
    }

    void modeConfigurationIsCopiedForTheUpdater()
    {
        QTemporaryDir program;
        QDir(program.path()).mkpath(QStringLiteral("ubeta"));
        QFile config(program.filePath(QStringLiteral("ubeta/server.ini")));
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.write("[server]\nchannel=beta\n");
        config.close();

        LogCapture log;
        parse({ QStringLiteral("-BETA"), QStringLiteral("-DEVELOPER") }, program.path());
        QVERIFY(QFile::exists(program.filePath(QStringLiteral("Updater/Config/server.ini"))));
        // No "ud" folder: the developer copy fails, is warned about, and the mode stays on.
        QVERIFY(log.contains(
            QStringLiteral("[ParamHandler] WARNING: Failed to copy config files, cannot run in Developer mode.")));
        QVERIFY(!log.contains(
            QStringLiteral("[ParamHandler] WARNING: Failed to copy config files, cannot run in Beta mode.")));
        QVERIFY(Mode::isDeveloper());
        QVERIFY(Mode::isBeta());
        QVERIFY(!Mode::isPublic());
    }

    void callerIsToldOnceTheWindowIsUp()
    {
        SandboxMachine machine;
        platform::NamedPipeServer caller(QStringLiteral("\\\\.\\pipe\\RARAZARUZAZODEVIDIZA_test"));
        QVERIFY(caller.listen());
        QString received;
        QThread *serving = QThread::create([&caller, &received] {
            QByteArray message;
            if (caller.waitForClient(10000) && caller.readMessage(&message, 5000) && caller.writeReply("OK"))
                received = platform::pipeMessageText(message);
        });
        serving->start();
        const auto handler = parse({ QStringLiteral("DONE:\\\\.\\pipe\\RARAZARUZAZODEVIDIZA_test") });
        LogCapture log;
        handler->onFirstActive();
        serving->wait();
        delete serving;
        QCOMPARE(received, QStringLiteral("DONE"));
        const QStringList lines = log.lines();
        QCOMPARE(lines.value(0), QStringLiteral("[ParamHandler] onFirstActive"));
        QCOMPARE(lines.value(1),
            QStringLiteral("[ParamHandler] Send message DONE to \\\\.\\pipe\\RARAZARUZAZODEVIDIZA_test"));
        QVERIFY(lines.contains(QStringLiteral("[ParamHandler] Got named pipe ack: OK")));
    }

    void unreachableOrMissingCallerIsOnlyLogged()
    {
        SandboxMachine machine;
        LogCapture log;
        parse({ QStringLiteral("DONE:") })->onFirstActive();
        QVERIFY(log.contains(QStringLiteral("[ParamHandler] No named pipe for window appearing")));
        parse({ QStringLiteral("DONE:nobody_listens") })->sendMsgToCaller(QStringLiteral("DONE"));
        QVERIFY(log.contains(QStringLiteral("[ParamHandler] Error when sending messaeg DONE")));
    }
};

QTEST_GUILESS_MAIN(TestParamHandler)
#include "tst_paramhandler.moc"
