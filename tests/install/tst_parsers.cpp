#include "LogCapture.h"
#include "PipeRun.h"
#include "SandboxMachine.h"

#include "install/AccountParser.h"
#include "install/DownloadParser.h"
#include "install/GuideParser.h"
#include "install/NovaParser.h"
#include "install/SizeParser.h"
#include "install/SteamParser.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <memory>

namespace {

const QString Package = QStringLiteral("NOVA Sw");
const QString PackageTr = QStringLiteral("NOVA Tundra Software");

// A parser named by kind and options ("nova self steamvr upd=1 dl=3", "guide quit",
// "size", ...), its signals recorded, on a pipe run; attach() wires a child process to
// it as its creating manager does.
class Subject {
public:
    Subject(const QString &description, SignalRecorder *recorder)
        : m_recorder(recorder)
    {
        const QStringList words = description.split(QLatin1Char(' '));
        const QString kind = words.first();
        const auto option = [&words](const char *name) { return words.contains(QLatin1String(name)); };
        const auto count = [&words](const char *name) {
            for (const QString &word : words) {
                if (word.startsWith(QLatin1String(name) + QLatin1Char('=')))
                    return word.section(QLatin1Char('='), 1).toInt();
            }
            return 0;
        };
        if (kind == QLatin1String("nova")) {
            auto *parser
                = new NovaParser(Package, PackageTr, count("upd"), count("dl"), option("self"), option("steamvr"));
            watchAll(parser,
                { { &NovaParser::installError, "installError" }, { &NovaParser::installFinished, "installFinished" },
                    { &NovaParser::startInstall, "startInstall" }, { &NovaParser::autoRetry, "autoRetry" } });
            m_recorder->watch(parser, &NovaParser::showInstallInfo, QStringLiteral("showInstallInfo"));
            m_recorder->watch(parser, &NovaParser::reportDownload, QStringLiteral("reportDownload"));
            m_recorder->watch(parser, &NovaParser::reportSpeed, QStringLiteral("reportSpeed"));
            serveWithProcess(parser);
        } else if (kind == QLatin1String("size")) {
            auto *parser = new SizeParser;
            watchAll(parser, { { &SizeParser::checkError, "checkError" } });
            m_recorder->watch(parser, &SizeParser::checkFinished, QStringLiteral("checkFinished"));
            serveWithProcess(parser);
        } else if (kind == QLatin1String("download")) {
            auto *parser = new DownloadParser;
            watchAll(parser,
                { { &DownloadParser::downloadError, "downloadError" },
                    { &DownloadParser::downloadFinished, "downloadFinished" } });
            serveWithProcess(parser);
        } else if (kind == QLatin1String("account")) {
            auto *parser = new AccountParser;
            watchAll(parser,
                { { &AccountParser::installError, "installError" },
                    { &AccountParser::installFinished, "installFinished" } });
            serveWithProcess(parser);
        } else if (kind == QLatin1String("steam")) {
            auto *parser = new SteamParser;
            watchAll(parser, { { &SteamParser::installFinished, "installFinished" } });
            m_run = std::make_unique<PipeRun>(parser);
        } else {
            auto *parser = new GuideParser(option("quit"));
            watchAll(parser, { { &GuideParser::guideStarted, "guideStarted" } });
            m_recorder->watch(parser, &GuideParser::prepareToQuit, QStringLiteral("prepareToQuit"));
            m_run = std::make_unique<PipeRun>(parser);
        }
    }

    PipeRun &run() { return *m_run; }
    void attach(QProcess *process) { m_attach(process); }

private:
    template<typename Parser>
    void watchAll(Parser *parser, std::initializer_list<std::pair<void (Parser::*)(), const char *>> signalList)
    {
        for (const auto &signal : signalList)
            m_recorder->watch(parser, signal.first, QLatin1String(signal.second));
    }

