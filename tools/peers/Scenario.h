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
class Scenario
{
public:
    // Loads the settings for this start of program and records the start.
    static Scenario forStart(const QString &program, const QStringList &arguments);

    int attempt() const { return m_attempt; }
    QJsonObject settings() const { return m_settings; }
    int intValue(const QString &key, int fallback) const;
    QString stringValue(const QString &key, const QString &fallback = QString()) const;
    QStringList stringList(const QString &key) const;

private:
    int m_attempt = 1;
    QJsonObject m_settings;
};
