#pragma once

#include <QString>

// The process-wide mode flags and values taken from the command line. They are set
// once during start-up, before any worker thread exists, and only read afterwards,
// so every component asks them through these plain queries.
struct ModeFlags {
    bool isCN = false;
    bool isPreload = false;
    bool isInternal = false;
    bool isDeveloper = false;
    bool isBeta = false;
    bool isDemo = false;
    bool isSWOA = false;
    bool isVSW = false;
    bool isNoAccount = false;
    bool isKyr = false;
    bool isDov = false;
    bool isDKV = false;
    bool isOtherDev = false;
    QString productName = QStringLiteral("NOVA Tundra");
    QString modeParam = QStringLiteral("-PUBLIC");
};

namespace Mode {

// Publishes the flags for the rest of the run.
void set(const ModeFlags &flags);
const ModeFlags &flags();

inline bool isCN()
{
    return flags().isCN;
}
inline bool isPreload()
{
    return flags().isPreload;
}
inline bool isInternal()
{
    return flags().isInternal;
}
inline bool isDeveloper()
{
    return flags().isDeveloper;
}
inline bool isBeta()
{
    return flags().isBeta;
}
inline bool isDemo()
{
    return flags().isDemo;
}
inline bool isSWOA()
{
    return flags().isSWOA;
}
inline bool isVSW()
{
    return flags().isVSW;
}
inline bool isNoAccount()
{
    return flags().isNoAccount;
}
inline bool isKyr()
{
    return flags().isKyr;
}
inline bool isDov()
{
    return flags().isDov;
}
inline bool isDKV()
{
    return flags().isDKV;
}
inline bool isOtherDev()
{
    return flags().isOtherDev;
}
inline QString productName()
{
    return flags().productName;
}
inline QString modeParam()
{
    return flags().modeParam;
}
// Public distribution: none of the internal, developer, demo and beta modes.
inline bool isPublic()
{
    const ModeFlags &f = flags();
    return !f.isInternal && !f.isDeveloper && !f.isDemo && !f.isBeta;
}

} // namespace Mode
