#include "install/InstallInfo.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

QString oneDecimal(double value)
{
    return QString::number(value, 'f', 1);
}

QString speedText(double speed)
{
    return QCoreApplication::translate("InstallManager", "%1 MB/s").arg(oneDecimal(speed));
}

QString installingText(const QString &name)
{
    return QCoreApplication::translate("InstallManager", "Installing %1").arg(name);
}

} // namespace

InstallTexts installTexts(const InstallInfo &info, const InstallPhase &phase)
{
    InstallTexts texts;
    const bool downloading = info.totalSize > info.curSize;
    if (!phase.parallelStarted) {
        if (downloading && !info.shouldHideDownload) {
            texts.message = QCoreApplication::translate("InstallManager", "Installing %1 (%2/%3 MB)")
                                .arg(info.packageNameTr, oneDecimal(info.curSize), oneDecimal(info.totalSize));
            if (info.speed > 0.0)
                texts.speed = speedText(info.speed);
        } else {
            texts.message = installingText(info.packageNameTr);
        }
        return texts;
    }
    if (phase.allDone) {
        texts.message = installingText(info.packageNameTr);
        return texts;
    }
    if (info.isForSteamVR) {
        texts.ignored = true;
        return texts;
    }
    QString sizes;
    if (downloading) {
        //: The sizes after a package name, with the space before them.
        sizes = QCoreApplication::translate("InstallManager", " (%1/%2 MB)")
                    .arg(oneDecimal(info.curSize), oneDecimal(info.totalSize));
        if (info.speed > 0.0)
            texts.speed = speedText(info.speed);
    }
    if (phase.steamDone) {
        texts.message = QCoreApplication::translate("InstallManager", "Installing %1%2").arg(info.packageNameTr, sizes);
    } else {
        const QString other = phase.namesSteamVR ? QStringLiteral("SteamVR") : QStringLiteral("Steam");
        texts.message = QCoreApplication::translate("InstallManager", "Installing %1%2 and %3")
                            .arg(info.packageNameTr, sizes, other);
    }
    return texts;
}

QString installInfoPipeText(const InstallInfo &info)
{
    return QStringLiteral("INSTALL_INFO:%1|%2|%3|%4")
        .arg(info.packageName, info.packageNameTr, oneDecimal(info.curSize), oneDecimal(info.totalSize));
}

int minutesLeft(qint64 seconds)
{
    return seconds > 0 ? int((seconds + 59) / 60) : 0;
}

int minutesToGuide(qint64 seconds)
{
    return std::max(minutesLeft(seconds), 1);
}
