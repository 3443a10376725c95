#include "shell/Closer.h"

#include "bi/BIService.h"
#include "core/ModeFlags.h"
#include "core/QmlNames.h"
#include "core/Utils.h"
#include "install/GuideParser.h"
#include "install/PipeThreadWin.h"

#include <QFile>

Closer::Closer(QObject *root, BIService *biService, QObject *parent)
    : QObject(parent)
    , m_root(root)
    , m_biService(biService)
{
}

QString Closer::guideKey(const QString &productName)
{
    QString subKey = QStringLiteral("\\NovaDovGuide");
    if (productName == QLatin1String("NOVA Tundra Elite"))
        subKey = QStringLiteral("\\NovaTundraEGuide");
    else if (productName == QLatin1String("NOVA Tundra"))
        subKey = QStringLiteral("\\NovaEyeGuide");
    return Utils::RegKeltNova + subKey;
}

bool Closer::startGuide(const QString &bgiPipeName)
{
    qDebug("[Closer] Find guide path");
    const QString key = guideKey(Mode::productName());
    const QString appPath = Utils::readRegValue(key, Utils::ValueAppPath).toString();
    const QString launchPath = Utils::readRegValue(key, Utils::ValueLaunchPath).toString();
    if (appPath.isEmpty() || launchPath.isEmpty()) {
        qWarning("[Closer] WARNING: Cannot find Guide path from registry");
        return false;
    }
    qDebug("[Closer] Found Guide path from registry: %s", qUtf8Printable(launchPath));
    if (!QFile::exists(appPath) || !QFile::exists(launchPath)) {
        qWarning("[Closer] WARNING: Guide file doesn't exist");
        return false;
    }

    const bool quitOnStart = bgiPipeName.isEmpty();
    qDebug("[Closer] Installer should quit on Guide started?%d", quitOnStart);
    const QString pipeName = QStringLiteral("\\\\.\\pipe\\installer_for_guide") + Utils::getCurrentPid();
    qDebug("[Closer] Start named pipe: %s", qUtf8Printable(pipeName));
    auto *parser = new GuideParser(quitOnStart);
    auto *thread = new PipeThreadWin(pipeName, parser, this);
    thread->deleteWhenFinished();
    connect(parser, &GuideParser::guideStarted, this, &Closer::guideStarted);
    connect(parser, &GuideParser::prepareToQuit, this, &Closer::prepareToQuit);
    connect(thread, &QThread::finished, this, &Closer::closing);
    thread->start(QThread::InheritPriority);

    qDebug("[Closer] Start Guide");
    const QString sessionId = m_biService ? m_biService->sessionId() : QString();
    // The program path is quoted: install folders may hold blanks.
    QString command = QLatin1Char('"') + launchPath + QStringLiteral("\" DONE:") + pipeName
        + QStringLiteral(" SESSIONID:") + sessionId + QLatin1Char(' ') + Mode::modeParam();
    qDebug("[Closer] Start Guide with argument: %s", qUtf8Printable(command));
    if (!bgiPipeName.isEmpty())
        command += QStringLiteral(" BGIPIPE:") + bgiPipeName;
    int exitCode = 0;
    return Utils::launchAsUser(appPath, command, exitCode, false, false);
}

void Closer::closing()
{
    if (m_closed)
        return;
    m_closed = true;
    qDebug("[Closer] closing start");
    if (QObject *pageLoader = QmlNames::find(m_root, QmlNames::pageLoader))
        QMetaObject::invokeMethod(pageLoader, QmlNames::quit);
    emit closeWindow();
    emit killUpdaterProc();
    qDebug("[Closer] Terminate related processes.");
    Utils::killProcessByName(QStringLiteral("GetReg.exe"));
    Utils::killProcessByName(QStringLiteral("NOVAPORT_Signin.exe"));
    const bool needLaunchNovaport = m_root && m_root->property(QmlNames::bNeedLaunchNovaport).toBool();
    qDebug("[Closer] Need launch novaport?%d", needLaunchNovaport);
    if (needLaunchNovaport)
        emit writeNovaportReg();
    emit closeBIService();
    emit releaseAppLock();
    qDebug("[Closer] closing done");
}
