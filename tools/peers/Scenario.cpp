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

// Counts this start and records it; returns the attempt number (1 for the first start).
int recordStart(const QString &program, const QStringList &arguments)
{
    const QString root = platform::Machine::root();
    if (root.isEmpty())
        return 1;
    QLockFile lock(root + QStringLiteral("/peers.lock"));
    lock.lock();
    QFile counter(root + QStringLiteral("/peers-") + program.toLower() + QStringLiteral(".count"));
    int attempt = 1;
    if (counter.open(QIODevice::ReadWrite)) {
        attempt = counter.readAll().trimmed().toInt() + 1;
        counter.resize(0);
        counter.write(QByteArray::number(attempt));
    }
    QFile log(root + QStringLiteral("/peers.log"));
    if (log.open(QIODevice::WriteOnly | QIODevice::Append)) {
        const QJsonObject line{{QStringLiteral("program"), program},
                               {QStringLiteral("arguments"), QJsonArray::fromStringList(arguments)},
                               {QStringLiteral("attempt"), attempt},
                               {QStringLiteral("pid"), QCoreApplication::applicationPid()}};
        log.write(QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n');
    }
    return attempt;
}

} // namespace

Scenario Scenario::forStart(const QString &program, const QStringList &arguments)
{
    Scenario scenario;
    scenario.m_attempt = recordStart(program, arguments);
    scenario.m_settings = programEntry(program);
    const QJsonArray attempts = scenario.m_settings.take(QStringLiteral("attempts")).toArray();
    if (!attempts.isEmpty()) {
        const QJsonObject overlay = attempts.at(qMin(scenario.m_attempt, attempts.size()) - 1).toObject();
        for (auto it = overlay.begin(); it != overlay.end(); ++it)
            scenario.m_settings.insert(it.key(), it.value());
    }
    return scenario;
}

int Scenario::intValue(const QString &key, int fallback) const
{
    return m_settings.value(key).toInt(fallback);
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
