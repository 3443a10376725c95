#include "PipeRun.h"

#include "install/CAsyncNamedPipe.h"

#include <QTest>

namespace {

constexpr int WaitMs = 10000;

} // namespace

QStringList SignalRecorder::eventsWithout(const QString &name) const
{
    QStringList events;
    for (int i = 0; i < m_calls.size(); ++i) {
        if (m_calls.at(i).first != name)
            events.append(m_events.at(i));
    }
    return events;
}

QList<QVariantList> SignalRecorder::arguments(const QString &name) const
{
    QList<QVariantList> list;
    for (const auto &call : m_calls) {
        if (call.first == name)
            list.append(call.second);
    }
    return list;
}

void SignalRecorder::record(const QString &name, const QVariantList &arguments)
{
    QStringList texts;
    for (const QVariant &argument : arguments)
        texts.append(argument.toString());
    m_calls.append({ name, arguments });
    m_events.append(name + QLatin1Char('(') + texts.join(QLatin1Char(',')) + QLatin1Char(')'));
}

const QString PipeRun::DefaultName = QStringLiteral("test_pipe");

PipeRun::PipeRun(PipeThreadWin *thread, QObject *parser)
    : m_thread(thread)
    , m_pipePath(thread->pipePath())
{
    thread->deleteWhenFinished();
    for (QObject *object : { static_cast<QObject *>(thread), parser })
        QObject::connect(object, &QObject::destroyed, &m_counter, [this] { --m_alive; });
}

bool PipeRun::start()
{
    m_thread->start();
    return QTest::qWaitFor([this] { return m_thread->isServing(); }, WaitMs);
}

QString PipeRun::send(const QString &message) const
{
    QString reply;
    CAsyncNamedPipe client(m_pipePath, 5000); // longer than a silent client may hold the server
    return client.CallNamedPipeW(message, reply) ? reply : QStringLiteral("<failed>");
}

bool PipeRun::waitUntilGone() const
{
    return QTest::qWaitFor([this] { return m_alive == 0; }, WaitMs);
}
