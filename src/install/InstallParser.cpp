#include "install/InstallParser.h"

#include <array>

QString UpdaterExitCode::name(int code)
{
    static const std::array<const char *, Count> names { "Success", "UpdateFail", "ConfigError", "PostCheckinError",
        "ParseResponseError", "DownloadFail", "SelfUpdating", "ExtractFail", "ParseFail", "CopyFail", "PreinstallFail",
        "NeedRestart", "PrepareFail", "SelfUpdateFinished", "CreateProcessFail", "NoUpdate" };
    return code >= 0 && code < Count ? QLatin1String(names[size_t(code)]) : QString();
}

int UpdaterExitCode::known(int code)
{
    return code >= 0 && code < Count ? code : UpdateFail;
}

InstallParser::InstallParser(QObject *parent)
    : QObject(parent)
{
}

int InstallParser::readExitCode(const QString &rest)
{
    const int received = rest.toInt(); // not a number: 0
    m_exitCode = UpdaterExitCode::known(received);
    if (m_exitCode != received)
        qWarning("[InstallParser] WARNING: Received unknown exit code: %d. Turn to code 1.", received);
    m_exitCodeName = UpdaterExitCode::name(m_exitCode);
    qDebug("[InstallParser] Exitcode: %d/%s", m_exitCode, qUtf8Printable(m_exitCodeName));
    return m_exitCode;
}
