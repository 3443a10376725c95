#include "SandboxMachine.h"

#include "platform/Graphics.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <unistd.h>

using platform::EglProbe;

namespace {

constexpr int WaitMs = 2000;

// Writes a shell script as the probe program of folder.
bool writeProbe(const QString &folder, const QByteArray &body)
{
    QFile probe(folder + QLatin1Char('/') + QLatin1String(EglProbe::ProgramName));
    return probe.open(QIODevice::WriteOnly) && probe.write("#!/bin/sh\n" + body + '\n') > 0
        && probe.setPermissions(probe.permissions() | QFileDevice::ExeOwner);
}

// This process's children, zombies included ("pid state" each).
QStringList ownChildren()
{
    QStringList found;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray text = stat.readAll();
        // "pid (comm) state ppid ...": comm may hold spaces and parentheses.
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        if (fields.value(1).toLongLong() == ::getpid())
            found.append(entry + QLatin1Char(' ') + QString::fromLatin1(fields.value(0)));
    }
    return found;
}

} // namespace

// The EGL probe's answer, with shell scripts in the probe program's place.
class TestEglProbe : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        QVERIFY(m_folder->isValid());
    }
    void cleanup() { QCOMPARE(ownChildren(), QStringList()); }

    void answersWhatTheProbeProgramSays_data()
    {
        QTest::addColumn<QByteArray>("script"); // empty: no probe program there
        QTest::addColumn<bool>("started");
        QTest::addColumn<bool>("succeeded");
        QTest::newRow("succeeds") << QByteArray("exit 0") << true << true;
        QTest::newRow("fails") << QByteArray("exit 1") << true << false;
        QTest::newRow("crashes") << QByteArray("kill -SEGV $$") << true << false;
        QTest::newRow("missing") << QByteArray() << false << false;
        QTest::newRow("sees the caller's environment")
            << QByteArray("[ \"$NOVA_EGLPROBE_TEST\" = inherited ]") << true << true;
        // Its driver's chatter must not reach the caller's terminal or log.
        QTest::newRow("writes nowhere") << QByteArray(
            "[ \"$(readlink /proc/$$/fd/1)$(readlink /proc/$$/fd/2)\" = /dev/null/dev/null ]")
                                        << true << true;
    }

    void answersWhatTheProbeProgramSays()
    {
        QFETCH(QByteArray, script);
        QFETCH(bool, started);
        QFETCH(bool, succeeded);
        if (!script.isEmpty())
            QVERIFY(writeProbe(m_folder->path(), script));
        ScopedEnvironment environment;
        environment.set("NOVA_EGLPROBE_TEST", "inherited");

        EglProbe probe;
        QCOMPARE(probe.start(m_folder->path()), started);
        QCOMPARE(probe.succeeded(WaitMs), succeeded);
        QCOMPARE(ownChildren(), QStringList()); // reaped once it answered
        QCOMPARE(probe.succeeded(0), succeeded); // asked again, the same answer
    }

    // start() returns at once; the answer is given up at the bound, the probe killed.
    void aHangingProbeFailsAtTheBound()
    {
        QVERIFY(writeProbe(m_folder->path(), "exec sleep 30"));
        EglProbe probe;
        QElapsedTimer timer;
        timer.start();
        QVERIFY(probe.start(m_folder->path()));
        QVERIFY(timer.elapsed() < 1000);
        QVERIFY(!probe.succeeded(WaitMs));
        QVERIFY2(
            timer.elapsed() >= WaitMs && timer.elapsed() < WaitMs + 1500, qPrintable(QString::number(timer.elapsed())));
    }

    void aProbeNeverAskedEndsWithItsOwner()
    {
        QVERIFY(writeProbe(m_folder->path(), "exec sleep 30"));
        QElapsedTimer timer;
        timer.start();
        {
            EglProbe probe;
            QVERIFY(probe.start(m_folder->path()));
            QCOMPARE(ownChildren().size(), 1);
        }
        QVERIFY(timer.elapsed() < 1000);
    }

private:
    std::unique_ptr<QTemporaryDir> m_folder;
};

QTEST_GUILESS_MAIN(TestEglProbe)
#include "tst_eglprobe.moc"
