#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

// What one run of a stand-in program does, from the sandbox machine's scenario.json:
//   { "<program name>": { ...settings..., "attempts": [ {...}, {...} ] } }
// Program names compare ignoring case. The Nth start of a program uses the settings
// with attempts[N-1] laid over them (the last entry for later starts), so a fault can
// be injected on one attempt only. Starts are counted in the sandbox and recorded, one
// JSON line each, in <sandbox>/peers.log.
//
// A program that does several tasks keeps per-task settings under "tasks":
//   { "<program name>": { ..., "tasks": { "<task>": { ..., "attempts": [...] } } } }
// The task's settings are laid over the program's, and its attempts count the starts
// for that task alone.
class Scenario {
public:
    // Loads the settings for this start of program and records the start.
    static Scenario forStart(const QString &program, const QStringList &arguments);
    // The settings for this start of one task of the program; counts the task's start.
    Scenario forTask(const QString &task) const;

    int attempt() const { return m_attempt; }
    QJsonObject settings() const { return m_settings; }
    int intValue(const QString &key, int fallback) const;
    qint64 int64Value(const QString &key, qint64 fallback) const;
    QString stringValue(const QString &key, const QString &fallback = QString()) const;
    QStringList stringList(const QString &key) const;

private:
    QString m_program;
    int m_attempt = 1;
    QJsonObject m_settings;
};
