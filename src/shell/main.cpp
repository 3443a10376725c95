// The wizard's entry point: opens the log, announces itself, prepares the machine,
// loads the main window, creates the managers in their fixed order, wires them and runs.

#include "checks/ProductSite.h"
#include "companions/ShortCut.h"
#include "core/DLog.h"
#include "core/ModeFlags.h"
#include "core/QmlNames.h"
#include "core/Utils.h"
#include "install/flow/InstallManager.h"
#include "platform/Folders.h"
#include "platform/Graphics.h"
#include "platform/Launch.h"
#include "platform/NamedEvent.h"
#include "platform/Processes.h"
#include "platform/Registry.h"
#include "qml/QmlResources.h"
#include "shell/Language.h"
#include "shell/Managers.h"
#include "shell/ParamHandler.h"
#include "wizard/PageManager.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QScreen>

namespace {

const QString Version = QStringLiteral("NovaTundraInstall_1.0.121.0");
// How long start-up waits for a helper tool before it gives up on it.
constexpr int ToolWaitMs = 30000;

// Runs a tool to its end (bounded) and returns its exit code, or -1 when it could not
// be started, crashed or ran too long.
int runTool(const QString &program, const QStringList &arguments, const QString &workingDir = QString())
{
    platform::StartRequest request;
    request.program = program;
    request.arguments = arguments;
    request.workingDir = workingDir;
    request.waitLimitMs = ToolWaitMs;
    const platform::LaunchResult result = platform::startProgram(request);
    return result.status == platform::LaunchResult::Finished && !result.crashed ? result.exitCode : -1;
}

// Asks a companion app to close itself through the command its installation registered.
void closeCompanion(const char *name, const QString &key)
{
    qDebug("[main] Close %s", name);
    const QString path = Utils::readRegValue(key, QStringLiteral("TerminatePath")).toString();
    const QString parameter = Utils::readRegValue(key, QStringLiteral("TerminateParam")).toString();
    qDebug("[main] %s app path:%s", name, qUtf8Printable(path));
    const int exitCode = runTool(path, { parameter });
    qDebug("[main] %s args: %s", name, qUtf8Printable(parameter));
    if (exitCode == 0)
        qDebug("[main] Close %s success.", name);
    else
        qWarning("[main] Error: Close %s fail.", name);
}

// How long start-up waits for the EGL probe's answer; a probe that has not answered by
// then counts as failed.
constexpr int EglProbeWaitMs = 2000;

void chooseOpenGl(platform::EglProbe &eglProbe)
{
    if (eglProbe.succeeded(EglProbeWaitMs)) {
        qDebug("[main] egl initializ success!");
        QCoreApplication::setAttribute(Qt::AA_UseOpenGLES);
    } else {
        qDebug("[main] egl initializ error! Change to Qt::AA_UseSoftwareOpenGL");
        QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL);
    }
}

void logOpenGlAttributes()
{
    qDebug("[main] Qt::AA_UseDesktopOpenGL? %d", QCoreApplication::testAttribute(Qt::AA_UseDesktopOpenGL));
    qDebug("[main] Qt::AA_UseOpenGLES? %d", QCoreApplication::testAttribute(Qt::AA_UseOpenGLES));
    qDebug("[main] Qt::AA_UseSoftwareOpenGL? %d", QCoreApplication::testAttribute(Qt::AA_UseSoftwareOpenGL));
}

void addProgramFolderToLibraryPaths(const QString &programFolder)
{
    qDebug("[main] Current library paths: %s", qUtf8Printable(QCoreApplication::libraryPaths().join(QLatin1Char(';'))));
    qDebug("[main] Add path %s", qUtf8Printable(programFolder));
    QCoreApplication::addLibraryPath(programFolder);
    qDebug("[main] Current library paths: %s", qUtf8Printable(QCoreApplication::libraryPaths().join(QLatin1Char(';'))));
}

QString skuFor(const QString &productName)
{
    if (productName == QLatin1String("NOVA Tundra Elite"))
        return QStringLiteral("KYR");
    if (productName == QLatin1String("NOVA Tundra"))
        return QStringLiteral("Tundra");
    return QStringLiteral("DOV");
}

void setRootProperties(QObject *root, const QString &programFolder)
{
    const QScreen *screen = QGuiApplication::screens().value(0);
    qDebug("[main] numbers of screens: %d", int(QGuiApplication::screens().size()));
    const QRect area = screen ? screen->availableGeometry() : QRect();
    qDebug(
        "[main] primary screen available geometry QRect(%d,%d %dx%d)", area.x(), area.y(), area.width(), area.height());
    qDebug("[main] Set primScWidth to qml success? %d", root->setProperty(QmlNames::primScWidth, area.width()));
    qDebug("[main] Set primScHeight to qml success? %d", root->setProperty(QmlNames::primScHeight, area.height()));
    root->setProperty(QmlNames::productName, Mode::productName());
    root->setProperty(QmlNames::sku, skuFor(Mode::productName()));
    root->setProperty(QmlNames::bPublic, Mode::isPublic() || Mode::isBeta());
    root->setProperty(QmlNames::version, Version);
    root->setProperty(QmlNames::bIsDKV, Mode::isDKV());
    root->setProperty(QmlNames::bIsSWOA, Mode::isSWOA());
    root->setProperty(QmlNames::bIsOtherDev, Mode::isOtherDev());
    root->setProperty(QmlNames::videoPath, QString(programFolder + QStringLiteral("/Videos/")));
    root->setProperty(QmlNames::productSite, productSite());
}

