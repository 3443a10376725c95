#include "LogCapture.h"
#include "SandboxMachine.h"
#include "XvfbDisplay.h"

#include "platform/Windows.h"

#include <QFileInfo>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <xcb/xcb.h>

#include <algorithm>
#include <memory>
#include <vector>

using platform::WindowInfo;
using platform::Windows;

namespace {

constexpr int WindowTimeoutMs = 10000;
const QString SteamVR = QStringLiteral("SteamVR");
const QString Monitor = QStringLiteral("vrmonitor.exe");

// A client of the test's own on a display, for windows that the stand-ins do not make.
class XClient {
public:
    explicit XClient(const QString &display)
        : m_connection(xcb_connect(qPrintable(display), nullptr))
        , m_root(xcb_connection_has_error(m_connection)
                  ? XCB_NONE
                  : xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root)
    {
    }
    ~XClient() { xcb_disconnect(m_connection); }

    // A mapped window inside parent (the root for 0) with only a WM_NAME, and a pid claim
    // when pid is given; the server has made it on return.
    quint32 window(const QByteArray &latin1Name, quint32 parent = 0, quint32 pid = 0)
    {
        const xcb_window_t window = xcb_generate_id(m_connection);
        xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, window, parent ? parent : m_root, 0, 0, 50, 50, 0,
            XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
            uint32_t(latin1Name.size()), latin1Name.constData());
        if (pid)
            xcb_change_property(
                m_connection, XCB_PROP_MODE_REPLACE, window, atom("_NET_WM_PID"), XCB_ATOM_CARDINAL, 32, 1, &pid);
        xcb_map_window(m_connection, window);
        inputFocus(); // a round trip: every request before it is done
        return window;
    }

    quint32 inputFocus() const
    {
        const std::unique_ptr<xcb_get_input_focus_reply_t, decltype(&std::free)> reply(
            xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr), &std::free);
        return reply ? reply->focus : 0;
    }

private:
    xcb_atom_t atom(const char *name) const
    {
        const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
            xcb_intern_atom_reply(
                m_connection, xcb_intern_atom(m_connection, 0, uint16_t(qstrlen(name)), name), nullptr),
            &std::free);
        return reply ? reply->atom : XCB_NONE;
    }

    xcb_connection_t *m_connection;
    xcb_window_t m_root;
};

WindowInfo windowOf(qint64 pid)
{
    const QList<WindowInfo> windows = Windows::topLevel();
    for (const WindowInfo &window : windows) {
        if (window.pid == pid)
            return window;
    }
    return {};
}

bool listed(quint32 id)
{
    const QList<WindowInfo> windows = Windows::topLevel();
    return std::any_of(windows.begin(), windows.end(), [id](const WindowInfo &window) { return window.id == id; });
}

} // namespace

