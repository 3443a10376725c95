// The installed wizard as a blind user meets it: on an X display and a session bus of
// the test's own, with the accessibility bus and registry that at-spi2-core starts on
// it, the wizard exposes its tree (QT_LINUX_ACCESSIBILITY_ALWAYS_ON) and the keyboard
// alone drives it. atspi_probe.py reads the tree as a screen reader does; the test fails
// on an unnamed control, a Tab order that differs from the reading order, and texts,
// dialogs, links, the language list and the install progress not exposed, on every page
// the keyboard reaches, a dialog of each, and the dialog of a failed installation.

#include "Journey.h"
#include "SessionBus.h"
#include "XvfbDisplay.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <memory>

namespace {

const QString Python = QStringLiteral("/usr/bin/python3");
const QString BusLauncher = QStringLiteral("/usr/libexec/at-spi-bus-launcher");
constexpr int ProbeTimeoutMs = 20000;
constexpr int InstallTimeoutMs = 120000;

bool hasState(const QJsonObject &node, const char *state)
{
    return node.value(QLatin1String("states")).toArray().contains(QLatin1String(state));
}

bool showing(const QJsonObject &node)
{
    return hasState(node, "showing");
}

QString role(const QJsonObject &node)
{
    return node.value(QLatin1String("role")).toString();
}

QString name(const QJsonObject &node)
{
    return node.value(QLatin1String("name")).toString();
}

// Where a node is, for messages: "push button 'NEXT' at 1040,617".
QString where(const QJsonObject &node)
{
    return QStringLiteral("%1 '%2' at %3,%4")
        .arg(role(node), name(node))
        .arg(node.value(QLatin1String("x")).toInt())
        .arg(node.value(QLatin1String("y")).toInt());
}

// Whether b comes after a in reading order: further down, or on the same line (tops
// less than half the smaller height apart) and not further left.
bool readsAfter(const QJsonObject &a, const QJsonObject &b)
{
    const int ay = a.value(QLatin1String("y")).toInt();
    const int by = b.value(QLatin1String("y")).toInt();
    const int line = std::min(a.value(QLatin1String("height")).toInt(), b.value(QLatin1String("height")).toInt()) / 2;
    if (std::abs(by - ay) <= line)
        return b.value(QLatin1String("x")).toInt() >= a.value(QLatin1String("x")).toInt();
    return by > ay;
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QProcess check;
        check.start(Python, { QStringLiteral("-c"), QStringLiteral("import pyatspi") });
        if (!check.waitForFinished(ProbeTimeoutMs) || check.exitCode() != 0)
            QSKIP("pyatspi is not installed (python3-pyatspi)");
        if (!QFileInfo(BusLauncher).isExecutable())
            QSKIP("at-spi2-core is not installed");
        QVERIFY2(m_display.start(), qPrintable(m_display.errorString()));
        QVERIFY2(m_bus.start(), qPrintable(m_bus.errorString()));
        m_keyboard = std::make_unique<XKeyboard>(m_display.name());
        m_environment.set("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), m_display.name());
        m_launcher.setProcessEnvironment(environment);
        m_launcher.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_launcher.start(BusLauncher, { QStringLiteral("--launch-immediately"), QStringLiteral("--a11y=1") });
        QVERIFY2(m_launcher.waitForStarted(), qPrintable(m_launcher.errorString()));
    }

    void cleanupTestCase()
    {
        stopProcess(m_launcher);
        m_display.stop();
    }

    // The terms page, the language list, a link, a dialog, the folder page and the
    // install progress, in the software-only mode.
    void softwareOnlyJourney()
    {
        SandboxMachine machine;
        preparePassingPc(machine);
        WizardProcess wizard(machine);
        QVERIFY(wizard.install());
        QVERIFY(wizard.installUpdater());
        const qint64 speed = 1 << 20;
        machine.writeScenario({ { QStringLiteral("Updater.exe"),
            QJsonObject { { QStringLiteral("speed"), speed }, { QStringLiteral("totalSize"), 60 * speed },
                { QStringLiteral("intervalMs"), 200 } } } });
        QVERIFY2(startWizard(wizard, { QStringLiteral("-SWOA") }), qPrintable(m_keyboard->errorString()));
        QTRY_VERIFY_WITH_TIMEOUT(!probe().isEmpty(), PageTimeoutMs);

        // The terms: texts, the three links, the combo box, every control named.
        QTRY_VERIFY_WITH_TIMEOUT(!shownWith(QStringLiteral("link")).isEmpty(), PageTimeoutMs);
        QStringList links;
        for (const QJsonObject &link : shownWith(QStringLiteral("link"))) {
            QVERIFY2(hasState(link, "focusable"), qPrintable(where(link)));
            links << name(link);
        }
        QCOMPARE(links,
            QStringList({ QStringLiteral("EULA"), QStringLiteral("terms of use"), QStringLiteral("privacy policy") }));
        QVERIFY(shownNamed(QStringLiteral("label"), QStringLiteral("NOVA Tundra Setup installs the software")).size()
                + shownNamed(QStringLiteral("label"), QStringLiteral("Setup installs the software")).size()
            > 0);
        const QList<QJsonObject> combos = shownWith(QStringLiteral("combo box"));
        QCOMPARE(combos.size(), 1);
        QVERIFY(hasState(combos.first(), "expandable") && hasState(combos.first(), "collapsed"));
        verifyTabOrder();

        // The language list: open, the current language selected, six rows shown, the
        // arrows move, Escape closes on the combo box.
        QVERIFY(tabTo([](const QJsonObject &node) { return role(node) == QLatin1String("combo box"); }));
        pressKeys(*m_keyboard, { QStringLiteral("space") });
        QTRY_VERIFY_WITH_TIMEOUT(hasState(shownWith(QStringLiteral("combo box")).value(0), "expanded"), PageTimeoutMs);
        QCOMPARE(shownWith(QStringLiteral("list")).size(), 1);
        const QList<QJsonObject> rows = shownWith(QStringLiteral("list item"));
        QCOMPARE(rows.size(), 6);
        const QJsonObject current = focused();
        QCOMPARE(role(current), QStringLiteral("list item"));
        QVERIFY(hasState(current, "selected"));
        QVERIFY2(
            name(shownWith(QStringLiteral("combo box")).value(0)).endsWith(name(current)), qPrintable(where(current)));
        QVERIFY(!current.value(QLatin1String("description")).toString().isEmpty()); // the locale
        pressKeys(*m_keyboard, { QStringLiteral("Down") });
        QTRY_VERIFY_WITH_TIMEOUT(name(focused()) != name(current), PageTimeoutMs);
        QVERIFY(!hasState(focused(), "selected"));
        pressKeys(*m_keyboard, { QStringLiteral("Escape") });
        QTRY_COMPARE_WITH_TIMEOUT(role(focused()), QStringLiteral("combo box"), PageTimeoutMs);
        QVERIFY(hasState(focused(), "collapsed"));

        // A link opens by Return, as a click opens it.
        QVERIFY(tabTo([](const QJsonObject &node) { return name(node) == QLatin1String("EULA"); }));
        pressKeys(*m_keyboard, { QStringLiteral("Return") });
        QTRY_VERIFY_WITH_TIMEOUT(machine.openedUrls().value(0).endsWith(QLatin1String("/legal/eula")), PageTimeoutMs);

        // A dialog: the terms not yet accepted.
        verifyDialogFrom(QStringLiteral("GET STARTED"), QStringLiteral("OK"));

        // The tick, then the folder page announced by its heading.
        QVERIFY(tabTo([](const QJsonObject &node) { return role(node) == QLatin1String("check box"); }));
        pressKeys(*m_keyboard, { QStringLiteral("space") });
        QTRY_VERIFY_WITH_TIMEOUT(hasState(focused(), "checked"), PageTimeoutMs);
        QVERIFY(tabTo([](const QJsonObject &node) { return name(node) == QLatin1String("GET STARTED"); }));
        pressKeys(*m_keyboard, { QStringLiteral("space") });
        QTRY_VERIFY_WITH_TIMEOUT(wizard.logLines().contains(FolderLoaded), PageTimeoutMs);
        verifyPageStart(QStringLiteral("Choose where to install"));

        // The installation: the progress as a value, the status as a named text.
        pressInstall(wizard);
        QTRY_COMPARE_WITH_TIMEOUT(role(focused()), QStringLiteral("progress bar"), PageTimeoutMs);
        const QJsonObject bar = focused();
        QCOMPARE(name(bar), QStringLiteral("Installation progress"));
        QVERIFY2(bar.contains(QLatin1String("value")), "the progress bar has no value interface");
        QCOMPARE(bar.value(QLatin1String("minimum")).toDouble(), 0.0);
        QCOMPARE(bar.value(QLatin1String("maximum")).toDouble(), 100.0);
        QTRY_VERIFY_WITH_TIMEOUT(focused().value(QLatin1String("value")).toDouble() > 1, InstallTimeoutMs);
        QVERIFY(focused().value(QLatin1String("value")).toDouble() <= 100);
        const QList<QJsonObject> status = shownWith(QStringLiteral("status bar"));
        QCOMPARE(status.size(), 1);
        QVERIFY(!name(status.first()).isEmpty());
        wizard.kill();
    }

    // The health page: its heading has the keyboard and the six warnings are texts.
    void healthPageJourney()
    {
        SandboxMachine machine;
        preparePassingPc(machine);
        WizardProcess wizard(machine);
        QVERIFY(wizard.install());
        QVERIFY2(startWizard(wizard), qPrintable(m_keyboard->errorString()));
        QTRY_VERIFY_WITH_TIMEOUT(wizard.logLines().contains(ChecksDone), PageTimeoutMs);
        QStringList texts;
        for (const QJsonObject &label : shownWith(QStringLiteral("label")))
            texts << name(label);
        for (const char *warning : { "Clear your play area", "Mind the cable", "Wear it right", "Take regular breaks",
                 "Supervise children", "Listen to your body" })
            QVERIFY2(texts.contains(QLatin1String(warning)), warning);
        QVERIFY(texts.contains(QStringLiteral("Stop at once if you feel dizzy, sick or uncomfortable.")));
        verifyPageStart(QStringLiteral("Health and safety"));
        wizard.kill();
    }

    // A PC that is not ready (32-bit Windows) and an old graphics driver: the check page
    // with its results as texts and its links, then the driver page, and their dialogs.
    void checkAndDriverPages()
    {
        SandboxMachine machine;
        preparePassingPc(machine,
            { { QStringLiteral("os64bit"), false }, { QStringLiteral("nvidiaDriver"), QStringLiteral("388.13") } });
        WizardProcess wizard(machine);
        QVERIFY(wizard.install());
        QVERIFY2(startWizard(wizard), qPrintable(m_keyboard->errorString()));
        QTRY_VERIFY_WITH_TIMEOUT(
            wizard.logLines().contains(QStringLiteral("[PageManager] Should skip pDriver? false")), PageTimeoutMs);
        QTRY_COMPARE_WITH_TIMEOUT(name(focused()), QStringLiteral("Health and safety"), PageTimeoutMs);
        pressKeys(*m_keyboard, { QStringLiteral("Return") });
        QTRY_VERIFY_WITH_TIMEOUT(
            wizard.logLines().contains(QStringLiteral("[PageManager] Loaded pCheck.qml")), PageTimeoutMs);
        verifyPageStart(QStringLiteral("Your PC might not be NOVA ready"));
        QStringList results;
        for (const QJsonObject &label : shownWith(QStringLiteral("label")))
            results << name(label);
        QVERIFY2(
            !results.filter(QRegularExpression(QStringLiteral("^Operating system: .*\\(64-bit\\) is required\\.$")))
                 .isEmpty(),
            qPrintable(results.join(QStringLiteral(" | "))));
        QVERIFY2(
            !results.filter(QRegularExpression(QStringLiteral("^Graphics card: .*Meets the requirements$"))).isEmpty(),
            qPrintable(results.join(QStringLiteral(" | "))));
        verifyDialogFrom(QStringLiteral("QUIT SETUP"), QStringLiteral("BACK"));
        // Next asks first: CANCEL stays, CONTINUE ANYWAY goes on.
        verifyDialogFrom(QStringLiteral("NEXT"), QStringLiteral("CANCEL"));
        pressKeys(*m_keyboard, { QStringLiteral("space") });
        QTRY_VERIFY_WITH_TIMEOUT(!shownWith(QStringLiteral("dialog")).isEmpty(), PageTimeoutMs);
        QVERIFY(tabTo([](const QJsonObject &node) { return name(node) == QLatin1String("CONTINUE ANYWAY"); }));
        pressKeys(*m_keyboard, { QStringLiteral("space") });
        QTRY_VERIFY_WITH_TIMEOUT(
            wizard.logLines().contains(QStringLiteral("[PageManager] Loaded pDriver.qml")), PageTimeoutMs);
        verifyPageStart(QStringLiteral("Update your graphics card driver"));
        QVERIFY(!shownNamed(QStringLiteral("label"), QStringLiteral("Setup closes while you update.")).isEmpty());
        verifyDialogFrom(QStringLiteral("UPDATE DRIVER"), QStringLiteral("CANCEL"));
        wizard.kill();
    }

    // Software-only mode on a PC without .NET Framework: the page that installs it.
    void dotNetPage()
    {
        SandboxMachine machine;
        preparePassingPc(machine);
        platform::Registry::remove(ReleaseKey, Release);
        WizardProcess wizard(machine);
        QVERIFY(wizard.install());
        QVERIFY2(startWizard(wizard, { QStringLiteral("-SWOA") }), qPrintable(m_keyboard->errorString()));
        acceptTerms();
        QTRY_VERIFY_WITH_TIMEOUT(
            wizard.logLines().contains(QStringLiteral("[PageManager] Loaded pDotNet.qml")), PageTimeoutMs);
        verifyPageStart(QStringLiteral("Install required software"));
        wizard.kill();
    }

    // Software-only mode over an earlier installation: SKIP INSTALLATION leads to the
    // completion page.
    void completePage()
    {
        SandboxMachine machine;
        preparePassingPc(machine);
        WizardProcess wizard(machine);
        installEarlierSoftware(machine, wizard, { QStringLiteral("DONE") });
        QVERIFY(wizard.install());
        QVERIFY2(startWizard(wizard, { QStringLiteral("-SWOA") }), qPrintable(m_keyboard->errorString()));
        acceptTerms();
        QTRY_VERIFY_WITH_TIMEOUT(wizard.logLines().contains(FolderLoaded), PageTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(hasLineStartingWith(wizard.logLines(),
                                     QStringLiteral("[PathManager] decideSkipInstall(): Can skip install? [1]")),
            PageTimeoutMs);
        QVERIFY(tabTo([](const QJsonObject &node) { return name(node) == QLatin1String("SKIP INSTALLATION"); }));
        pressKeys(*m_keyboard, { QStringLiteral("space") });
        QTRY_VERIFY_WITH_TIMEOUT(
            wizard.logLines().contains(QStringLiteral("[PageManager] Loaded pComplete.qml")), PageTimeoutMs);
        verifyPageStart(QStringLiteral("Install completed! Thanks for your waiting."));
        wizard.kill();
    }

    // A failure while installing: its dialog comes by itself and announces itself with
    // the keyboard on its answers; TRY AGAIN gives the keyboard back to the progress.
    void installFaultDialog()
    {
        SandboxMachine machine;
        preparePassingPc(machine);
        WizardProcess wizard(machine);
        QVERIFY(wizard.install());
        QVERIFY(wizard.installUpdater());
        // The updater's own step fails twice (exit code 1, retried once), then succeeds.
        const QJsonObject updateFail { { QStringLiteral("exitCode"), 1 } };
        const QJsonObject attempts { { QStringLiteral("attempts"),
            QJsonArray { updateFail, updateFail, QJsonObject() } } };
        machine.writeScenario({ { QStringLiteral("Updater.exe"),
            QJsonObject { { QStringLiteral("totalSize"), 4096 }, { QStringLiteral("speed"), 409600 },
                { QStringLiteral("intervalMs"), 10 },
                { QStringLiteral("tasks"), QJsonObject { { QStringLiteral("updater"), attempts } } } } } });
        QVERIFY2(startWizard(wizard, { QStringLiteral("-SWOA") }), qPrintable(m_keyboard->errorString()));
        acceptTerms();
        pressInstall(wizard);
        QTRY_VERIFY_WITH_TIMEOUT(
            wizard.logLines().contains(QStringLiteral("[main] Show dialog IN002")), InstallTimeoutMs);
        QJsonObject dialog;
        verifyDialogShown(&dialog);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(name(dialog), QStringLiteral("Couldn't download NOVA software"));
        closeDialogBy(dialog, QStringLiteral("TRY AGAIN"));
        QTRY_COMPARE_WITH_TIMEOUT(role(focused()), QStringLiteral("progress bar"), PageTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(
            wizard.logLines().contains(QStringLiteral("[InstallManager] Dialog return asks to resume installation")),
            PageTimeoutMs);
        wizard.kill();
    }

private:
    // Starts the wizard with arguments and waits for its window, whose tree probe() reads
    // from then; false (the keyboard says why) when the window did not come.
    bool startWizard(WizardProcess &wizard, const QStringList &arguments = {})
    {
        if (!wizard.startAndWaitForWindow(*m_keyboard, arguments))
            return false;
        m_pid = wizard.pid();
        return true;
    }

    // On the folder page, once the sizes are known: INSTALL.
    void pressInstall(const WizardProcess &wizard)
    {
        QTRY_VERIFY_WITH_TIMEOUT(
            !wizard.logLines().filter(QStringLiteral("[pFolder] Space required: ")).isEmpty(), PageTimeoutMs);
        QVERIFY(tabTo([](const QJsonObject &node) { return name(node) == QLatin1String("INSTALL"); }));
        pressKeys(*m_keyboard, { QStringLiteral("space") });
    }

    // Ticks the terms box and presses GET STARTED.
    void acceptTerms()
    {
        QTRY_VERIFY_WITH_TIMEOUT(!shownWith(QStringLiteral("check box")).isEmpty(), PageTimeoutMs);
        QVERIFY(tabTo([](const QJsonObject &node) { return role(node) == QLatin1String("check box"); }));
        pressKeys(*m_keyboard, { QStringLiteral("space") });
        QTRY_VERIFY_WITH_TIMEOUT(hasState(focused(), "checked"), PageTimeoutMs);
        QVERIFY(tabTo([](const QJsonObject &node) { return name(node) == QLatin1String("GET STARTED"); }));
        pressKeys(*m_keyboard, { QStringLiteral("space") });
    }

    // A page change is announced: the page's heading takes the keyboard, and a round of
    // Tab over the page follows the reading order.
    void verifyPageStart(const QString &heading)
    {
        QTRY_COMPARE_WITH_TIMEOUT(name(focused()), heading, PageTimeoutMs);
        QCOMPARE(role(focused()), QStringLiteral("heading"));
        verifyTabOrder();
    }

    // The dialog that the control named opener opens; the button named closer closes it
    // and gives the keyboard back to the opener.
    void verifyDialogFrom(const QString &opener, const QString &closer)
    {
        QVERIFY2(tabTo([&opener](const QJsonObject &node) { return name(node) == opener; }), qPrintable(opener));
        pressKeys(*m_keyboard, { QStringLiteral("space") });
        QJsonObject dialog;
        verifyDialogShown(&dialog);
        if (QTest::currentTestFailed())
            return;
        closeDialogBy(dialog, closer);
        if (QTest::currentTestFailed())
            return;
        QTRY_COMPARE_WITH_TIMEOUT(name(focused()), opener, PageTimeoutMs);
    }

    // The dialog on the screen, into dialog: named by its title, described by its
    // message, with the keyboard on one of its buttons.
    void verifyDialogShown(QJsonObject *dialog)
    {
        QTRY_VERIFY_WITH_TIMEOUT(!shownWith(QStringLiteral("dialog")).isEmpty(), PageTimeoutMs);
        *dialog = shownWith(QStringLiteral("dialog")).value(0);
        QVERIFY2(!name(*dialog).isEmpty(), "a dialog without a name");
        QVERIFY2(!dialog->value(QLatin1String("description")).toString().isEmpty(), qPrintable(name(*dialog)));
        QTRY_VERIFY_WITH_TIMEOUT(inDialog(*dialog, focused()), PageTimeoutMs);
    }

    // Tabs to the dialog's button named closer and presses it; the dialog goes.
    void closeDialogBy(const QJsonObject &dialog, const QString &closer)
    {
        QVERIFY2(tabTo([&](const QJsonObject &node) { return inDialog(dialog, node) && name(node) == closer; }),
            qPrintable(name(dialog) + QStringLiteral(": ") + closer));
        pressKeys(*m_keyboard, { QStringLiteral("space") });
        QTRY_VERIFY_WITH_TIMEOUT(shownWith(QStringLiteral("dialog")).isEmpty(), PageTimeoutMs);
    }

    static bool inDialog(const QJsonObject &dialog, const QJsonObject &node)
    {
        return role(node) == QLatin1String("push button")
            && node.value(QLatin1String("depth")).toInt() > dialog.value(QLatin1String("depth")).toInt();
    }

    // The shown part of the wizard's accessible tree; empty while it is not on the bus.
    QList<QJsonObject> probe() const
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), m_display.name());
        process.setProcessEnvironment(environment);
        process.start(Python, { QStringLiteral(NOVA_ATSPI_PROBE), QString::number(m_pid) });
        if (!process.waitForFinished(ProbeTimeoutMs) || process.exitCode() != 0) {
            process.kill();
            process.waitForFinished(1000);
            return {};
        }
        QList<QJsonObject> nodes;
        for (const QJsonValue &node : QJsonDocument::fromJson(process.readAllStandardOutput()).array())
            nodes << node.toObject();
        return nodes;
    }

