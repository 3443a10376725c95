#pragma once

#include "install/InstallParser.h"

// Parser of the Steam client's install run: "Finished" ends it.
class SteamParser : public InstallParser {
    Q_OBJECT

public:
    explicit SteamParser(QObject *parent = nullptr);

    bool parseMessage(const QString &message) override;

signals:
    void installFinished();
};