// Real stand-in programs show their windows on an X server of the test's own: one with a
// window manager, which lists and activates windows, and one without, where the root's
// children are the top-level windows.
class TestWindows : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(m_managed.start(), qPrintable(m_managed.errorString()));
        QVERIFY2(m_managed.startWindowManager(), qPrintable(m_managed.errorString()));
        QVERIFY2(m_bare.start(), qPrintable(m_bare.errorString()));
        m_log = std::make_unique<LogCapture>();
    }

    void cleanupTestCase() { m_log.reset(); }

    void init()
    {
        m_machine = std::make_unique<SandboxMachine>();
        m_environment = std::make_unique<ScopedEnvironment>();
        m_environment->set("DISPLAY", m_managed.name().toLatin1());
        m_environment->unset("WAYLAND_DISPLAY");
        m_environment->unset("XDG_SESSION_TYPE");
    }

    void cleanup()
    {
        for (const auto &peer : m_peers) {
            peer->kill();
            peer->waitForFinished();
        }
        m_peers.clear();
        m_scenario = {};
        m_environment.reset();
        m_machine.reset();
    }

    void findWantsTheTitleAndTheOwnersImageExactly_data() { displays(); }
    void findWantsTheTitleAndTheOwnersImageExactly()
    {
        QFETCH(bool, managed);
        useDisplay(managed);
        // The same title first from a copy outside the sandbox, then from another program.
        QTemporaryDir outside;
        const QString outsider = outside.filePath(Monitor);
        QVERIFY(QFile::copy(builtProgram(QStringLiteral("nova-peer")), outsider));
        const WindowInfo outsiders = showWindow(outsider, SteamVR);
        const WindowInfo steams = showWindow(QStringLiteral("opt/Steam/Steam.exe"), SteamVR);
        const WindowInfo monitors = showWindow(QStringLiteral("opt/SteamVR/bin/vrmonitor.exe"), SteamVR);
        QVERIFY(outsiders.id);
        QVERIFY(steams.id);
        QVERIFY(monitors.id);
        QVERIFY(outsiders.imageName.isEmpty());
        QCOMPARE(steams.imageName, QStringLiteral("Steam.exe"));

        const WindowInfo found = Windows::find(SteamVR, Monitor);
        QCOMPARE(found.id, monitors.id);
        QCOMPARE(found.pid, monitors.pid);
        QCOMPARE(found.title, SteamVR);
        QCOMPARE(Windows::find(SteamVR, QStringLiteral("Steam.exe")).id, steams.id);
        QCOMPARE(Windows::find(SteamVR, QStringLiteral("vrserver.exe")).id, 0u);
        QCOMPARE(Windows::find(SteamVR, QStringLiteral("VRMonitor.exe")).id, 0u);
        QCOMPARE(Windows::find(QStringLiteral("SteamVR Status"), Monitor).id, 0u);
        QCOMPARE(Windows::find(QStringLiteral("steamvr"), Monitor).id, 0u);
    }

    void titleIsCutAt255Characters_data()
    {
        QTest::addColumn<bool>("managed");
        QTest::addColumn<QString>("title");
        for (const bool managed : { true, false }) {
            const char *display = managed ? "managed" : "bare";
            QTest::addRow("%s, 300 ASCII", display) << managed << QString(300, QLatin1Char('a'));
            // Not Latin-1: only the UTF-8 title has it.
            QTest::addRow("%s, 300 Greek", display) << managed << QString(300, QChar(0x3a9));
            QTest::addRow("%s, 255", display) << managed << QStringLiteral("SteamVR \u2013 ").repeated(26).left(255);
        }
    }
    void titleIsCutAt255Characters()
    {
        QFETCH(bool, managed);
        QFETCH(QString, title);
        useDisplay(managed);
        QCOMPARE(showWindow(QStringLiteral("opt/SteamVR/bin/vrmonitor.exe"), title).title, title.left(255));
    }

    // Windows that name themselves only in WM_NAME (Latin-1), and windows inside others.
    void legacyTitlesCountAndChildWindowsAreSkipped_data() { displays(); }
    void legacyTitlesCountAndChildWindowsAreSkipped()
    {
        QFETCH(bool, managed);
        useDisplay(managed);
        const WindowInfo monitors = showWindow(QStringLiteral("opt/SteamVR/bin/vrmonitor.exe"), SteamVR);
        QVERIFY(monitors.id);
        XClient client(display(managed).name());
        const quint32 legacy = client.window("Caf\xe9");
        const quint32 child = client.window("SteamVR Child", monitors.id, quint32(monitors.pid));
        QTRY_VERIFY_WITH_TIMEOUT(listed(legacy), WindowTimeoutMs);
        const QList<WindowInfo> windows = Windows::topLevel();
        const auto legacyWindow = std::find_if(
            windows.begin(), windows.end(), [&](const WindowInfo &window) { return window.id == legacy; });
        QCOMPARE(legacyWindow->title, QStringLiteral("Caf\u00e9"));
        QCOMPARE(legacyWindow->pid, qint64(0));
        QVERIFY(!listed(child));
        QCOMPARE(Windows::find(QStringLiteral("SteamVR Child"), Monitor).id, 0u);
    }

    void activateMakesTheWindowActive()
    {
        const WindowInfo monitors = showWindow(QStringLiteral("opt/SteamVR/bin/vrmonitor.exe"), SteamVR);
        const WindowInfo steams = showWindow(QStringLiteral("opt/Steam/Steam.exe"), QStringLiteral("Steam"));
        QVERIFY(monitors.id && steams.id);
        XClient client(m_managed.name());
        for (const quint32 id : { monitors.id, steams.id, monitors.id }) {
            QVERIFY(Windows::activate(id));
            QTRY_COMPARE_WITH_TIMEOUT(Windows::active(), id, WindowTimeoutMs);
            QCOMPARE(client.inputFocus(), id);
        }
        QVERIFY(!Windows::activate(0));

        // Without a window manager nobody grants the request.
        useDisplay(false);
        const WindowInfo bare = showWindow(QStringLiteral("opt/SteamVR/bin/vrmonitor.exe"), SteamVR);
        QVERIFY(bare.id);
        QVERIFY(Windows::activate(bare.id));
        QCOMPARE(Windows::active(), 0u);
    }

    void withoutAnX11DisplayNothingIsFound_data()
    {
        QTest::addColumn<QByteArray>("display"); // empty: unset; "managed": the test's own
        QTest::addColumn<QByteArray>("variable"); // set to value as well
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QString>("reason");
        const QString noDisplay
            = QStringLiteral("[Windows] WARNING: No X display: windows cannot be found or activated");
        const QString wayland
            = QStringLiteral("[Windows] WARNING: Wayland session: windows cannot be found or activated");
        QTest::newRow("no DISPLAY") << QByteArray() << QByteArray() << QByteArray() << noDisplay;
        QTest::newRow("no server") << QByteArray(":65000") << QByteArray() << QByteArray()
                                   << QStringLiteral("[Windows] WARNING: Cannot connect to the X display :65000: "
                                                     "windows cannot be found or activated");
        QTest::newRow("XDG_SESSION_TYPE")
            << QByteArray("managed") << QByteArray("XDG_SESSION_TYPE") << QByteArray("wayland") << wayland;
        QTest::newRow("WAYLAND_DISPLAY") << QByteArray("managed") << QByteArray("WAYLAND_DISPLAY")
                                         << QByteArray("wayland-0") << wayland;
        QTest::newRow("both, again") << QByteArray() << QByteArray("XDG_SESSION_TYPE") << QByteArray("wayland")
                                     << wayland;
    }
    void withoutAnX11DisplayNothingIsFound()
    {
        QFETCH(QByteArray, display);
        QFETCH(QByteArray, variable);
        QFETCH(QByteArray, value);
        QFETCH(QString, reason);
        // A window that an X11 look-up would find.
        const WindowInfo monitors = showWindow(QStringLiteral("opt/SteamVR/bin/vrmonitor.exe"), SteamVR);
        QVERIFY(monitors.id);
        if (display.isEmpty())
            m_environment->unset("DISPLAY");
        else if (display != "managed")
            m_environment->set("DISPLAY", display);
        if (!variable.isEmpty())
            m_environment->set(variable.constData(), value);
        for (int i = 0; i < 2; ++i) {
            QVERIFY(Windows::topLevel().isEmpty());
            QCOMPARE(Windows::find(SteamVR, Monitor).id, 0u);
            QVERIFY(!Windows::activate(monitors.id));
            QCOMPARE(Windows::active(), 0u);
        }
        // Once in the process, whatever the number of calls or of rows with that reason.
        QCOMPARE(m_log->count(reason), 1);
    }