    template<typename Parser> void serveWithProcess(Parser *parser)
    {
        m_run = std::make_unique<PipeRun>(parser);
        QObject::connect(parser, &Parser::closePipe, m_run->thread(), &PipeThreadWin::closePipe);
        m_attach = [parser](QProcess *process) {
            QObject::connect(process, &QProcess::errorOccurred, parser, &Parser::onProcError);
            QObject::connect(process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), parser,
                &Parser::onProcFinished);
        };
    }

    SignalRecorder *m_recorder;
    std::unique_ptr<PipeRun> m_run;
    std::function<void(QProcess *)> m_attach;
};

} // namespace

class TestParsers : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qRegisterMetaType<QProcess::ExitStatus>();
        qRegisterMetaType<QProcess::ProcessError>();
    }
    void init() { m_machine = std::make_unique<SandboxMachine>(); }
    void cleanup() { m_machine.reset(); }

    void messagesEndTheRunOrAreIgnored_data()
    {
        QTest::addColumn<QString>("parser");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("events"); // without showInstallInfo
        QTest::addColumn<bool>("listening");
        QTest::addColumn<QString>("logLine");
        const QStringList none;
        const auto list = [](const char *a, const char *b = nullptr) {
            return b ? QStringList { QLatin1String(a), QLatin1String(b) } : QStringList { QLatin1String(a) };
        };
        QTest::newRow("nova success") << "nova" << list("ExitCode:0") << list("installFinished()") << false
                                      << "[NovaParser] NOVA Sw parser received message: ExitCode:0";
        QTest::newRow("nova letters are 0") << "nova" << list("ExitCode:abc") << list("installFinished()") << false
                                            << "[InstallParser] Exitcode: 0/Success";
        QTest::newRow("nova unknown code, first try") << "nova" << list("ExitCode:20") << list("autoRetry()") << false
                                                      << "[InstallParser] WARNING: Received unknown exit code: 20. "
                                                         "Turn to code 1.";
        QTest::newRow("nova unknown code, retried")
            << "nova upd=1" << list("ExitCode:20") << list("installError()") << false << "[NovaParser] Error occurs";
        QTest::newRow("nova download, third retry") << "nova dl=2" << list("ExitCode:5") << list("autoRetry()") << false
                                                    << "[NovaParser] autoRetry Download 3 times.";
        QTest::newRow("nova download, no more") << "nova dl=3" << list("ExitCode:5") << list("installError()") << false
                                                << "[InstallParser] Exitcode: 5/DownloadFail";
        QTest::newRow("self-update on the way") << "nova self" << list("ExitCode:6") << none << true
                                                << "[NovaParser] Updater self-update on the way. Keep waiting.";
        QTest::newRow("self-update finished")
            << "nova self" << list("ExitCode:6", "ExitCode:13") << list("installFinished()") << false
            << "[InstallParser] Exitcode: 13/SelfUpdateFinished";
        QTest::newRow("6 without self-update")
            << "nova" << list("ExitCode:6") << list("installError()") << false << "[NovaParser] Error occurs";
        QTest::newRow("13 without self-update")
            << "nova" << list("ExitCode:13") << list("installError()") << false << "[NovaParser] Error occurs";
        QTest::newRow("nova other text") << "nova" << list("exitcode:0", "Hello") << none << true << "";
        QTest::newRow("size without slash")
            << "nova" << list("Size:12") << none << true << "[NovaParser] ERROR: Cannot parse sizes properly";
        QTest::newRow("size with two slashes")
            << "nova" << list("Size:1/2/3") << none << true << "[NovaParser] ERROR: Cannot parse sizes properly";
        QTest::newRow("size without sizes")
            << "nova" << list("Size:") << none << true << "[NovaParser] ERROR: No sizes to parse";
        QTest::newRow("steam lower case")
            << "steam" << list("finished") << none << true << "[SteamParser] Received message: finished";
        QTest::newRow("steam finished") << "steam" << list("Finished") << list("installFinished()") << false
                                        << "[SteamParser] Steam installation finished";
        QTest::newRow("size 0") << "size" << list("TotalSize:0") << list("checkFinished(0)") << false
                                << "[SizeParser] Return total size 0";
        QTest::newRow("size 8 GiB") << "size" << list("TotalSize:8589934592") << list("checkFinished(8589934592)")
                                    << false << "[SizeParser] Received message: TotalSize:8589934592";
        QTest::newRow("size -1") << "size" << list("TotalSize:-1") << list("checkError()") << false
                                 << "[SizeParser] ERROR: Size is -1 when returning. Something went wrong";
        QTest::newRow("download letters are 0") << "download" << list("ExitCode:abc") << list("downloadFinished()")
                                                << false << "[DownloadParser] Successful exit";
        QTest::newRow("download error") << "download" << list("ExitCode:5") << list("downloadError()") << false
                                        << "[DownloadParser] Error occurs";
        QTest::newRow("account letters are 0") << "account" << list("ExitCode:abc") << list("installFinished()")
                                               << false << "[AccountParser] Successful exit";
        QTest::newRow("guide started, then closes")
            << "guide" << list("DONE", "GUIDE_CLOSE") << list("guideStarted()", "prepareToQuit(closed by guide)")
            << false << "[GuideParser] Guide is closing and forcing Installer to quit";
        QTest::newRow("guide started") << "guide" << list("DONE") << list("guideStarted()") << true
                                       << "[GuideParser] Guide has started";
        QTest::newRow("guide started, quit")
            << "guide quit" << list("DONE") << list("guideStarted()", "prepareToQuit(done)") << false << "";
        QTest::newRow("guide lower case")
            << "guide" << list("done") << none << true << "[GuideParser] Received msg: done";
    }
    void messagesEndTheRunOrAreIgnored()
    {
        QFETCH(QString, parser);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, events);
        QFETCH(bool, listening);
        QFETCH(QString, logLine);
        LogCapture log;
        SignalRecorder recorder;
        Subject subject(parser, &recorder);
        QVERIFY(subject.run().start());
        for (const QString &message : messages)
            QCOMPARE(subject.run().send(message), QStringLiteral("OK"));
        QCOMPARE(subject.run().stopIfServing(), listening);
        QVERIFY(subject.run().waitUntilGone());
        QCOMPARE(recorder.eventsWithout(QStringLiteral("showInstallInfo")), events);
        QVERIFY2(logLine.isEmpty() || log.contains(logLine), qPrintable(logLine));
    }

    void theFirstMessageShowsTheStepWithoutSizes()
    {
        SignalRecorder recorder;
        Subject subject(QStringLiteral("nova steamvr"), &recorder);
        QVERIFY(subject.run().start());
        QCOMPARE(subject.run().send(QStringLiteral("Hello")), QStringLiteral("OK"));
        QCOMPARE(subject.run().send(QStringLiteral("Hello")), QStringLiteral("OK"));
        QVERIFY(subject.run().stopIfServing());
        QVERIFY(subject.run().waitUntilGone());
        QCOMPARE(recorder.events(),
            QStringList { QStringLiteral("showInstallInfo(NOVA Sw,NOVA Tundra Software,-1,-1,-1,true,true)") });
    }

    void sizeReportsBecomeProgress_data()
    {
        QTest::addColumn<QString>("parser");
        QTest::newRow("plain") << "nova";
        QTest::newRow("SteamVR, no speed reports") << "nova steamvr";
        QTest::newRow("self-update, download hidden") << "nova self";
    }
    void sizeReportsBecomeProgress()
    {
        QFETCH(QString, parser);
        const bool steamVR = parser.contains(QLatin1String("steamvr"));
        const bool selfUpdate = parser.contains(QLatin1String("self"));
        SignalRecorder recorder;
        Subject subject(parser, &recorder);
        QVERIFY(subject.run().start());
        for (const char *message : { "Size:0/2097152", "Size:1048576/2097152", "Size:2097152/2097152" })
            QCOMPARE(subject.run().send(QLatin1String(message)), QStringLiteral("OK"));
        QVERIFY(subject.run().stopIfServing());
        QVERIFY(subject.run().waitUntilGone());

        QStringList names;
        for (const QString &event : recorder.events())
            names.append(event.section(QLatin1Char('('), 0, 0));
        QStringList expected { QStringLiteral("showInstallInfo"), QStringLiteral("reportDownload"),
            QStringLiteral("showInstallInfo"), QStringLiteral("reportSpeed"), QStringLiteral("reportDownload"),
            QStringLiteral("showInstallInfo"), QStringLiteral("startInstall"), QStringLiteral("showInstallInfo") };
        if (steamVR)
            expected.removeAll(QStringLiteral("reportSpeed"));
        QCOMPARE(names, expected);
        const QList<QVariantList> downloads = recorder.arguments(QStringLiteral("reportDownload"));
        QCOMPARE(downloads.value(0).value(0).toLongLong(), 2097152);
        QCOMPARE(downloads.value(1).value(0).toLongLong(), 1048576);
        const QList<QVariantList> infos = recorder.arguments(QStringLiteral("showInstallInfo")).mid(1);
        QCOMPARE(infos.size(), 3);
        for (int i = 0; i < infos.size(); ++i) {
            QCOMPARE(infos.at(i).at(2).toDouble(), double(i)); // MB done
            QCOMPARE(infos.at(i).at(3).toDouble(), 2.0);
            QCOMPARE(infos.at(i).at(5).toBool(), steamVR);
            QCOMPARE(infos.at(i).at(6).toBool(), selfUpdate);
        }
        QCOMPARE(infos.first().at(4).toDouble(), 0.0); // one sample: no speed yet
        QCOMPARE(infos.last().at(4).toDouble(), 0.0); // complete
    }

    // A child that ends reaches the manager as one outcome, whether the pipe, the
    // process or both report it, and nothing of the run is left behind.
    void processEndsGiveOneOutcome_data()
    {
        QTest::addColumn<QString>("parser");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("end"); // "exit N", "terminate" or "missing"
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<bool>("listening");
        const QStringList none;
        const auto list = [](const char *text) { return QStringList { QLatin1String(text) }; };
        QTest::newRow("nova terminated") << "nova" << none << "terminate" << list("installError()") << false;
        QTest::newRow("nova pipe and exit code")
            << "nova" << list("ExitCode:7") << "exit 7" << list("installError()") << false;
        QTest::newRow("nova unknown code retries")
            << "nova" << list("ExitCode:20") << "exit 20" << list("autoRetry()") << false;
        QTest::newRow("nova success") << "nova" << list("ExitCode:0") << "exit 0" << list("installFinished()") << false;
        // An updater that ends without a report failed, whatever its code: nothing else
        // would end the step.
        QTest::newRow("nova exit 20 without message") << "nova" << none << "exit 20" << list("installError()") << false;
        QTest::newRow("nova exit 255 without message")
            << "nova" << none << "exit 255" << list("installError()") << false;
        QTest::newRow("nova exit 1 without message") << "nova" << none << "exit 1" << list("installError()") << false;
        QTest::newRow("nova exit 0 without message") << "nova" << none << "exit 0" << list("installError()") << false;
        QTest::newRow("nova download retry, then exit 5")
            << "nova" << list("ExitCode:5") << "exit 5" << list("autoRetry()") << false;
        // A self-updating updater restarts itself and reports again on the same pipe.
        QTest::newRow("self-update exit 6 without message") << "nova self" << none << "exit 6" << none << true;
        QTest::newRow("self-update exit 13 without message") << "nova self" << none << "exit 13" << none << true;
        QTest::newRow("self-update on the way, exit 6")
            << "nova self" << list("ExitCode:6") << "exit 6" << none << true;
        QTest::newRow("nova program missing") << "nova" << none << "missing" << list("installError()") << false;
        QTest::newRow("download terminated") << "download" << none << "terminate" << list("downloadError()") << false;
        QTest::newRow("download pipe and exit code")
            << "download" << list("ExitCode:5") << "exit 5" << list("downloadError()") << false;
        QTest::newRow("size terminated") << "size" << none << "terminate" << list("checkError()") << false;
        QTest::newRow("size reported") << "size" << list("TotalSize:10") << "exit 0" << list("checkFinished(10)")
                                       << false;
        QTest::newRow("account exit code only") << "account" << none << "exit 3" << list("installError()") << false;
    }
    void processEndsGiveOneOutcome()
    {
        QFETCH(QString, parser);
        QFETCH(QStringList, messages);
        QFETCH(QString, end);
        QFETCH(QStringList, events);
        QFETCH(bool, listening);
        const bool terminate = end == QLatin1String("terminate");
        m_machine->writeScenario({ { QStringLiteral("Child.exe"),
            QJsonObject { { QStringLiteral("pipe"), PipeRun::DefaultName },
                { QStringLiteral("messages"), QJsonArray::fromStringList(messages) },
                { QStringLiteral("exitCode"), end.section(QLatin1Char(' '), 1).toInt() },
                { QStringLiteral("runMs"), terminate ? 60000 : 0 } } } });
        const QString program = end == QLatin1String("missing")
            ? m_machine->path(QStringLiteral("Updater/Missing.exe"))
            : m_machine->installPeer(QStringLiteral("Updater"), QStringLiteral("Child.exe"));

        LogCapture log;
        SignalRecorder recorder;
        Subject subject(parser, &recorder);
        QVERIFY(subject.run().start());
        QProcess process;
        subject.attach(&process);
        QSignalSpy finished(&process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished));
        QSignalSpy failed(&process, &QProcess::errorOccurred);
        process.start(program, QStringList());
        if (terminate) {
            QVERIFY(process.waitForStarted(10000));
            process.terminate();
        }
        QVERIFY(end == QLatin1String("missing") ? failed.wait(20000) : finished.wait(20000));
        QCOMPARE(subject.run().stopIfServing(), listening);
        QVERIFY(subject.run().waitUntilGone());
        QCOMPARE(recorder.eventsWithout(QStringLiteral("showInstallInfo")), events);
        if (terminate && parser == QLatin1String("nova")) // both the error and the crash report it
            QCOMPARE(log.count(QStringLiteral("[NovaParser] NOVA Sw error is already reported, abort.")), 1);
    }