bool detectTestMode()
{
    const QString marker = QStringLiteral("/Nova2Setup_Tests.ini");
    const QString launcherFolder = ShortCut::launcherLocation();
    if (!launcherFolder.isEmpty() && QFile::exists(launcherFolder + marker)) {
        qDebug("[main] Enter test mode due to Launcher");
        return true;
    }
    if (QFile::exists(platform::Folders::systemDriveRoot() + marker)) {
        qDebug("[main] Enter test mode due to root folder check.");
        return true;
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    // The EGL probe runs in a process of its own while start-up goes on; chooseOpenGl
    // takes its answer.
    platform::EglProbe eglProbe;
    eglProbe.start(QFileInfo(platform::Processes::currentImagePath()).path());

    DLog::openTempLog(QStringLiteral("NovaEyeInstall"));
    qInstallMessageHandler(DLog::messageHandler);
    qDebug("[main] Opened log file.");

    // Signalled for exactly as long as this process lives.
    qDebug("[main] Create and set event ORVEN_OOBE_FLOW");
    platform::NamedEvent flowEvent(QStringLiteral("ORVEN_OOBE_FLOW"));
    if (!flowEvent.create(false) || !flowEvent.set())
        qWarning("[main] WARNING: Cannot set event ORVEN_OOBE_FLOW, error: %d", flowEvent.error());

    Utils::writeRegValue(Utils::RegKeltNova, QStringLiteral("Version"), Version);
    qDebug("[main] Set %s\\Version: %s", qUtf8Printable(Utils::RegKeltNova), qUtf8Printable(Version));

    closeCompanion("CU", Utils::RegControlUnit);
    closeCompanion("NovaSettings", Utils::RegNovaEyeSettings);

    qDebug("[main] Init application");
    chooseOpenGl(eglProbe); // before the application object: the attributes only count then
    QApplication app(argc, argv);
    logOpenGlAttributes();
    const QString programFolder = QCoreApplication::applicationDirPath();
    addProgramFolderToLibraryPaths(programFolder);

    qDebug("[main] execut MngProgData.exe");
    const QString toolFolder = programFolder + QStringLiteral("/OOBETool");
    qDebug("[main] MngProgData.exe dir:%s", qUtf8Printable(toolFolder));
    platform::StartRequest mngProgData;
    mngProgData.program = toolFolder + QStringLiteral("/MngProgData.exe");
    mngProgData.workingDir = toolFolder;
    mngProgData.wait = false;
    mngProgData.inheritStreams = true;
    mngProgData.newSession = true;
    platform::startProgram(mngProgData);

    qDebug("[main] Register resource");
    registerExternalResources(programFolder);
    registerFonts();

    qDebug("[main] Write registry for crash dump.");
    if (runTool(toolFolder + QStringLiteral("/writeDbgReg.exe"), {}, toolFolder) == 0)
        qDebug("[main] Write crash dump registry success.");
    else
        qWarning("[main] Error: Write crash dump registry failed.");

    qDebug("[main] Write registry to hide updaterInstallHelper window.");
    Utils::writeRegValue(Utils::RegKeltNova, QStringLiteral("NoHelperMessage"), QStringLiteral("Y"));
    platform::Registry::flush();

    qDebug("[main] Kill NOVAPORT_Signin.exe process");
    Utils::killProcessByName(QStringLiteral("NOVAPORT_Signin.exe"));

    qDebug("[main] Init lang");
    ParamHandler params(argc, argv, true);
    Language language(Mode::isCN());

    if (Mode::isSWOA() && !Mode::isNoAccount()) {
        qDebug("[main] Set registry for oculus");
        QCoreApplication::setOrganizationName(QStringLiteral("KeltNova\\NovaSoftwareInstall"));
        QCoreApplication::setApplicationName(QStringLiteral("Devices"));
        Utils::writeRegValue(platform::Registry::scopeKey(
                                 true, QCoreApplication::organizationName(), QCoreApplication::applicationName()),
            QStringLiteral("Oculus"), QString());
    }

    qDebug("[main] Init app engine");
    initQmlResources();
    QQmlApplicationEngine engine;
    engine.rootContext()->setContextProperty(QStringLiteral("langProp"), &language);
    qDebug("[main] Load QML");
    engine.load(QUrl(QStringLiteral("qrc:/main.qml")));
    qDebug("[main] Obtain QML root");
    QObject *root = engine.rootObjects().value(0);
    if (!root) {
        qCritical("[main] ERROR: Cannot load the main window");
        return 1;
    }
    setRootProperties(root, programFolder);
    language.setRootObject(root);

    qDebug("[main] Init other objects");
    const bool testMode = detectTestMode();

    Managers managers(root, Version, programFolder, params, testMode, &language);
    managers.installManager->setSteamLanguageSource([&language] { return language.steamLang(); });

    QObject *pageFooter = QmlNames::find(root, QmlNames::pageFooter);
    if (pageFooter)
        pageFooter->setProperty(QmlNames::bScreenshot, testMode);

    qDebug("[main] Connect signal-slots");
    managers.connectAll(engine, params);
    managers.pageManager->start();
    // Test mode's unattended tour (scripts/screenshots): the footer's button, pressed at once.
    if (testMode && pageFooter && QCoreApplication::arguments().contains(QStringLiteral("-SCREENSHOTS")))
        QMetaObject::invokeMethod(pageFooter, "doScreenshot", Qt::QueuedConnection,
            Q_ARG(QString, pageFooter->property("screenshotFolder").toString()));

    app.setQuitOnLastWindowClosed(false);
    qDebug("[main] Execute app");
    return app.exec();
}
