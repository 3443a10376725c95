// The log's state is process-wide and only moves forward (no file, temporary file, moved
// file), so every case runs as a child process of this test: the executable started with
// "--scenario NAME ..." plays one scenario with a fresh log, and the test reads the files.

#include "SandboxMachine.h"

#include "core/DLog.h"
#include "platform/Folders.h"

#include <QDir>
#include <QFile>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QTest>

#include <cstdio>
#include <memory>

namespace {

const QString BaseName = QStringLiteral("NovaEyeInstall");

// Scenarios (child side) -------------------------------------------------------------

// line TYPE FILE LINE TEXT: one message with a hand-made context.
void logOneLine(const QStringList &args)
{
    const QByteArray file = args.value(1).toUtf8();
    const QMessageLogContext context(
        file.isEmpty() ? nullptr : file.constData(), args.value(2).toInt(), nullptr, "default");
    DLog::openTempLog(BaseName);
    DLog::messageHandler(QtMsgType(args.value(0).toInt()), context, args.value(3));
}

// qml FOLDER: a message from a QML document.
void logFromQml(const QStringList &args)
{
    DLog::openTempLog(BaseName);
    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData("import QtQml 2.15\n"
                      "QtObject {\n"
                      "    Component.onCompleted: console.log(\"[qml] completed\")\n"
                      "}\n",
        QUrl::fromLocalFile(args.value(0) + QStringLiteral("/Probe.qml")));
    std::unique_ptr<QObject> object(component.create());
}

// lifecycle MISSING FINAL OTHER: lines before any file, then every kind of move.
void moveThroughEveryCase(const QStringList &args)
{
    qDebug("[test] before open");
    DLog::openTempLog(BaseName);
    qDebug("[test] in temp");
    const bool results[] = { DLog::moveLog(DLog::tempLogFolder()), DLog::moveLog(args.value(0)),
        DLog::moveLog(args.value(1)), DLog::moveLog(args.value(2)) };
    qDebug("[test] after move");
    for (bool result : results)
        std::printf("%d", result ? 1 : 0);
}

// twice: two logs opened in one folder within the same second.
void openTwice()
{
    DLog::openTempLog(BaseName);
    qDebug("[test] first run");
    DLog::openTempLog(BaseName);
    qDebug("[test] second run");
}

// flood COUNT: COUNT lines while no file is open, then a file.
void holdWithoutFile(const QStringList &args)
{
    const int count = args.value(0).toInt();
    for (int i = 0; i < count; ++i)
        qDebug("[test] held %d", i);
    DLog::openTempLog(BaseName);
}

void logFatal()
{
    DLog::openTempLog(BaseName);
    qDebug("[test] before");
    qFatal("[test] fatal");
}

int runScenario(const QStringList &args)
{
    qInstallMessageHandler(DLog::messageHandler);
    const QString name = args.value(0);
    const QStringList rest = args.mid(1);
    if (name == QLatin1String("line"))
        logOneLine(rest);
    else if (name == QLatin1String("qml"))
        logFromQml(rest);
    else if (name == QLatin1String("lifecycle"))
        moveThroughEveryCase(rest);
    else if (name == QLatin1String("fatal"))
        logFatal();
    else if (name == QLatin1String("twice"))
        openTwice();
    else if (name == QLatin1String("flood"))
        holdWithoutFile(rest);
    else
        return 2;
    return 0;
}

// Test side ----------------------------------------------------------------------------

const QRegularExpression TimeStamp(
    QStringLiteral(R"(^\[\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3}\] )"), QRegularExpression::MultilineOption);

QStringList logFiles(const QString &folder)
{
    return QDir(folder).entryList({ QStringLiteral("*.txt") }, QDir::Files);
}

// The text of the one log file in the folder, time stamps removed.
QString logText(const QString &folder, QString *fileName = nullptr)
{
    const QStringList files = logFiles(folder);
    if (files.size() != 1)
        return QStringLiteral("<%1 log files in %2>").arg(files.size()).arg(folder);
    if (fileName)
        *fileName = files.first();
    QFile file(folder + QLatin1Char('/') + files.first());
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll()).remove(TimeStamp);
}

} // namespace

