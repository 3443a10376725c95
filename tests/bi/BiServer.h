#pragma once

#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <mutex>

struct sqlite3;

// The stand-in analytics server (tools/bi-server) as a real process on 127.0.0.1,
// with certificates from a test CA made once per test process.
class BiServer {
public:
    BiServer() = default;
    ~BiServer();

    // Starts the server with bi_server.py's serve options; true once it listens.
    bool start(const QStringList &options = {});
    QString host() const { return QStringLiteral("127.0.0.1:") + QString::number(m_port); }
    // The requests so far, one JSON object each, in order; pathPrefix filters them.
    QList<QJsonObject> requests(const QString &pathPrefix = QString()) const;
    // The "a0" texts of every record that arrived at "/log/f/" with a 2xx answer.
    QStringList receivedA0() const;
    // The raw body of request n.
    QString bodyFile(int n) const;

    static QString caFile();
    static QString otherCaFile();

private:
    static QString certFolder();

    QTemporaryDir m_out;
    QProcess m_process;
    int m_port = 0;
};

// The "content" of every row of the store in folder, oldest first, as JSON objects.
QList<QJsonObject> storedRecords(const QString &folder);
// Runs one SQL statement on the store in folder; the first column of the first row.
QString storeQuery(const QString &folder, const QString &sql);

// A second connection to the store in folder that holds it with an exclusive transaction
// from construction until release() or its end, as another program might.
class StoreLock {
public:
    explicit StoreLock(const QString &folder);
    ~StoreLock();
    StoreLock(const StoreLock &) = delete;
    StoreLock &operator=(const StoreLock &) = delete;

    bool isHeld() const;
    // May be called from any thread.
    void release();

private:
    mutable std::mutex m_mutex;
    sqlite3 *m_db = nullptr;
    bool m_held = false;
};
