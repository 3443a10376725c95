#include "platform/Registry.h"

#include "platform/Machine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

// Each hive is one SQLite file. A row is one value; the key path and the value name
// are stored as written and, for look-ups, case-folded. Writers run in autocommit
// with a generous busy time-out, so writes from several processes serialise inside
// SQLite and none is lost.

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

class Hive {
public:
    Hive(const QString &file, bool forWriting)
    {
        if (file.isEmpty())
            return;
        if (!forWriting && !QFile::exists(file))
            return;
        if (forWriting)
            QDir().mkpath(QFileInfo(file).absolutePath());
        const int flags = forWriting ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE : SQLITE_OPEN_READONLY;
        if (sqlite3_open_v2(QFile::encodeName(file).constData(), &m_db, flags | SQLITE_OPEN_NOMUTEX, nullptr)
            != SQLITE_OK) {
            warn("open");
            close();
            return;
        }
        sqlite3_busy_timeout(m_db, BusyTimeoutMs);
        if (forWriting
            && !exec("CREATE TABLE IF NOT EXISTS hive_values ("
                     " key_fold TEXT NOT NULL, name_fold TEXT NOT NULL,"
                     " key TEXT NOT NULL, name TEXT NOT NULL,"
                     " type INTEGER NOT NULL, data BLOB,"
                     " PRIMARY KEY (key_fold, name_fold)) WITHOUT ROWID")) {
            close();
        }
    }
    ~Hive() { close(); }

    bool isOpen() const { return m_db != nullptr; }

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
    void close()
    {
        sqlite3_close(m_db);
        m_db = nullptr;
    }

    sqlite3 *m_db = nullptr;
};

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

    Hive hive(at.file, true);
    Statement statement { hive.prepare("INSERT OR REPLACE INTO hive_values (key_fold, name_fold, key, name, type, data)"
                                       " VALUES (?1, ?2, ?3, ?4, ?5, ?6)",
        { fold(at.key), fold(at.name), at.key, at.name }) };
    if (!statement.handle)
        return false;
    sqlite3_bind_int(statement.handle, 5, type);
    sqlite3_bind_blob(statement.handle, 6, data.constData(), data.size(), SQLITE_TRANSIENT);
    if (sqlite3_step(statement.handle) != SQLITE_DONE) {
        hive.warn("write");
        return false;
    }
    return true;
}

bool removeAt(const Location &at)
{
    // A delete never creates a hive.
    if (at.file.isEmpty() || !QFile::exists(at.file))
        return false;
    Hive writable(at.file, true);
    Statement statement { writable.prepare(
        "DELETE FROM hive_values WHERE key_fold = ?1 AND name_fold = ?2", { fold(at.key), fold(at.name) }) };
    if (!statement.handle || sqlite3_step(statement.handle) != SQLITE_DONE) {
        writable.warn("delete from");
        return false;
    }
    return sqlite3_changes(writable.db()) > 0;
}

} // namespace

QVariant Registry::read(const QString &keyPath, const QString &valueName)
{
    const Location at = locate(keyPath, valueName);
    Hive hive(at.file, false);
    Statement statement { hive.prepare(
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
    Hive hive(at.file, false);
    Statement statement { hive.prepare(
        "SELECT name FROM hive_values WHERE key_fold = ?1 ORDER BY name_fold", { fold(at.key) }) };
    QStringList names;
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
    return true;
}

QString Registry::scopeKey(bool systemScope, const QString &organisation, const QString &application)
{
    return (systemScope ? QStringLiteral("HKEY_LOCAL_MACHINE") : QStringLiteral("HKEY_CURRENT_USER"))
        + QStringLiteral("\\Software\\") + organisation + QLatin1Char('\\') + application;
}

} // namespace platform
