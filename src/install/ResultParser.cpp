#include "install/ResultParser.h"

ResultParser::ResultParser(const char *tag, QLatin1String prefix, QObject *parent)
    : QObject(parent)
    , m_tag(tag)
    , m_prefix(prefix)
{
}

bool ResultParser::parseMessage(const QString &message)
{
    qDebug("[%s] Received message: %s", m_tag, qUtf8Printable(message));
    if (!message.startsWith(m_prefix))
        return false;
    handleResult(message.mid(m_prefix.size()));
    return true;
}

void ResultParser::onProcError(QProcess::ProcessError error)
{
    qWarning("[%s] ERROR: process error %d", m_tag, int(error));
    reportError();
    emit closePipe();
}

void ResultParser::onProcFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    qWarning("[%s] Process exitCode %d, exitStatus %d", m_tag, exitCode, int(exitStatus));
    if (exitStatus == QProcess::NormalExit && exitCode == 0) {
        qDebug("[%s] Updater process normal exit", m_tag);
        return;
    }
    qDebug("[%s] Updater process unexpected exit", m_tag);
    reportError();
    emit closePipe();
}

void ResultParser::reportError()
{
    if (claimOutcome())
        emitError();
}

bool ResultParser::claimOutcome()
{
    if (!m_outcomeGiven.exchange(true))
        return true;
    qDebug("[%s] Result is already reported, abort.", m_tag);
    return false;
}

ExitCodeResultParser::ExitCodeResultParser(const char *tag, QObject *parent)
    : ResultParser(tag, QLatin1String("ExitCode:"), parent)
{
}

void ExitCodeResultParser::handleResult(const QString &value)
{
    if (value.toInt() == 0) { // not a number: 0
        qDebug("[%s] Successful exit", tag());
        if (claimOutcome())
            emitFinished();
    } else {
        qDebug("[%s] Error occurs", tag());
        reportError();
    }
}
