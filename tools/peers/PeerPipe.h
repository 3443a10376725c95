#pragma once

#include <QByteArray>
#include <QString>

// Sends one message to a pipe (a short name or "\\.\pipe\NAME") on a connection of its
// own and reads the reply, which should be "OK". A pipe that is missing (its server not
// up yet) or busy is tried again a few times. Failures are reported on stderr; the
// result says whether the message was delivered.
bool sendToPipe(const QString &pipe, const QByteArray &message);
