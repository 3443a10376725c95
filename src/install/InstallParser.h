#pragma once

#include "install/MessageParser.h"

#include <QObject>

// The updater's exit codes, index = code.
namespace UpdaterExitCode {
constexpr int Success = 0;
constexpr int UpdateFail = 1;
constexpr int DownloadFail = 5;
constexpr int SelfUpdating = 6;
constexpr int CopyFail = 9;
constexpr int SelfUpdateFinished = 13;
constexpr int Count = 16;

// The code's name ("Success", "UpdateFail", ...); empty outside the table.
QString name(int code);
// The code itself when the table has it, else UpdateFail.
int known(int code);
} // namespace UpdaterExitCode

// Base of the parsers of the updater's install runs: reads its exit codes.
class InstallParser : public QObject, public MessageParser {
    Q_OBJECT

public:
    int exitCode() const { return m_exitCode; }
    QString exitCodeName() const { return m_exitCodeName; }

protected:
    explicit InstallParser(QObject *parent = nullptr);

    // Takes the exit code from the text after "ExitCode:"; a code outside the table
    // counts as UpdateFail. Returns the code.
    int readExitCode(const QString &rest);

private:
    int m_exitCode = UpdaterExitCode::Success;
    QString m_exitCodeName;
};
