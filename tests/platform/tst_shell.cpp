#include "DesktopFileValidator.h"
#include "platform/Shell.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

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
};

QTEST_GUILESS_MAIN(TestShell)
#include "tst_shell.moc"
