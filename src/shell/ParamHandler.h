#pragma once

#include "core/ModeFlags.h"

#include <QObject>
#include <QString>

// Reads the program's arguments once at start-up into the process-wide mode flags and
// the identity of the caller, and tells the caller over its pipe when the window is up.
class ParamHandler : public QObject {
    Q_OBJECT

public:
    // Parses every argument (argv[0] included) and publishes the mode flags.
    // programFolder holds the per-mode configuration folders; by default the
    // program's own folder.
    ParamHandler(
        int argc, char **argv, bool allowCN, const QString &programFolder = QString(), QObject *parent = nullptr);

    QString callerPipeName() const { return m_callerPipeName; }
    // "other", "launcher", "installer" or "usb launcher".
    QString callerKind() const { return m_callerKind; }
    QString biSessionId() const { return m_biSessionId; }
    QString bgiPipeName() const { return m_bgiPipeName; }

public slots:
    void onFirstActive();
    void sendMsgToCaller(const QString &msg);

private:
    void parse(const QByteArray &raw, ModeFlags &flags, bool allowCN);
    // Puts a mode's configuration in place for the updater; warns with the mode's name.
    void copyConfig(QLatin1String folder, const char *mode) const;

    QString m_programFolder;
    QString m_callerPipeName;
    QString m_callerKind = QStringLiteral("other");
    QString m_biSessionId;
    QString m_bgiPipeName;
};
