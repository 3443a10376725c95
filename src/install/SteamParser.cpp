#include "install/SteamParser.h"

SteamParser::SteamParser(QObject *parent)
    : InstallParser(parent)
{
}

bool SteamParser::parseMessage(const QString &message)
{
    qDebug("[SteamParser] Received message: %s", qUtf8Printable(message));
    if (message != QLatin1String("Finished"))
        return false;
    qDebug("[SteamParser] Steam installation finished");
    emit installFinished();
    return true;
}
