#pragma once

#include "install/ResultParser.h"

// Parser of a size query run: "TotalSize:" gives the download size in bytes.
class SizeParser : public ResultParser {
    Q_OBJECT

public:
    explicit SizeParser(QObject *parent = nullptr);

signals:
    void checkError();
    void checkFinished(qint64 sizeBytes);

protected:
    void handleResult(const QString &value) override;
    void emitError() override { emit checkError(); }
};
