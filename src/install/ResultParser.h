#pragma once

#include "install/MessageParser.h"

#include <QObject>
#include <QProcess>

#include <atomic>

// Base of the parsers that wait for one result message ("<prefix><value>") of an
// updater run and also watch the updater process: the run ends with the result, or
// with an error when the process fails or exits unexpectedly. A run gets one outcome;
// later reports are only logged.
class ResultParser : public QObject, public MessageParser {
    Q_OBJECT

public:
    bool parseMessage(const QString &message) override;

signals:
    void closePipe();

public slots:
    void onProcError(QProcess::ProcessError error);
    void onProcFinished(int exitCode, QProcess::ExitStatus exitStatus);

protected:
    // tag names the parser in its log lines ("SizeParser"); prefix starts its result message.
    ResultParser(const char *tag, QLatin1String prefix, QObject *parent);

    // Handles the text after the prefix; the run ends with it.
    virtual void handleResult(const QString &value) = 0;
    virtual void emitError() = 0;

    const char *tag() const { return m_tag; }
    // Emits the error signal unless the run has its outcome already.
    void reportError();
    // Takes the run's one outcome; false (logged) when it has one already.
    bool claimOutcome();

private:
    const char *const m_tag;
    const QLatin1String m_prefix;
    // Claimed from the pipe thread or from the process slots.
    std::atomic<bool> m_outcomeGiven { false };
};

// A ResultParser whose result is the updater's "ExitCode:": 0 is success.
class ExitCodeResultParser : public ResultParser {
    Q_OBJECT

protected:
    ExitCodeResultParser(const char *tag, QObject *parent);
    void handleResult(const QString &value) override;
    virtual void emitFinished() = 0;
};
