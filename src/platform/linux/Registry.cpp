#include "platform/Registry.h"

#include "platform/Machine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <map>
#include <memory>
#include <mutex>

#include <sqlite3.h>
#include <sys/stat.h>

// Each hive is one SQLite file in write-ahead-log mode, kept open by the process. A
// row is one value; the key path and the value name are stored as written and, for
// look-ups, case-folded. Writers run in autocommit with a generous busy time-out, so
// writes from several processes serialise inside SQLite and none is lost.

namespace platform {

namespace {

constexpr int BusyTimeoutMs = 10000;

enum ValueType { Text = 1, Binary = 3, Dword = 4, Qword = 11 };

struct Location {
    QString file; // hive file, empty when the hive is unknown
    QString key; // key path below the hive, backslash-separated
    QString name; // value name
};

struct HiveName {
    QLatin1String full;
    QLatin1String shortName;
    bool perUser;
};

const HiveName Hives[] = {
    { QLatin1String("HKEY_LOCAL_MACHINE"), QLatin1String("HKLM"), false },
    { QLatin1String("HKEY_CURRENT_USER"), QLatin1String("HKCU"), true },
    { QLatin1String("HKEY_CLASSES_ROOT"), QLatin1String("HKCR"), false },
};

QStringList pathParts(const QString &path)
{
    QString unified = path;
    unified.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return unified.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
}

// With literalName, the value name is taken as it stands, separators included.
Location locate(const QString &keyPath, const QString &valueName, bool literalName = false)
{
    Location location;
    QStringList keyParts = pathParts(keyPath);
    if (keyParts.isEmpty())
        return location;
    const QString hive = keyParts.takeFirst();
    for (const HiveName &candidate : Hives) {
        if (hive.compare(candidate.full, Qt::CaseInsensitive) == 0
            || hive.compare(candidate.shortName, Qt::CaseInsensitive) == 0) {
            const QString folder = candidate.perUser ? Machine::userRegistryFolder() : Machine::machineRegistryFolder();
            location.file = folder + QLatin1Char('/') + candidate.full + QStringLiteral(".db");
        }
    }
    if (literalName) {
        location.name = valueName;
        location.key = keyParts.join(QLatin1Char('\\'));
        return location;
    }
    // "Sub\Name" as a value name reads Name in the sub-key Sub.
    QStringList nameParts = pathParts(valueName);
    location.name = nameParts.isEmpty() ? QString() : nameParts.takeLast();
    location.key = (keyParts + nameParts).join(QLatin1Char('\\'));
    return location;
}

// One open connection to a hive file, and the identity of the file it was opened on.
class Hive {
public:
    // With create, the folder and the file are made when missing. The connection is
    // read-only when the file cannot be written by this process.
    Hive(const QString &file, bool create)
    {
        if (create)
            QDir().mkpath(QFileInfo(file).absolutePath());
        const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0) | SQLITE_OPEN_NOMUTEX;
        if (sqlite3_open_v2(QFile::encodeName(file).constData(), &m_db, flags, nullptr) != SQLITE_OK
            || !fileIdentity(file, &m_identity)) {
            warn("open");
            close();
            return;
        }
        sqlite3_busy_timeout(m_db, BusyTimeoutMs);
        // Other users' processes that may only read the machine-wide hive cannot create
        // the -wal and -shm files in its folder, so they are kept when the last
        // connection closes (emptied, not removed). SQLite gives them the hive file's
        // mode and owner, so whoever could write the hive can write them.
        int persistWal = 1;
        sqlite3_file_control(m_db, "main", SQLITE_FCNTL_PERSIST_WAL, &persistWal);
        // Commits append to the write-ahead log without a sync; the log is synced
        // before it is copied into the hive (flush, close, or when it has grown), so a
        // crashed process loses nothing and a power cut loses at most the latest writes.
        // A read-only connection to a hive still in rollback mode stays in that mode.
        sqlite3_exec(m_db, "PRAGMA synchronous = NORMAL; PRAGMA journal_mode = WAL; PRAGMA journal_size_limit = 0",
            nullptr, nullptr, nullptr);
    }
    ~Hive() { close(); }
    Hive(const Hive &) = delete;
    Hive &operator=(const Hive &) = delete;

    bool isOpen() const { return m_db != nullptr; }
    bool isReadOnly() const { return sqlite3_db_readonly(m_db, "main") == 1; }

    // True while file is still the file this connection was opened on: a hive that was
    // removed or replaced must not take writes that nobody will ever read.
    bool isOn(const QString &file) const
    {
        Identity now;
        return fileIdentity(file, &now) && now == m_identity;
    }

