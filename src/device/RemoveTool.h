#pragma once

#include "platform/SystemInfo.h"

#include <QString>

// The headset driver uninstall tool for a Windows version and the system's own processor
// architecture, and what the choice logs.
struct RemoveTool {
    QString logLine;
    bool isError = false; // logLine is logged as a warning
    // Relative to the program's own folder, backslash separated
    // ("\..\OOBETool\RemoveDriver\uninstallWin10_64.exe"); empty when no tool runs.
    QString program;
};

// windowsVersion as the system reports it ("6.1.7601", "10.0.19045"): 6.1 is Windows 7,
// 6.2 Windows 8 (which needs no tool), 6.3 Windows 8.1 and 10.0 Windows 10 and later.
RemoveTool chooseRemoveTool(const QString &windowsVersion, platform::SystemInfo::Architecture architecture);