private:
    void displays()
    {
        QTest::addColumn<bool>("managed");
        QTest::newRow("window manager") << true;
        QTest::newRow("root's children") << false;
    }

    const XvfbDisplay &display(bool managed) const { return managed ? m_managed : m_bare; }
    void useDisplay(bool managed) { m_environment->set("DISPLAY", display(managed).name().toLatin1()); }

    // Starts a copy of the stand-in at path (relative: in the sandbox) showing a window
    // titled title for a minute, and waits until its window is listed.
    WindowInfo showWindow(const QString &path, const QString &title)
    {
        const QFileInfo file(path);
        const QString program = file.isAbsolute() ? path : m_machine->installPeer(file.path(), file.fileName());
        m_scenario.insert(
            file.fileName(), QJsonObject { { QStringLiteral("window"), title }, { QStringLiteral("runMs"), 60000 } });
        m_machine->writeScenario(m_scenario);
        auto peer = std::make_unique<QProcess>();
        peer->start(program, QStringList());
        if (!peer->waitForStarted())
            return {};
        const qint64 pid = peer->processId();
        m_peers.push_back(std::move(peer));
        WindowInfo window;
        return QTest::qWaitFor([&] { return (window = windowOf(pid)).id != 0; }, WindowTimeoutMs) ? window
                                                                                                  : WindowInfo();
    }

    std::unique_ptr<LogCapture> m_log; // the whole run's
    XvfbDisplay m_managed;
    XvfbDisplay m_bare;
    std::unique_ptr<SandboxMachine> m_machine;
    std::unique_ptr<ScopedEnvironment> m_environment;
    QJsonObject m_scenario;
    std::vector<std::unique_ptr<QProcess>> m_peers;
};

QTEST_GUILESS_MAIN(TestWindows)
#include "tst_windows.moc"
