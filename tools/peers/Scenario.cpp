#include "Scenario.h"

#include "platform/Machine.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLockFile>

namespace {

QJsonObject programEntry(const QString &program)
{
    QFile file(platform::Machine::root() + QStringLiteral("/scenario.json"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QJsonObject all = QJsonDocument::fromJson(file.readAll()).object();
    for (auto it = all.begin(); it != all.end(); ++it) {
        if (it.key().compare(program, Qt::CaseInsensitive) == 0)
            return it.value().toObject();
    }
    return {};
}

// Counts a start under the sandbox's lock; returns the attempt number (1 for the first).
int countStart(const QString &counterName)
{
    const QString root = platform::Machine::root();
    QLockFile lock(root + QStringLiteral("/peers.lock"));
    lock.lock();
    QFile counter(root + QStringLiteral("/peers-") + counterName.toLower() + QStringLiteral(".count"));
    int attempt = 1;
    if (counter.open(QIODevice::ReadWrite)) {
        attempt = counter.readAll().trimmed().toInt() + 1;
        counter.resize(0);
        counter.write(QByteArray::number(attempt));
    }
    return attempt;
}

// Counts this start and records it; returns the attempt number (1 for the first start).
int recordStart(const QString &program, const QStringList &arguments)
{
    const QString root = platform::Machine::root();
    if (root.isEmpty())
        return 1;
    const int attempt = countStart(program);
    QFile log(root + QStringLiteral("/peers.log"));
    if (log.open(QIODevice::WriteOnly | QIODevice::Append)) {
        const QJsonObject line { { QStringLiteral("program"), program },
            { QStringLiteral("arguments"), QJsonArray::fromStringList(arguments) },
            { QStringLiteral("attempt"), attempt }, { QStringLiteral("pid"), QCoreApplication::applicationPid() } };
        log.write(QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n');
    }
    return attempt;
}

// Lays entry over settings, then the entry's attempts[attempt - 1] (the last one for
// later attempts).
void overlay(QJsonObject *settings, QJsonObject entry, int attempt)
{
    const QJsonArray attempts = entry.take(QStringLiteral("attempts")).toArray();
    const QJsonObject perAttempt
        = attempts.isEmpty() ? QJsonObject() : attempts.at(qMin(attempt, attempts.size()) - 1).toObject();
    for (const QJsonObject &layer : { entry, perAttempt }) {
        for (auto it = layer.begin(); it != layer.end(); ++it)
            settings->insert(it.key(), it.value());
    }
}

} // namespace

Scenario Scenario::forStart(const QString &program, const QStringList &arguments)
{
    Scenario scenario;
    scenario.m_program = program;
    scenario.m_attempt = recordStart(program, arguments);
    overlay(&scenario.m_settings, programEntry(program), scenario.m_attempt);
    return scenario;
}

Scenario Scenario::forTask(const QString &task) const
{
    Scenario scenario = *this;
    const QJsonObject entry = scenario.m_settings.take(QStringLiteral("tasks")).toObject().value(task).toObject();
    scenario.m_attempt = platform::Machine::root().isEmpty() ? 1 : countStart(m_program + QLatin1Char('-') + task);
    overlay(&scenario.m_settings, entry, scenario.m_attempt);
    return scenario;
}

int Scenario::intValue(const QString &key, int fallback) const
{
    return m_settings.value(key).toInt(fallback);
}

qint64 Scenario::int64Value(const QString &key, qint64 fallback) const
{
    const QJsonValue value = m_settings.value(key);
    return value.isDouble() ? qint64(value.toDouble()) : fallback;
}

QString Scenario::stringValue(const QString &key, const QString &fallback) const
{
    return m_settings.value(key).toString(fallback);
}

QStringList Scenario::stringList(const QString &key) const
{
    QStringList list;
    const QJsonArray array = m_settings.value(key).toArray();
    for (const QJsonValue &value : array)
        list.append(value.toString());
    return list;
}
