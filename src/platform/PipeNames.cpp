#include "platform/NamedPipe.h"

// The parts of the pipe channel that are the same on every system: names and the
// message text.

namespace platform {

namespace {

const QLatin1String PipePrefix("\\\\.\\pipe\\");

} // namespace

QString pipePath(const QString &shortName)
{
    return PipePrefix + shortName;
}

QString pipeShortName(const QString &pipePath)
{
    return pipePath.startsWith(PipePrefix, Qt::CaseInsensitive) ? pipePath.mid(PipePrefix.size()) : pipePath;
}

QString pipeMessageText(const QByteArray &message)
{
    const int end = message.indexOf('\0');
    return QString::fromUtf8(end < 0 ? message : message.left(end));
}

} // namespace platform