private:
    std::unique_ptr<SandboxMachine> m_machine;

    void selfUpdateWaitsForItsNewCopyAWhile_data()
    {
        QTest::addColumn<bool>("newCopyReports");
        QTest::newRow("the new copy reports") << true;
        QTest::newRow("no new copy: the step fails") << false;
    }

    // After "self-update on the way" the new copy of the updater reports on the same
    // pipe; one that never does ends the step instead of holding it for ever.
    void selfUpdateWaitsForItsNewCopyAWhile()
    {
        QFETCH(bool, newCopyReports);
        LogCapture log;
        NovaParser parser(Package, PackageTr, 0, 0, true, false);
        parser.setNewCopyTimeout(100);
        QSignalSpy errors(&parser, &NovaParser::installError);
        QSignalSpy closes(&parser, &NovaParser::closePipe);
        QVERIFY(!parser.parseMessage(QStringLiteral("ExitCode:6")));
        if (newCopyReports)
            parser.parseMessage(QStringLiteral("Size:1/2"));
        QTest::qWait(300);
        QCOMPARE(errors.count(), newCopyReports ? 0 : 1);
        QCOMPARE(closes.count(), errors.count());
        QCOMPARE(
            log.contains(QStringLiteral("[NovaParser] ERROR: The new updater did not report in 0 s")), !newCopyReports);
    }
};

QTEST_GUILESS_MAIN(TestParsers)
#include "tst_parsers.moc"