    QList<QJsonObject> shownWith(const QString &wantedRole) const
    {
        QList<QJsonObject> found;
        for (const QJsonObject &node : probe()) {
            if (role(node) == wantedRole && showing(node))
                found << node;
        }
        return found;
    }

    QList<QJsonObject> shownNamed(const QString &wantedRole, const QString &start) const
    {
        QList<QJsonObject> found;
        for (const QJsonObject &node : shownWith(wantedRole)) {
            if (name(node).contains(start))
                found << node;
        }
        return found;
    }

    // The node with the keyboard: the deepest focused one (the focus scopes around it,
    // a dialog, report the focus too).
    QJsonObject focused() const
    {
        QJsonObject found;
        for (const QJsonObject &node : probe()) {
            if (hasState(node, "focused"))
                found = node;
        }
        return found;
    }

    // Presses Tab until the focused node matches; false after a round without it.
    template<typename Match> bool tabTo(const Match &match)
    {
        for (int i = 0; i < 25; ++i) {
            if (match(focused()))
                return true;
            if (!m_keyboard->press({ QStringLiteral("Tab") }))
                return false;
        }
        return false;
    }

    // One round of Tab: every stop is a shown, named control, and the round, from the
    // stop nearest the window's top left, follows the reading order.
    void verifyTabOrder()
    {
        QList<QJsonObject> round;
        for (int i = 0; i < 25; ++i) {
            pressKeys(*m_keyboard, { QStringLiteral("Tab") });
            QJsonObject stop;
            QTRY_VERIFY_WITH_TIMEOUT(!(stop = focused()).isEmpty(), PageTimeoutMs);
            if (!round.isEmpty() && where(stop) == where(round.first()))
                break;
            round << stop;
        }
        QVERIFY(round.size() >= 3);
        for (const QJsonObject &stop : round) {
            QVERIFY2(!name(stop).trimmed().isEmpty(), qPrintable(QStringLiteral("unnamed: ") + where(stop)));
            QVERIFY2(showing(stop) && hasState(stop, "focusable"), qPrintable(where(stop)));
        }
        int first = 0;
        for (int i = 1; i < round.size(); ++i) {
            if (readsAfter(round.at(i), round.at(first)) && where(round.at(i)) != where(round.at(first)))
                first = i;
        }
        QStringList order;
        for (int i = 0; i < round.size(); ++i)
            order << where(round.at((first + i) % round.size()));
        for (int i = 1; i < round.size(); ++i) {
            QVERIFY2(readsAfter(round.at((first + i - 1) % round.size()), round.at((first + i) % round.size())),
                qPrintable(
                    QStringLiteral("Tab order is not the reading order: ") + order.join(QStringLiteral(" -> "))));
        }
    }

    XvfbDisplay m_display;
    SessionBus m_bus;
    QProcess m_launcher;
    ScopedEnvironment m_environment;
    std::unique_ptr<XKeyboard> m_keyboard;
    qint64 m_pid = 0;
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
