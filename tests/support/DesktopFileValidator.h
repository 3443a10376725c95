#pragma once

#include <QProcess>
#include <QString>

// What desktop-file-validate says about an entry (its exit code when that is not 0);
// empty for a valid entry.
inline QString validatorComplaints(const QString &path)
{
    QProcess validator;
    validator.setProcessChannelMode(QProcess::MergedChannels);
    validator.start(QStringLiteral("desktop-file-validate"), { path });
    if (!validator.waitForFinished(20000))
        return QStringLiteral("desktop-file-validate did not run: ") + validator.errorString();
    const QString output = QString::fromUtf8(validator.readAll());
    return validator.exitCode() == 0 ? output
                                     : output + QStringLiteral("exit ") + QString::number(validator.exitCode());
}
