#include "LogCapture.h"

namespace {

LogCapture *current = nullptr;

} // namespace

LogCapture::LogCapture()
{
    current = this;
    m_previous = qInstallMessageHandler(&LogCapture::handler);
}

LogCapture::~LogCapture()
{
    qInstallMessageHandler(m_previous);
    current = nullptr;
}

void LogCapture::handler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!current)
        return;
    {
        QMutexLocker lock(&current->m_mutex);
        current->m_lines.append({ type, message });
    }
    // QTest::ignoreMessage and failing on fatal messages still work through Qt Test's own handler.
    if (current->m_previous)
        current->m_previous(type, context, message);
}

QStringList LogCapture::lines() const
{
    QMutexLocker lock(&m_mutex);
    QStringList result;
    for (const auto &line : m_lines)
        result.append(line.second);
    return result;
}

QStringList LogCapture::lines(QtMsgType type) const
{
    QMutexLocker lock(&m_mutex);
    QStringList result;
    for (const auto &line : m_lines) {
        if (line.first == type)
            result.append(line.second);
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

void LogCapture::clear()
{
    QMutexLocker lock(&m_mutex);
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
