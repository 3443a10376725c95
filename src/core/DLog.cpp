#include "core/DLog.h"

#include "platform/Folders.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>

namespace {

// Lines held while no file is open, at most: a log that never opens must not grow
// without limit. The oldest go first.
constexpr int MaxPendingLines = 5000;
// Names tried per second and process before openLog gives up.
constexpr int MaxNameTries = 100;

struct LogState {
    std::mutex mutex;
    std::unique_ptr<QFile> file;
    std::unique_ptr<QTextStream> stream;
    QStringList pending; // finished lines that arrived while there was no stream
    int dropped = 0; // held lines given up since the last file was open
    bool moved = false;
};

// Never destroyed: messages may still arrive from static destructors and late threads.
LogState &state()
{
    static LogState *const instance = new LogState;
    return *instance;
}

QString normalised(const QString &path)
{
    return QDir::cleanPath(QDir::fromNativeSeparators(path));
}

QString levelLetter(QtMsgType type)
{
    switch (type) {
    case QtDebugMsg:
        return QStringLiteral("D");
    case QtWarningMsg:
        return QStringLiteral("W");
    case QtCriticalMsg:
        return QStringLiteral("C");
    case QtFatalMsg:
        return QStringLiteral("F");
    default:
        return QStringLiteral("U");
    }
}

QString formatLine(QtMsgType type, const QString &text)
{
    return QStringLiteral("[%1] %2 (%3)")
        .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz")), text, levelLetter(type));
}

// Holds a line until a file is open. Call with the mutex held.
void hold(LogState &s, const QString &line)
{
    if (s.pending.size() >= MaxPendingLines) {
        s.pending.removeFirst();
        ++s.dropped;
    }
    s.pending.append(line);
}

// Makes `file` the log and writes the held lines to it, after a line that says how many
// were given up. Call with the mutex held.
void attach(LogState &s, std::unique_ptr<QFile> file)
{
    s.stream.reset();
    s.file = std::move(file);
    s.stream = std::make_unique<QTextStream>(s.file.get());
    s.stream->setCodec("UTF-8");
    if (s.dropped > 0) {
        *s.stream << formatLine(QtWarningMsg,
            QStringLiteral("[DLog] WARNING: %1 earlier lines were dropped while no log file was open.").arg(s.dropped))
                  << '\n';
        s.dropped = 0;
    }
    for (const QString &line : qAsConst(s.pending))
        *s.stream << line << '\n';
    s.stream->flush();
    s.pending.clear();
}

// A new file "<base>-log-<stamp>-<process id>[-n].txt" in folder, created, never an
// existing one: two runs started within the same second each keep their own log.
std::unique_ptr<QFile> createLogFile(const QString &folder, const QString &baseName)
{
    const QString stem = folder + QLatin1Char('/') + baseName + QStringLiteral("-log-")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss")) + QLatin1Char('-')
        + QString::number(QCoreApplication::applicationPid());
    for (int n = 1; n <= MaxNameTries; ++n) {
        auto file = std::make_unique<QFile>(
            stem + (n > 1 ? QLatin1Char('-') + QString::number(n) : QString()) + QStringLiteral(".txt"));
        if (file->open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Text))
            return file;
        if (!file->exists())
            break; // not a name clash: the folder cannot take the file
    }
    return nullptr;
}

constexpr QIODevice::OpenMode AppendText = QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text;

} // namespace

QString DLog::tempLogFolder()
{
    const QString temp = platform::Folders::tempFolder();
    return temp.isEmpty() ? QString() : temp + QStringLiteral("/NovaSetupTempLog");
}

bool DLog::openLog(const QString &folder, const QString &baseName)
{
    const QString path = normalised(folder);
    QDir().mkdir(path);

    LogState &s = state();
    const std::lock_guard lock(s.mutex);
    auto file = createLogFile(path, baseName);
    if (!file) {
        s.stream.reset();
        s.file.reset();
        return false;
    }
    attach(s, std::move(file));
    return true;
}

bool DLog::openTempLog(const QString &baseName)
{
    const QString folder = tempLogFolder();
    if (folder.isEmpty()) {
        qWarning("[DLog] WARNING: No private temporary folder for the log.");
        return false;
    }
    return openLog(folder, baseName);
}

void DLog::messageHandler(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    QString line = formatLine(type, text);
    if (context.line != 0)
        line += QStringLiteral("(%1:%2)").arg(QString::fromUtf8(context.file), QString::number(context.line));

    const QByteArray debuggerLine = line.toUtf8() + '\n';
    std::fwrite(debuggerLine.constData(), 1, size_t(debuggerLine.size()), stderr);

    {
        LogState &s = state();
        const std::lock_guard lock(s.mutex);
        if (s.stream)
            *s.stream << line << Qt::endl;
        else
            hold(s, line);
    }
    if (type == QtFatalMsg)
        std::abort();
}

bool DLog::moveLog(const QString &folder)
{
    LogState &s = state();
    QString oldPath;
    bool moved;
    {
        const std::lock_guard lock(s.mutex);
        if (!s.file || !s.stream)
            return true;
        oldPath = normalised(s.file->fileName());
        moved = s.moved;
    }
    const QString target = normalised(folder);
    if (moved) {
        qDebug("DLog::moveLog() file: %s moved to %s before\n", qUtf8Printable(oldPath), qUtf8Printable(target));
        return true;
    }
    const QString fileName = oldPath.mid(oldPath.lastIndexOf(QLatin1Char('/')) + 1);
    const QString newPath = target + QLatin1Char('/') + fileName;
    qDebug("DLog::moveLog() copy file: %s to %s\n", qUtf8Printable(oldPath), qUtf8Printable(newPath));
    if (newPath == oldPath) {
        qDebug("DLog::moveLog() file: %s existed\n", qUtf8Printable(oldPath));
        return true;
    }

    // From here until a file is attached again, lines (ours included) are held.
    std::unique_ptr<QFile> oldFile;
    {
        const std::lock_guard lock(s.mutex);
        s.stream->flush();
        s.stream.reset();
        oldFile = std::move(s.file);
    }
    oldFile->close();
    const bool copied = QFile::copy(oldPath, newPath);
    qDebug("DLog::moveLog() file: %s %s\n", qUtf8Printable(newPath), copied ? "copy success." : "copy fail.");

    std::unique_ptr<QFile> current;
    bool result = false;
    if (!copied) {
        if (oldFile->open(AppendText))
            current = std::move(oldFile);
    } else {
        const bool removed = oldFile->remove();
        qDebug("DLog::moveLog() file: %s %s\n", qUtf8Printable(oldPath), removed ? "remove success." : "remove fail.");
        oldFile.reset();
        auto newFile = std::make_unique<QFile>(newPath);
        result = newFile->open(AppendText);
        if (result)
            current = std::move(newFile);
        else
            qDebug("DLog::moveLog() file: %s open fail.\n", qUtf8Printable(newPath));
    }

    if (current) {
        const std::lock_guard lock(s.mutex);
        attach(s, std::move(current));
    } else if (copied) {
        // The copy exists but cannot be written: go on in a fresh temporary log.
        openTempLog(fileName);
    }
    const std::lock_guard lock(s.mutex);
    s.moved = result;
    return result;
}
