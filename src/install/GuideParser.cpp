#include "install/GuideParser.h"

GuideParser::GuideParser(bool quitOnStart, QObject *parent)
    : QObject(parent)
    , m_quitOnStart(quitOnStart)
{
}

bool GuideParser::parseMessage(const QString &message)
{
    qDebug("[GuideParser] Received msg: %s", qUtf8Printable(message));
    if (message == QLatin1String("DONE")) {
        qDebug("[GuideParser] Guide has started");
        emit guideStarted();
        if (m_quitOnStart)
            emit prepareToQuit(QStringLiteral("done"));
        return m_quitOnStart;
    }
    if (message == QLatin1String("GUIDE_CLOSE")) {
        qDebug("[GuideParser] Guide is closing and forcing Installer to quit");
        emit prepareToQuit(QStringLiteral("closed by guide"));
        return true;
    }
    return false;
}
