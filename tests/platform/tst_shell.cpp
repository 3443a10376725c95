#include "DesktopFileValidator.h"
#include "LogCapture.h"
#include "SandboxMachine.h"
#include "platform/Browser.h"
#include "platform/Machine.h"
#include "platform/Shell.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <memory>
#include <unistd.h>

using platform::Browser;
using platform::Shell;
using platform::ShellLink;

Q_DECLARE_METATYPE(ShellLink)

namespace {

const ShellLink Plain { QStringLiteral("Setup"), QStringLiteral("The set-up"), QStringLiteral("/opt/NOVA/Setup.exe"),
    QStringLiteral(" "), QStringLiteral("/opt/NOVA") };

// The keys of the entry's lines, in order.
QStringList keysOf(const QByteArray &entry)
{
    QStringList keys;
    for (const QByteArray &line : entry.split('\n')) {
        if (!line.isEmpty() && !line.startsWith('['))
            keys.append(QString::fromUtf8(line.left(line.indexOf('='))));
    }
    return keys;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The i-th address a writer records: long, so that a line split between writes shows.
QString writerAddress(char writer, int i)
{
    return QStringLiteral("https://%1.example/%2/%3")
        .arg(QLatin1Char(writer))
        .arg(QString(100, QLatin1Char(writer)))
        .arg(i);
}

QStringList openedIn(const SandboxMachine &machine)
{
    return QString::fromUtf8(readAll(machine.path(QLatin1String(Browser::RecordFile))))
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

class TestShell : public QObject {
    Q_OBJECT

private slots:
    // Whatever the values hold, the shortcut keeps its five keys and stays valid: no
    // value can end its line and add a key (another Exec) of its own.
    void valuesNeverAddKeys_data()
    {
        QTest::addColumn<ShellLink>("link");
        ShellLink name = Plain;
        name.name = QStringLiteral("Setup\nExec=/bin/evil");
        ShellLink description = Plain;
        description.description = QStringLiteral("line\r\nExec=/bin/evil\tand a tab");
        ShellLink program = Plain;
        program.program = QStringLiteral("/opt/NOVA \"Setup\" $USER `id` a\\b 100%/Setup.exe");
        ShellLink folder = Plain;
        folder.workingFolder = QStringLiteral("/opt/a\\b\nPath=/tmp");
        QTest::newRow("plain") << Plain;
        QTest::newRow("line break in the name") << name;
        QTest::newRow("line breaks in the description") << description;
        QTest::newRow("shell and field-code characters in the program") << program;
        QTest::newRow("backslash and line break in the folder") << folder;
    }
    void valuesNeverAddKeys()
    {
        QFETCH(ShellLink, link);
        QTemporaryDir desktop;
        const QString path = Shell::shortcutPath(desktop.path(), QStringLiteral("Setup"));
        int failure = -1;
        QVERIFY(Shell::writeShortcut(path, link, &failure));
        QCOMPARE(keysOf(readAll(path)),
            (QStringList { QStringLiteral("Type"), QStringLiteral("Name"), QStringLiteral("Comment"),
                QStringLiteral("Exec"), QStringLiteral("Path") }));
        QCOMPARE(validatorComplaints(path), QString());
        QVERIFY(QFile::permissions(path).testFlag(QFile::ExeOwner));
    }

    void aFolderThatCannotHoldTheFileFails()
    {
        QTemporaryDir home;
        QFile blocker(home.filePath(QStringLiteral("Desktop")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        int failure = 0;
        QVERIFY(
            !Shell::writeShortcut(Shell::shortcutPath(blocker.fileName(), QStringLiteral("Setup")), Plain, &failure));
        QVERIFY(failure != 0);
        QCOMPARE(QDir(home.path()).entryList(QDir::Files | QDir::Hidden), QStringList { QStringLiteral("Desktop") });
    }

    // What is handed on is one word: nothing in it ends the argument, quotes, or breaks
    // the record's line.
    void openableAddresses_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("handedOn");
        QTest::newRow("https") << "https://www.keltnova.example/us/support/"
                               << "https://www.keltnova.example/us/support/";
        QTest::newRow("scheme and host in capitals") << "HTTPS://WWW.Keltnova.Example/Path"
                                                     << "https://www.keltnova.example/Path";
        QTest::newRow("spaces around") << "  https://a.example/ "
                                       << "https://a.example/";
        QTest::newRow("space and quote inside") << "https://a.example/x y\"z"
                                                << "https://a.example/x%20y%22z";
        QTest::newRow("line break inside") << "https://a.example/x\nExec=y"
                                           << "https://a.example/x%0AExec=y";
        QTest::newRow("backslash and backtick") << "https://a.example/a\\b`id`"
                                                << "https://a.example/a%5Cb%60id%60";
        QTest::newRow("mailto") << "mailto:help@keltnova.example?subject=Set up"
                                << "mailto:help@keltnova.example?subject=Set%20up";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("option") << "--help"
                                << "";
        QTest::newRow("option that holds an address") << "-https://a.example/"
                                                      << "";
        QTest::newRow("local file") << "file:///etc/passwd"
                                    << "";
        QTest::newRow("script") << "javascript:alert(1)"
                                << "";
        QTest::newRow("no scheme") << "www.keltnova.example"
                                   << "";
        QTest::newRow("web without host") << "http:///etc/passwd"
                                          << "";
    }
    void openableAddresses()
    {
        QFETCH(QString, address);
        QFETCH(QString, handedOn);
        QString refusal;
        QCOMPARE(Browser::openableAddress(address, &refusal), handedOn);
        QCOMPARE(refusal.isEmpty(), !handedOn.isEmpty());
    }

    // A sandbox machine opens nothing: it records what it would open, and refuses as a
    // real machine does.
    void aSandboxRecordsTheOpenedAddresses()
    {
        SandboxMachine machine;
        LogCapture log;
        QVERIFY(Browser::openUrl(QStringLiteral("https://www.keltnova.example/support/")));
        QVERIFY(!Browser::openUrl(QStringLiteral("file:///etc/passwd")));
        QVERIFY(!Browser::openUrl(QStringLiteral("-x\nforged line")));
        QVERIFY(Browser::openUrl(QStringLiteral("mailto:help@keltnova.example")));
        QCOMPARE(openedIn(machine),
            (QStringList { QStringLiteral("https://www.keltnova.example/support/"),
                QStringLiteral("mailto:help@keltnova.example") }));
        QCOMPARE(log.lines(QtWarningMsg),
            (QStringList {
                QStringLiteral(
                    "[Browser] WARNING: Refused to open \"file:///etc/passwd\": not an http, https or mailto address"),
                QStringLiteral(
                    "[Browser] WARNING: Refused to open \"-x\\nforged line\": it reads as a command-line option") }));
    }

    // Several processes may record at once (the wizard and the programs it starts); each
    // line stays whole and none is lost.
    void recordsFromSeveralWritersStayWhole()
    {
        SandboxMachine machine;
        const int perWriter = 1000;
        const auto writer = [](char name) {
            return QThread::create([name] {
                for (int i = 0; i < perWriter; ++i)
                    Browser::openUrl(writerAddress(name, i));
            });
        };
        std::unique_ptr<QThread> first(writer('a'));
        std::unique_ptr<QThread> second(writer('b'));
        first->start();
        second->start();
        QVERIFY(first->wait(30000));
        QVERIFY(second->wait(30000));
        const QStringList lines = openedIn(machine);
        QCOMPARE(lines.size(), 2 * perWriter);
        for (const char name : { 'a', 'b' }) {
            for (int i = 0; i < perWriter; ++i)
                QVERIFY2(lines.contains(writerAddress(name, i)), qPrintable(writerAddress(name, i)));
        }
    }

    void asRootWithoutADesktopUserNoBrowserStarts()
    {
        if (::geteuid() != 0 || platform::Machine::isSandbox())
            QSKIP("needs root on the host: otherwise a browser would really start");
        NoDesktopUserNamed noUser;
        LogCapture log;
        QVERIFY(!Browser::openUrl(QStringLiteral("https://www.keltnova.example/support/")));
        QCOMPARE(log.lines(QtWarningMsg),
            QStringList { QStringLiteral("[Browser] WARNING: No desktop user to open "
                                         "https://www.keltnova.example/support/ for; no browser started") });
    }
};

QTEST_GUILESS_MAIN(TestShell)
#include "tst_shell.moc"
