#pragma once

#include <QString>

namespace platform::detail {

// How long a lock that another process holds is tried for before the call gives up.
constexpr int LockRetryLimitMs = 1500;

// The file that stands for a named kernel object (pipe, mutex, event) inside folder,
// one of the machine's object folders. "Global\" and "Local\" prefixes are dropped;
// characters that are not safe in a file name are percent-encoded, so no name can reach
// outside the folder. Returns an empty string when the folder cannot be made or is
// refused.
QString objectPath(const QString &folder, QString name, const QString &suffix);

// open(2) of a regular file with O_CLOEXEC, never blocking and never following a link,
// creating the file readable and writable by everyone, as the Windows objects are
// created with a null DACL. -1 with errno on failure.
int openShared(const QString &path, int flags);

// flock(2) operation (LOCK_EX or LOCK_SH) on fd, tried again while another holder has
// it, for at most limitMs. False with errno EWOULDBLOCK when it stayed held.
bool lockWithin(int fd, int operation, int limitMs = LockRetryLimitMs);

} // namespace platform::detail
