#pragma once

#include "install/ResultParser.h"

// Parser of the pre-download run: its "ExitCode:" ends it.
class DownloadParser : public ExitCodeResultParser {
    Q_OBJECT

public:
    explicit DownloadParser(QObject *parent = nullptr);

signals:
    void downloadError();
    void downloadFinished();

protected:
    void emitError() override { emit downloadError(); }
    void emitFinished() override { emit downloadFinished(); }
};
