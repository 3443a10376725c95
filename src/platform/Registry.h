#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

namespace platform {

// The registry: hives HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER and HKEY_CLASSES_ROOT
// (also HKLM, HKCU, HKCR). Key paths are "HIVE\Key\Sub", as a native-format settings
// object accepts them; key paths and value names compare ignoring case. A value name
// with a backslash or slash names a value in a sub-key, as with QSettings.
//
// Values: QString (text), int and uint (32-bit numbers), qlonglong and qulonglong
// (64-bit numbers), QByteArray (binary); bool and other types are stored as text.
// Every write is committed when the call returns: other processes read it at once, and
// it survives the writing process crashing, but a power cut may lose the latest writes
// until flush() (or the end of the process) has synced them. Concurrent writers from
// several processes never lose each other's values.
class Registry {
public:
    // The value, or an invalid QVariant when the hive, key or value is missing.
    static QVariant read(const QString &keyPath, const QString &valueName);
    // Creates the key when needed. False (with a warning) when the store cannot be written.
    static bool write(const QString &keyPath, const QString &valueName, const QVariant &value);
    // Value names of one key, as they were written, sorted ignoring case.
    static QStringList valueNames(const QString &keyPath);
    // True when the value existed and was deleted.
    static bool remove(const QString &keyPath, const QString &valueName);
    // Windows allows backslashes in value names (compatibility-mode entries are named
    // after program paths). These take valueName as it stands, where write and remove
    // read "Sub\Name" as a value in a sub-key; valueNames lists such names as written.
    static bool writeLiteral(const QString &keyPath, const QString &valueName, const QVariant &value);
    static bool removeLiteral(const QString &keyPath, const QString &valueName);
    // Syncs to disk every write this process made so far, in every hive it has open, so
    // they survive a power cut. False (with a warning) when a hive could not be synced.
    static bool flush();

    // "Software\<organisation>\<application>" in HKEY_CURRENT_USER or
    // HKEY_LOCAL_MACHINE, as QSettings names its native scopes.
    static QString scopeKey(bool systemScope, const QString &organisation, const QString &application);
};

} // namespace platform
