// The window loads from the external resource files of the program folder, or from
// the development tree's copies when the folder has no base.rcc.

#include "QmlHarness.h"

#include "qml/QmlResources.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

class TestQmlResources : public QObject {
    Q_OBJECT

private:
    QString built(const QString &name) const { return qEnvironmentVariable("NOVA_BIN_DIR") + QLatin1Char('/') + name; }

    // Links the built file `name` into folder (the fonts file is large).
    bool place(const QString &folder, const QString &name) const
    {
        return QDir().mkpath(folder) && QFile::link(built(name), folder + QLatin1Char('/') + name);
    }

    void expectWindowWithComponents()
    {
        QmlHarness harness;
        QVERIFY(harness.isLoaded());
        for (const char *name : { "pageHeader", "pageFooter", "pageLoader", "pageDialog", "waitingDialog" })
            QVERIFY2(harness.find(QLatin1String(name)), name);
        QCOMPARE(harness.currentPage(), QStringLiteral("pHealth.qml"));
        QVERIFY(QFile::exists(QStringLiteral(":/fonts/Roboto-Regular.ttf")));
    }

private slots:
    void initTestCase() { initQmlResources(); }

    void loadsWithTheFourFilesOfTheProgramFolder()
    {
        const QString folder = qEnvironmentVariable("NOVA_BIN_DIR");
        QVERIFY(registerExternalResources(folder));
        QVERIFY(QFile::exists(QStringLiteral(":/assets/ic_close.png")));
        QVERIFY(QFile::exists(QStringLiteral(":/images/illustrations/welcome.svg")));
        expectWindowWithComponents();
        unregisterExternalResources(folder);
    }

    void fallsBackToTheDevelopmentTree()
    {
        QTemporaryDir tree;
        const QString program = tree.filePath(QStringLiteral("build/bin"));
        const QString baseLib = tree.filePath(QStringLiteral("NovaBaseLib"));
        QVERIFY(place(program, QStringLiteral("general_assets.rcc")) && place(program, QStringLiteral("bg.rcc")));
        QVERIFY(place(baseLib, QStringLiteral("base.rcc")) && place(baseLib, QStringLiteral("fonts.rcc")));

        QVERIFY(registerExternalResources(program));
        expectWindowWithComponents();
        unregisterExternalResources(program);
    }

    void withoutBaseTheWindowCannotLoad()
    {
        QTemporaryDir empty;
        QVERIFY(!registerExternalResources(empty.path()));
        QTest::ignoreMessage(QtWarningMsg, "QQmlApplicationEngine failed to load component");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("is not a type$")));
        QmlHarness harness;
        QVERIFY(!harness.isLoaded());
    }
};

QTEST_MAIN(TestQmlResources)
#include "tst_qmlresources.moc"
