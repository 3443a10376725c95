#pragma once

#include <QString>

#include <memory>

class BIService;
class CDialogAgent;
class CheckManager;
class CNetFxUtil;
class CNovaDetect;
class Closer;
class CPageManager;
class DialogManager;
class GraphicsChecker;
class Guard;
class InstallManager;
class NOVAControl;
class NovaportLauncher;
class OEMProcess;
class ParamHandler;
class PathManager;
class Predownloader;
class ShortCut;
class ScreenShot;
class SigninManager;
class QObject;
class QQmlApplicationEngine;
class UpdaterLauncher;
class UrlChecker;

// The managers of one run, created in their fixed order on the QML window and wired to
// each other and to the window in one place; destroyed in the reverse order.
class Managers {
public:
    // root: the loaded QML window; version: the program's version text; programFolder:
    // the folder the program and its data files were installed in; testMode: the run
    // takes the screenshot tour and asks no country service; language: the language
    // object that the window knows as "langProp".
    Managers(QObject *root, const QString &version, const QString &programFolder, const ParamHandler &params,
        bool testMode, QObject *language);
    ~Managers();
    Managers(const Managers &) = delete;
    Managers &operator=(const Managers &) = delete;

    // Makes the start-up connections, in their fixed order.
    void connectAll(QQmlApplicationEngine &engine, ParamHandler &params);

    // In the order of creation.
    std::unique_ptr<BIService> biService;
    std::unique_ptr<Predownloader> predownloader;
    std::unique_ptr<ShortCut> shortCut;
    std::unique_ptr<Closer> closer;
    std::unique_ptr<DialogManager> dialogManager;
    std::unique_ptr<PathManager> pathManager;
    std::unique_ptr<GraphicsChecker> graphicsChecker;
    std::unique_ptr<CPageManager> pageManager;
    std::unique_ptr<CNetFxUtil> netFxUtil;
    std::unique_ptr<CheckManager> checkManager;
    std::unique_ptr<ScreenShot> screenShot;
    std::unique_ptr<CDialogAgent> dialogAgent;
    std::unique_ptr<NOVAControl> novaControl;
    std::unique_ptr<CNovaDetect> novaDetect;
    std::unique_ptr<InstallManager> installManager;
    std::unique_ptr<SigninManager> signinManager;
    std::unique_ptr<Guard> guard;
    std::unique_ptr<UpdaterLauncher> updaterLauncher;
    std::unique_ptr<NovaportLauncher> novaportLauncher;
    std::unique_ptr<UrlChecker> urlChecker;
    std::unique_ptr<OEMProcess> oemProcess;

private:
    QObject *m_root;
};
