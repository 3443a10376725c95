#pragma once

#include "install/PipeThreadWin.h"

#include <QObject>
#include <QPointer>
#include <QVariant>

// Records signals as a manager living in this thread receives them: queued when the
// parser emits from its pipe thread. Events read "name(arg,arg)".
class SignalRecorder : public QObject {
public:
    template<typename Sender, typename Base, typename... Args>
    void watch(Sender *sender, void (Base::*signal)(Args...), const QString &name)
    {
        connect(sender, signal, this, [this, name](Args... args) { record(name, { QVariant::fromValue(args)... }); });
    }

    QStringList events() const { return m_events; }
    // The events except those of one signal.
    QStringList eventsWithout(const QString &name) const;
    QList<QVariantList> arguments(const QString &name) const;

private:
    void record(const QString &name, const QVariantList &arguments);

    QStringList m_events;
    QList<QPair<QString, QVariantList>> m_calls;
};

// One pipe run wired as a manager wires it: the parser's server thread on a short
// name, parser and thread deleted once the thread ends. Counts which of the two live.
class PipeRun {
public:
    static const QString DefaultName;

    template<typename Parser>
    explicit PipeRun(Parser *parser, const QString &shortName = DefaultName)
        : PipeRun(new PipeThreadWin(PipeThreadWin::pathFor(shortName), parser), parser)
    {
    }

    PipeThreadWin *thread() const { return m_thread; }
    // Starts the thread and waits until it serves its pipe.
    bool start();
    // Sends one message as a client and returns the reply ("<failed>" when the call failed).
    QString send(const QString &message) const;
    // Whether the thread still serves: it then answers "PipeStop" and ends.
    bool stopIfServing() const { return send(QStringLiteral("PipeStop")) == QLatin1String("OK"); }
    // Waits until the thread and the parser have been deleted.
    bool waitUntilGone() const;

private:
    PipeRun(PipeThreadWin *thread, QObject *parser);

    QPointer<PipeThreadWin> m_thread;
    const QString m_pipePath;
    QObject m_counter;
    int m_alive = 2;
};
