#include "install/NovaParser.h"

#include "core/Queued.h"

#include <QTimer>

namespace {

const QLatin1String ExitCodePrefix("ExitCode:");
const QLatin1String SizePrefix("Size:");

} // namespace

NovaParser::NovaParser(const QString &packageName, const QString &packageNameTr, int updateRetryCount,
    int downloadRetryCount, bool isSelfUpdate, bool isForSteamVR, QObject *parent)
    : InstallParser(parent)
    , m_packageName(packageName)
    , m_packageNameTr(packageNameTr)
    , m_updateRetryCount(updateRetryCount)
    , m_downloadRetryCount(downloadRetryCount)
    , m_isSelfUpdate(isSelfUpdate)
    , m_isForSteamVR(isForSteamVR)
{
    m_clock.start();
}

bool NovaParser::parseMessage(const QString &message)
{
    qDebug("[NovaParser] %s parser received message: %s", qUtf8Printable(m_packageName), qUtf8Printable(message));
    ++m_messages;
    if (!m_infoShown) {
        m_infoShown = true;
        emit showInstallInfo(m_packageName, m_packageNameTr, -1.0, -1.0, -1.0, m_isForSteamVR, true);
    }
    if (message.startsWith(ExitCodePrefix))
        return handleExitCode(readExitCode(message.mid(ExitCodePrefix.size())));
    if (message.startsWith(SizePrefix))
        handleSizes(message.mid(SizePrefix.size()));
    return false;
}

bool NovaParser::handleExitCode(int code)
{
    using namespace UpdaterExitCode;
    if (code == Success || (m_isSelfUpdate && code == SelfUpdateFinished)) {
        qDebug("[NovaParser] Successful exit");
        if (claimOutcome(Outcome::Finished))
            emit installFinished();
        return true;
    }
    if (m_isSelfUpdate && code == SelfUpdating) {
        qDebug("[NovaParser] Updater self-update on the way. Keep waiting.");
        // A new copy that never reports would hold the step for ever. Armed on this
        // object's thread: the pipe thread that parses has no event loop.
        const int heard = m_messages;
        Queued::call(this,
            [this, heard] { QTimer::singleShot(m_newCopyTimeoutMs, this, [this, heard] { onNewCopySilent(heard); }); });
        return false;
    }
    qDebug("[NovaParser] Error occurs");
    if ((code == UpdateFail || code == CopyFail) && m_updateRetryCount < 1) {
        qDebug("[NovaParser] autoRetry Update %d times.", m_updateRetryCount + 1);
        if (claimOutcome(Outcome::Retry))
            emit autoRetry();
    } else if (code == DownloadFail && m_downloadRetryCount < 3) {
        qDebug("[NovaParser] autoRetry Download %d times.", m_downloadRetryCount + 1);
        if (claimOutcome(Outcome::Retry))
            emit autoRetry();
    } else {
        reportError();
    }
    return true;
}

void NovaParser::handleSizes(const QString &text)
{
    qint64 current = 0;
    qint64 total = 0;
    switch (parseSizeText(text, &current, &total)) {
    case SizeText::Empty:
        qWarning("[NovaParser] ERROR: No sizes to parse");
        return;
    case SizeText::Malformed:
        qWarning("[NovaParser] ERROR: Cannot parse sizes properly");
        return;
    case SizeText::Ok:
        break;
    }
    const SizeProgress::Update update = m_progress.add(current, total, m_clock.elapsed());
    if (update.complete) {
        emit startInstall();
    } else {
        if (update.speedMeasured && !m_isForSteamVR)
            emit reportSpeed(update.speedMBps);
        emit reportDownload(update.leftBytes);
    }
    // The updater's own download is never shown as a download.
    emit showInstallInfo(m_packageName, m_packageNameTr, m_progress.currentMB(), m_progress.totalMB(), update.speedMBps,
        m_isForSteamVR, m_isSelfUpdate);
}

void NovaParser::onProcError(QProcess::ProcessError error)
{
    qWarning("[NovaParser] ERROR: process error %d", int(error));
    reportError();
    emit closePipe();
}

void NovaParser::onProcFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    using namespace UpdaterExitCode;
    qWarning("[NovaParser] Process exitCode %d, exitStatus %d", exitCode, int(exitStatus));
    const bool normalExit = exitStatus == QProcess::NormalExit;
    if (normalExit && m_isSelfUpdate && (exitCode == SelfUpdating || exitCode == SelfUpdateFinished)) {
        // The updater restarted itself; the new one reports on the same pipe.
        qDebug("[NovaParser] Updater process normal exit");
        return;
    }
    if (normalExit && exitCode == Success) {
        qDebug("[NovaParser] Updater process normal exit");
        if (m_outcome != Outcome::None)
            return;
    } else {
        qDebug("[NovaParser] Updater process unexpected exit");
    }
    // The pipe handles what the updater wrote before it ended, then stops; only then is
    // it known whether the run reported its result.
    emit closePipe();
    if (m_outcome == Outcome::None) {
        // Nothing will report this run any more: without this it would wait for ever.
        qWarning("[NovaParser] ERROR: %s updater ended without reporting a result", qUtf8Printable(m_packageName));
        reportError();
        return;
    }
    // 1, 5 and 9 (unknown codes too: the pipe takes them as 1) are the pipe's
    // "ExitCode:" to decide, retry or error.
    const int code = known(exitCode);
    if (code != UpdateFail && code != DownloadFail && code != CopyFail)
        reportError();
}

void NovaParser::onNewCopySilent(int heard)
{
    if (m_messages != heard || m_outcome != Outcome::None)
        return;
    qWarning("[NovaParser] ERROR: The new updater did not report in %d s", m_newCopyTimeoutMs / 1000);
    emit closePipe();
    reportError();
}

void NovaParser::reportError()
{
    if (claimOutcome(Outcome::Error))
        emit installError();
}

bool NovaParser::claimOutcome(Outcome outcome)
{
    Outcome given = Outcome::None;
    if (m_outcome.compare_exchange_strong(given, outcome))
        return true;
    if (given == Outcome::Error)
        qDebug("[NovaParser] %s error is already reported, abort.", qUtf8Printable(m_packageName));
    else
        qDebug("[NovaParser] %s result is already reported, abort.", qUtf8Printable(m_packageName));
    return false;
}
