#pragma once

#include <QString>

namespace platform::detail {

// The file that stands for a named kernel object (pipe, mutex, event) inside folder.
// "Global\" and "Local\" prefixes are dropped; characters that are not safe in a file
// name are percent-encoded, so no name can reach outside the folder. Returns an empty
// string when the folder cannot be made.
QString objectPath(const QString &folder, QString name, const QString &suffix);

// open(2) with O_CLOEXEC, creating the file readable and writable by everyone, as the
// Windows objects are created with a null DACL. -1 with errno on failure.
int openShared(const QString &path, int flags);

} // namespace platform::detail
