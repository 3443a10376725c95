#pragma once

#include "install/MessageParser.h"

#include <QObject>

// Parser of the guide program's reply pipe: the guide's start ("DONE") and its request
// to close the wizard ("GUIDE_CLOSE").
class GuideParser : public QObject, public MessageParser {
    Q_OBJECT

public:
    // quitOnStart: the wizard quits as soon as the guide has started.
    explicit GuideParser(bool quitOnStart, QObject *parent = nullptr);

    bool parseMessage(const QString &message) override;

signals:
    void guideStarted();
    void prepareToQuit(const QString &strReason);

private:
    const bool m_quitOnStart;
};
