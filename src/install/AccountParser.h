#pragma once

#include "install/ResultParser.h"

// Parser of the account package's install run: its "ExitCode:" ends it.
class AccountParser : public ExitCodeResultParser {
    Q_OBJECT

public:
    explicit AccountParser(QObject *parent = nullptr);

signals:
    void installError();
    void installFinished();

protected:
    void emitError() override { emit installError(); }
    void emitFinished() override { emit installFinished(); }
};
