#include "shell/ParamHandler.h"

#include "core/Utils.h"
#include "install/CAsyncNamedPipe.h"

#include <QCoreApplication>

namespace {

constexpr int CallerPipeTimeoutMs = 500;

// The distribution modes: each switch sets its flag and, but for software-only mode,
// becomes the mode parameter and puts its configuration folder in place for the updater.
struct DistributionMode {
    const char *word;
    Qt::CaseSensitivity caseSensitivity;
    const char *name;
    bool ModeFlags::*flag;
    const char *configFolder;
};

const DistributionMode DistributionModes[] = {
    { "-INTERNAL", Qt::CaseSensitive, "Internal", &ModeFlags::isInternal, "ui" },
    { "-DEVELOPER", Qt::CaseInsensitive, "Developer", &ModeFlags::isDeveloper, "ud" },
    { "-BETA", Qt::CaseInsensitive, "Beta", &ModeFlags::isBeta, "ubeta" },
    { "-DEMO", Qt::CaseInsensitive, "Demo", &ModeFlags::isDemo, "udm" },
    { "-SWOA", Qt::CaseInsensitive, "SWOA", &ModeFlags::isSWOA, nullptr },
    { "-VSW", Qt::CaseInsensitive, "VSW", &ModeFlags::isVSW, "usw" },
};

const DistributionMode *distributionMode(const QString &word)
{
    for (const DistributionMode &mode : DistributionModes) {
        if (word.compare(QLatin1String(mode.word), mode.caseSensitivity) == 0)
            return &mode;
    }
    return nullptr;
}

} // namespace

ParamHandler::ParamHandler(int argc, char **argv, bool allowCN, const QString &programFolder, QObject *parent)
    : QObject(parent)
    , m_programFolder(programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : programFolder)
{
    qDebug("[ParamHandler] %d arguments", argc);
    ModeFlags flags;
    for (int i = 0; i < argc; ++i)
        parse(QByteArray(argv[i]), flags, allowCN);
    // Software-only mode names the product last, over "-KYR" and "-DOV".
    if (flags.isSWOA)
        flags.productName = QStringLiteral("NOVA Software");
    Mode::set(flags);
}

void ParamHandler::parse(const QByteArray &raw, ModeFlags &flags, bool allowCN)
{
    const QString argument = QString::fromLocal8Bit(raw);
    qDebug("[ParamHandler] %s / %s", raw.constData(), qUtf8Printable(argument));
    const QStringList parts = argument.split(QLatin1Char(':'));
    const QString &name = parts.first();
    const auto is = [&name](const char *word) { return name == QLatin1String(word); };

    if (is("DONE")) {
        if (parts.size() < 2) {
            qWarning("[ParamHandler] WARNING: No pipe name attached");
            return;
        }
        m_callerPipeName = parts.at(1);
        if (m_callerPipeName.contains(QLatin1String("RARAZARUZAZODEVIDIZA")))
            m_callerKind = QStringLiteral("launcher");
        else if (m_callerPipeName.contains(QLatin1String("installer_for_guide")))
            m_callerKind = QStringLiteral("installer");
    } else if (is("-CN")) {
        if (allowCN) {
            qDebug("[ParamHandler] Enter CN mode by parameter");
            flags.isCN = true;
        }
    } else if (is("-Preload")) {
        qDebug("[ParamHandler] In Preload mode");
        flags.isPreload = true;
        m_callerKind = QStringLiteral("usb launcher");
    } else if (const DistributionMode *mode = distributionMode(name)) {
        qDebug("[ParamHandler] In %s mode, copy configs", mode->name);
        flags.*(mode->flag) = true;
        if (mode->configFolder) {
            flags.modeParam = name;
            copyConfig(QLatin1String(mode->configFolder), mode->name);
        }
    } else if (is("-NOACCOUNT")) {
        qDebug("[ParamHandler] No need to download and show account");
        flags.isNoAccount = true;
        flags.isSWOA = true;
    } else if (is("-KYR")) {
        qDebug("[ParamHandler] In KYR mode.");
        flags.isKyr = true;
        flags.productName = QStringLiteral("NOVA Tundra Elite");
    } else if (is("-DOV")) {
        qDebug("[ParamHandler] In DOV mode.");
        flags.isDov = true;
        flags.productName = QStringLiteral("NOVA 2020");
    } else if (is("SESSIONID")) {
        qDebug("[ParamHandler] Get bi session id from installer. Need pass to guide");
        m_biSessionId = parts.value(1);
    } else if (is("BGIPIPE")) {
        if (parts.size() < 2)
            qWarning("[ParamHandler] WARNING: No BGI pipe name attached");
        else
            m_bgiPipeName = parts.at(1);
    }
}

void ParamHandler::copyConfig(QLatin1String folder, const char *mode) const
{
    if (!Utils::copyDir(
            m_programFolder + QLatin1Char('/') + folder, m_programFolder + QStringLiteral("/Updater/Config")))
        qWarning("[ParamHandler] WARNING: Failed to copy config files, cannot run in %s mode.", mode);
}

void ParamHandler::onFirstActive()
{
    qDebug("[ParamHandler] onFirstActive");
    sendMsgToCaller(QStringLiteral("DONE"));
}

void ParamHandler::sendMsgToCaller(const QString &msg)
{
    if (m_callerPipeName.isEmpty()) {
        qDebug("[ParamHandler] No named pipe for window appearing");
        return;
    }
    qDebug("[ParamHandler] Send message %s to %s", qUtf8Printable(msg), qUtf8Printable(m_callerPipeName));
    CAsyncNamedPipe pipe(m_callerPipeName, CallerPipeTimeoutMs);
    QString reply;
    if (pipe.CallNamedPipeW(msg, reply))
        qDebug("[ParamHandler] Got named pipe ack: %s", qUtf8Printable(reply));
    else
        qWarning("[ParamHandler] Error when sending messaeg %s", qUtf8Printable(msg));
}