class TestDLog : public QObject {
    Q_OBJECT

private slots:
    void init() { m_machine = std::make_unique<SandboxMachine>(); }
    void cleanup() { m_machine.reset(); }

    void startLogLiesInTheUsersPrivateTemporaryFolder()
    {
        QCOMPARE(DLog::tempLogFolder(), platform::Folders::tempFolder() + QStringLiteral("/NovaSetupTempLog"));
    }

    void linesCarryTimeTextAndLevel_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const QString text = QStringLiteral("[main] Opened log file.");
        QTest::newRow("debug") << int(QtDebugMsg) << QString() << 0 << text << text + QStringLiteral(" (D)");
        QTest::newRow("warning") << int(QtWarningMsg) << QString() << 0 << text << text + QStringLiteral(" (W)");
        QTest::newRow("critical") << int(QtCriticalMsg) << QString() << 0 << text << text + QStringLiteral(" (C)");
        QTest::newRow("info") << int(QtInfoMsg) << QString() << 0 << text << text + QStringLiteral(" (U)");
        QTest::newRow("placeholders stay text")
            << int(QtDebugMsg) << QString() << 0 << QStringLiteral("[Utils] 100% of %1 and %2")
            << QStringLiteral("[Utils] 100% of %1 and %2 (D)");
        QTest::newRow("source position") << int(QtWarningMsg) << QStringLiteral("qrc:/pInstall.qml") << 42
                                         << QStringLiteral("[pInstall] WARNING")
                                         << QStringLiteral("[pInstall] WARNING (W)(qrc:/pInstall.qml:42)");
    }
    void linesCarryTimeTextAndLevel()
    {
        QFETCH(int, type);
        QFETCH(QString, file);
        QFETCH(int, line);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QProcess child;
        QVERIFY(run(child, { QStringLiteral("line"), QString::number(type), file, QString::number(line), text }));
        QString fileName;
        QCOMPARE(logText(DLog::tempLogFolder(), &fileName), expected + QLatin1Char('\n'));
        QVERIFY2(QRegularExpression(QStringLiteral(R"(^NovaEyeInstall-log-\d{8}-\d{6}-\d+\.txt$)"))
                     .match(fileName)
                     .hasMatch(),
            qPrintable(fileName));
        // The same line, time stamp included, on the debugger output.
        const QString debuggerOutput = QString::fromUtf8(child.readAllStandardError());
        QVERIFY(TimeStamp.match(debuggerOutput).hasMatch());
        QCOMPARE(QString(debuggerOutput).remove(TimeStamp), expected + QLatin1Char('\n'));
    }

    void qmlLinesCarryTheirSourcePosition()
    {
        QProcess child;
        QVERIFY(run(child, { QStringLiteral("qml"), m_machine->root() }));
        QCOMPARE(logText(DLog::tempLogFolder()),
            QStringLiteral("[qml] completed (D)(")
                + QUrl::fromLocalFile(m_machine->path(QStringLiteral("Probe.qml"))).toString()
                + QStringLiteral(":3)\n"));
    }

    void moveCarriesEveryLineOnceAndOnlyOnce()
    {
        const QString temp = DLog::tempLogFolder();
        const QString missing = m_machine->path(QStringLiteral("nowhere/OOBE"));
        const QString final = m_machine->path(QStringLiteral("ProgramData/Kelt/NovaSoftware/OOBE"));
        const QString other = m_machine->path(QStringLiteral("other"));
        QVERIFY(QDir().mkpath(final));
        QVERIFY(QDir().mkpath(other));

        QProcess child;
        QVERIFY(run(child, { QStringLiteral("lifecycle"), missing, final, other }));
        // Same folder: nothing to do; missing folder: the copy fails; then moved; then moved before.
        QCOMPARE(child.readAllStandardOutput(), QByteArray("1011"));

        QString name;
        const QString text = logText(final, &name);
        const QString t = temp + QLatin1Char('/') + name;
        const QString m = missing + QLatin1Char('/') + name;
        const QString f = final + QLatin1Char('/') + name;
        const QStringList expected = {
            QStringLiteral("[test] before open (D)"),
            QStringLiteral("[test] in temp (D)"),
            QStringLiteral("DLog::moveLog() copy file: ") + t + QStringLiteral(" to ") + t + QStringLiteral("\n (D)"),
            QStringLiteral("DLog::moveLog() file: ") + t + QStringLiteral(" existed\n (D)"),
            QStringLiteral("DLog::moveLog() copy file: ") + t + QStringLiteral(" to ") + m + QStringLiteral("\n (D)"),
            QStringLiteral("DLog::moveLog() file: ") + m + QStringLiteral(" copy fail.\n (D)"),
            QStringLiteral("DLog::moveLog() copy file: ") + t + QStringLiteral(" to ") + f + QStringLiteral("\n (D)"),
            QStringLiteral("DLog::moveLog() file: ") + f + QStringLiteral(" copy success.\n (D)"),
            QStringLiteral("DLog::moveLog() file: ") + t + QStringLiteral(" remove success.\n (D)"),
            QStringLiteral("DLog::moveLog() file: ") + f + QStringLiteral(" moved to ") + other
                + QStringLiteral(" before\n (D)"),
            QStringLiteral("[test] after move (D)"),
        };
        QCOMPARE(text, expected.join(QLatin1Char('\n')) + QLatin1Char('\n'));
        QVERIFY(logFiles(temp).isEmpty());
        QVERIFY(logFiles(other).isEmpty());
        QVERIFY(!QFileInfo::exists(missing));
    }

    // A second log opened within the same second (another run, or this one) never
    // truncates the first.
    void logsOpenedInOneSecondKeepTheirLines()
    {
        QProcess child;
        QVERIFY(run(child, { QStringLiteral("twice") }));
        const QString folder = DLog::tempLogFolder();
        const QStringList files = logFiles(folder);
        QCOMPARE(files.size(), 2);
        QStringList texts;
        for (const QString &name : files) {
            QFile file(folder + QLatin1Char('/') + name);
            QVERIFY(file.open(QIODevice::ReadOnly));
            texts << QString::fromUtf8(file.readAll()).remove(TimeStamp);
        }
        texts.sort();
        QCOMPARE(texts,
            QStringList({ QStringLiteral("[test] first run (D)\n"), QStringLiteral("[test] second run (D)\n") }));
    }

    // Without a file the newest lines are held; the first line written says how many
    // older ones were given up.
    void heldLinesAreBounded()
    {
        QProcess child;
        QVERIFY(run(child, { QStringLiteral("flood"), QStringLiteral("5010") }));
        const QStringList lines = logText(DLog::tempLogFolder()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 5001);
        QCOMPARE(lines.first(),
            QStringLiteral("[DLog] WARNING: 10 earlier lines were dropped while no log file was open. (W)"));
        QCOMPARE(lines.at(1), QStringLiteral("[test] held 10 (D)"));
        QCOMPARE(lines.last(), QStringLiteral("[test] held 5009 (D)"));
    }

    void fatalMessageIsWrittenBeforeTheAbort()
    {
        QProcess child;
        run(child, { QStringLiteral("fatal") });
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        QCOMPARE(logText(DLog::tempLogFolder()), QStringLiteral("[test] before (D)\n[test] fatal (F)\n"));
    }

private:
    // Plays one scenario in a child process; true when it ended normally with 0.
    bool run(QProcess &child, const QStringList &scenario)
    {
        child.setWorkingDirectory(m_machine->root()); // where a core file of the fatal case would land
        child.start(QCoreApplication::applicationFilePath(), QStringList { QStringLiteral("--scenario") } + scenario);
        if (!child.waitForFinished(60000)) {
            child.kill();
            child.waitForFinished(5000);
            return false;
        }
        return child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
    }

    std::unique_ptr<SandboxMachine> m_machine;
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], "--scenario") == 0)
        return runScenario(app.arguments().mid(2));
    TestDLog test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_dlog.moc"
