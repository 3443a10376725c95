#include "LogCapture.h"

#include <QThread>

namespace {

// The captures alive now, innermost last; each receives every message. The handler
// that was in place before the first one gets every message too.
struct Captures {
    std::mutex mutex;
    QList<LogCapture *> active;
    QtMessageHandler outer = nullptr;
};

Captures &captures()
{
    static Captures instance;
    return instance;
}

} // namespace

LogCapture::LogCapture()
{
    Captures &c = captures();
    const std::lock_guard lock(c.mutex);
    if (c.active.isEmpty())
        c.outer = qInstallMessageHandler(&LogCapture::handler);
    c.active.append(this);
}

LogCapture::~LogCapture()
{
    Captures &c = captures();
    const std::lock_guard lock(c.mutex);
    c.active.removeOne(this);
    if (c.active.isEmpty())
        qInstallMessageHandler(c.outer);
}

void LogCapture::handler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    Captures &c = captures();
    QtMessageHandler outer;
    {
        const std::lock_guard lock(c.mutex);
        for (LogCapture *capture : qAsConst(c.active)) {
            const std::lock_guard captureLock(capture->m_mutex);
            capture->m_lines.append({ type, message, QThread::currentThread() });
        }
        outer = c.outer;
    }
    // QTest::ignoreMessage and failing on fatal messages still work through Qt Test's own handler.
    if (outer)
        outer(type, context, message);
}

QStringList LogCapture::lines() const
{
    const std::lock_guard lock(m_mutex);
    QStringList result;
    for (const Line &line : m_lines)
        result.append(line.text);
    return result;
}

QStringList LogCapture::lines(QtMsgType type) const
{
    const std::lock_guard lock(m_mutex);
    QStringList result;
    for (const Line &line : m_lines) {
        if (line.type == type)
            result.append(line.text);
    }
    return result;
}

QStringList LogCapture::startingWith(const QString &prefix) const
{
    QStringList result;
    for (const QString &line : lines()) {
        if (line.startsWith(prefix))
            result.append(line);
    }
    return result;
}

QThread *LogCapture::threadOf(const QString &prefix) const
{
    const std::lock_guard lock(m_mutex);
    for (const Line &line : m_lines) {
        if (line.text.startsWith(prefix))
            return line.thread;
    }
    return nullptr;
}

void LogCapture::clear()
{
    const std::lock_guard lock(m_mutex);
    m_lines.clear();
}

bool linesInOrder(const QStringList &lines, const QStringList &expected, QString *missing)
{
    int at = 0;
    for (const QString &line : expected) {
        at = int(lines.indexOf(line, at));
        if (at < 0) {
            *missing = line;
            return false;
        }
        ++at;
    }
    return true;
}