    // Creates the values table once per connection; the writes need it.
    bool prepareForWriting()
    {
        if (!m_hasTable)
            m_hasTable = exec("CREATE TABLE IF NOT EXISTS hive_values ("
                              " key_fold TEXT NOT NULL, name_fold TEXT NOT NULL,"
                              " key TEXT NOT NULL, name TEXT NOT NULL,"
                              " type INTEGER NOT NULL, data BLOB,"
                              " PRIMARY KEY (key_fold, name_fold)) WITHOUT ROWID");
        return m_hasTable;
    }

    // Copies the whole write-ahead log into the hive file, syncing both.
    bool checkpoint()
    {
        if (isReadOnly()
            || sqlite3_wal_checkpoint_v2(m_db, "main", SQLITE_CHECKPOINT_FULL, nullptr, nullptr) == SQLITE_OK)
            return true;
        warn("flush");
        return false;
    }

    // Prepares a statement; binds text arguments in order.
    sqlite3_stmt *prepare(const char *sql, const QStringList &arguments)
    {
        sqlite3_stmt *statement = nullptr;
        if (!m_db || sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr) != SQLITE_OK) {
            // A hive that was created but never written has no table yet: not an error.
            if (m_db && !QByteArray(sqlite3_errmsg(m_db)).startsWith("no such table"))
                warn("prepare");
            return nullptr;
        }
        for (int i = 0; i < arguments.size(); ++i) {
            const QByteArray utf8 = arguments.at(i).toUtf8();
            sqlite3_bind_text(statement, i + 1, utf8.constData(), utf8.size(), SQLITE_TRANSIENT);
        }
        return statement;
    }

    bool exec(const char *sql)
    {
        if (sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) == SQLITE_OK)
            return true;
        warn("write");
        return false;
    }

    void warn(const char *what) const
    {
        qWarning("[Registry] WARNING: cannot %s %s: %s", what, m_db ? sqlite3_db_filename(m_db, "main") : "hive",
            m_db ? sqlite3_errmsg(m_db) : "out of memory");
    }

    sqlite3 *db() const { return m_db; }

private:
    struct Identity {
        dev_t device = 0;
        ino_t inode = 0;
        bool operator==(const Identity &other) const { return device == other.device && inode == other.inode; }
    };

    static bool fileIdentity(const QString &file, Identity *identity)
    {
        struct stat info;
        if (::stat(QFile::encodeName(file).constData(), &info) != 0)
            return false;
        *identity = { info.st_dev, info.st_ino };
        return true;
    }

    void close()
    {
        // A clean close of the last connection to a hive copies the log into it.
        sqlite3_close(m_db);
        m_db = nullptr;
    }

    sqlite3 *m_db = nullptr;
    Identity m_identity;
    bool m_hasTable = false;
};

// The open hives of this process, one connection per hive file, shared by all threads
// behind one mutex. Registry calls are short, so serialising them costs nothing that
// matters, where a connection per thread would be left open by every thread that ends
// and never be closed by one still running at exit; here one place closes them all.
class OpenHives {
public:
    // Locks the hives for one registry call.
    std::unique_lock<std::mutex> lock() { return std::unique_lock<std::mutex>(m_mutex); }

    // The connection to file, reopened when the file was removed or replaced since;
    // with create, the file is made when missing. Null when the file is missing (and
    // create is false) or cannot be opened. Only while locked.
    Hive *open(const QString &file, bool create)
    {
        if (file.isEmpty())
            return nullptr;
        std::unique_ptr<Hive> &slot = m_open[file];
        if (slot && !slot->isOn(file))
            slot.reset();
        if (!slot && (create || QFile::exists(file))) {
            dropDeadConnections();
            slot = std::make_unique<Hive>(file, create);
            if (!slot->isOpen())
                slot.reset();
        }
        if (slot)
            return slot.get();
        m_open.erase(file);
        return nullptr;
    }

    // Syncs every hive this process has open; false when one could not be.
    bool checkpointAll()
    {
        dropDeadConnections();
        bool synced = true;
        for (const auto &open : m_open)
            synced = open.second->checkpoint() && synced;
        return synced;
    }

    void closeAll() { m_open.clear(); }

private:
    // Closes the connections whose files were removed or replaced (a sandbox machine's
    // folder that went away, say), so they do not pile up.
    void dropDeadConnections()
    {
        for (auto it = m_open.begin(); it != m_open.end();)
            it = it->second && !it->second->isOn(it->first) ? m_open.erase(it) : std::next(it);
    }

    std::mutex m_mutex;
    std::map<QString, std::unique_ptr<Hive>> m_open;
};

OpenHives &openHives()
{
    // Never destroyed, so a thread still calling at exit finds it in place; the
    // connections themselves are closed by closeAtExit.
    static OpenHives *const instance = new OpenHives;
    return *instance;
}

struct CloseAtExit {
    ~CloseAtExit()
    {
        const auto locked = openHives().lock();
        openHives().closeAll();
    }
} closeAtExit;

struct Statement {
    sqlite3_stmt *handle;
    ~Statement() { sqlite3_finalize(handle); }
};

