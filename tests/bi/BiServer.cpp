#include "BiServer.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <sqlite3.h>

namespace {

const QString Script = QStringLiteral(NOVA_BI_SERVER);

} // namespace

BiServer::~BiServer()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

QString BiServer::certFolder()
{
    static QTemporaryDir folder;
    static const bool made
        = QProcess::execute(QStringLiteral("python3"), { Script, QStringLiteral("certs"), folder.path() }) == 0;
    return made ? folder.path() : QString();
}

QString BiServer::caFile()
{
    return certFolder() + QStringLiteral("/ca.pem");
}

QString BiServer::otherCaFile()
{
    return certFolder() + QStringLiteral("/other-ca.pem");
}

bool BiServer::start(const QStringList &options)
{
    const QString certs = certFolder();
    if (certs.isEmpty() || !m_out.isValid())
        return false;
    const QStringList arguments = QStringList { Script, QStringLiteral("serve"), QStringLiteral("--cert"),
        certs + QStringLiteral("/server.pem"), QStringLiteral("--key"), certs + QStringLiteral("/server.key"),
        QStringLiteral("--out"), m_out.path(), QStringLiteral("--lifetime"), QStringLiteral("300") }
        + options;
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QStringLiteral("python3"), arguments);
    if (!m_process.waitForStarted(10000))
        return false;
    while (!m_process.canReadLine()) {
        if (!m_process.waitForReadyRead(10000))
            return false;
    }
    const QByteArray line = m_process.readLine().trimmed();
    if (!line.startsWith("READY "))
        return false;
    m_port = line.mid(6).toInt();
    return m_port > 0;
}

QList<QJsonObject> BiServer::requests(const QString &pathPrefix) const
{
    QList<QJsonObject> result;
    QFile file(m_out.filePath(QStringLiteral("requests.jsonl")));
    if (!file.open(QIODevice::ReadOnly))
        return result;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QJsonObject request = QJsonDocument::fromJson(line).object();
        if (!request.isEmpty() && request.value(QLatin1String("path")).toString().startsWith(pathPrefix))
            result.append(request);
    }
    return result;
}

QStringList BiServer::receivedA0() const
{
    QStringList values;
    for (const QJsonObject &request : requests(QStringLiteral("/log/f/"))) {
        if (request.value(QLatin1String("status")).toInt() != 200)
            continue;
        for (const QJsonValue record : request.value(QLatin1String("records")).toArray())
            values.append(record.toObject().value(QLatin1String("a0")).toString());
    }
    return values;
}

QString BiServer::bodyFile(int n) const
{
    return m_out.filePath(QStringLiteral("body-%1.bin").arg(n));
}

QString storeQuery(const QString &folder, const QString &sql)
{
    sqlite3 *db = nullptr;
    QString result;
    if (sqlite3_open_v2(QFile::encodeName(folder + QStringLiteral("/.bilogclient")).constData(), &db,
            SQLITE_OPEN_READWRITE, nullptr)
        == SQLITE_OK) {
        sqlite3_stmt *stmt = nullptr;
        if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &stmt, nullptr) == SQLITE_OK
            && sqlite3_step(stmt) == SQLITE_ROW)
            result = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0)));
        sqlite3_finalize(stmt);
    }
    sqlite3_close(db);
    return result;
}

QList<QJsonObject> storedRecords(const QString &folder)
{
    const QString joined = storeQuery(folder,
        QStringLiteral("SELECT '[' || group_concat(content, ',') || ']' FROM "
                       "(SELECT content FROM bi_logs ORDER BY timestamp, _ID)"));
    QList<QJsonObject> records;
    for (const QJsonValue value : QJsonDocument::fromJson(joined.toUtf8()).array())
        records.append(value.toObject());
    return records;
}

StoreLock::StoreLock(const QString &folder)
{
    if (sqlite3_open_v2(QFile::encodeName(folder + QStringLiteral("/.bilogclient")).constData(), &m_db,
            SQLITE_OPEN_READWRITE, nullptr)
        == SQLITE_OK)
        m_held = sqlite3_exec(m_db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) == SQLITE_OK;
}

StoreLock::~StoreLock()
{
    release();
    sqlite3_close(m_db);
}

bool StoreLock::isHeld() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_held;
}

void StoreLock::release()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_held)
        sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr);
    m_held = false;
}