QString fold(const QString &text)
{
    return text.toCaseFolded();
}

QString columnText(sqlite3_stmt *statement, int column)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, column)),
        sqlite3_column_bytes(statement, column));
}

bool writeAt(const Location &at, const QString &keyPath, const QVariant &value)
{
    if (at.file.isEmpty()) {
        qWarning("[Registry] WARNING: unknown hive in %s", qUtf8Printable(keyPath));
        return false;
    }
    int type = Text;
    QByteArray data;
    switch (value.userType()) {
    case QMetaType::Int:
    case QMetaType::UInt:
        type = Dword;
        data = QByteArray::number(value.toInt());
        break;
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        type = Qword;
        data = QByteArray::number(value.toLongLong());
        break;
    case QMetaType::QByteArray:
        type = Binary;
        data = value.toByteArray();
        break;
    default:
        data = value.toString().toUtf8();
        break;
    }

    const auto locked = openHives().lock();
    Hive *hive = openHives().open(at.file, true);
    if (!hive || !hive->prepareForWriting())
        return false;
    Statement statement { hive->prepare(
        "INSERT OR REPLACE INTO hive_values (key_fold, name_fold, key, name, type, data)"
        " VALUES (?1, ?2, ?3, ?4, ?5, ?6)",
        { fold(at.key), fold(at.name), at.key, at.name }) };
    if (!statement.handle)
        return false;
    sqlite3_bind_int(statement.handle, 5, type);
    sqlite3_bind_blob(statement.handle, 6, data.constData(), data.size(), SQLITE_TRANSIENT);
    if (sqlite3_step(statement.handle) != SQLITE_DONE) {
        hive->warn("write");
        return false;
    }
    return true;
}

bool removeAt(const Location &at)
{
    // A delete never creates a hive.
    const auto locked = openHives().lock();
    Hive *hive = openHives().open(at.file, false);
    if (!hive)
        return false;
    Statement statement { hive->prepare(
        "DELETE FROM hive_values WHERE key_fold = ?1 AND name_fold = ?2", { fold(at.key), fold(at.name) }) };
    if (!statement.handle || sqlite3_step(statement.handle) != SQLITE_DONE) {
        if (statement.handle)
            hive->warn("delete from");
        return false;
    }
    return sqlite3_changes(hive->db()) > 0;
}

} // namespace

QVariant Registry::read(const QString &keyPath, const QString &valueName)
{
    const Location at = locate(keyPath, valueName);
    const auto locked = openHives().lock();
    Hive *hive = openHives().open(at.file, false);
    if (!hive)
        return {};
    Statement statement { hive->prepare(
        "SELECT type, data FROM hive_values WHERE key_fold = ?1 AND name_fold = ?2", { fold(at.key), fold(at.name) }) };
    if (!statement.handle || sqlite3_step(statement.handle) != SQLITE_ROW)
        return {};
    const QByteArray data(
        static_cast<const char *>(sqlite3_column_blob(statement.handle, 1)), sqlite3_column_bytes(statement.handle, 1));
    switch (sqlite3_column_int(statement.handle, 0)) {
    case Dword:
        return data.toInt();
    case Qword:
        return data.toLongLong();
    case Binary:
        return data;
    default:
        return QString::fromUtf8(data);
    }
}

bool Registry::write(const QString &keyPath, const QString &valueName, const QVariant &value)
{
    return writeAt(locate(keyPath, valueName), keyPath, value);
}

bool Registry::writeLiteral(const QString &keyPath, const QString &valueName, const QVariant &value)
{
    return writeAt(locate(keyPath, valueName, true), keyPath, value);
}

QStringList Registry::valueNames(const QString &keyPath)
{
    const Location at = locate(keyPath, QString());
    const auto locked = openHives().lock();
    Hive *hive = openHives().open(at.file, false);
    QStringList names;
    if (!hive)
        return names;
    Statement statement { hive->prepare(
        "SELECT name FROM hive_values WHERE key_fold = ?1 ORDER BY name_fold", { fold(at.key) }) };
    while (statement.handle && sqlite3_step(statement.handle) == SQLITE_ROW)
        names.append(columnText(statement.handle, 0));
    return names;
}

bool Registry::remove(const QString &keyPath, const QString &valueName)
{
    return removeAt(locate(keyPath, valueName));
}

bool Registry::removeLiteral(const QString &keyPath, const QString &valueName)
{
    return removeAt(locate(keyPath, valueName, true));
}

bool Registry::flush()
{
    const auto locked = openHives().lock();
    return openHives().checkpointAll();
}

QString Registry::scopeKey(bool systemScope, const QString &organisation, const QString &application)
{
    return (systemScope ? QStringLiteral("HKEY_LOCAL_MACHINE") : QStringLiteral("HKEY_CURRENT_USER"))
        + QStringLiteral("\\Software\\") + organisation + QLatin1Char('\\') + application;
}

} // namespace platform
