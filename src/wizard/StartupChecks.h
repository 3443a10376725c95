#pragma once

#include <QString>

// The checks the page flow runs once at start-up, before any page is left.
namespace StartupChecks {

// Whether the program runs with administrator rights; logs the answer.
bool isUserAdmin();

// Removes the compatibility-mode entries ("Layers" values named after programPath,
// with "\" separators) of the current user and of the machine. True when one was
// removed: the settings only take effect at the program's next start.
bool removeCompatibilityMode(const QString &programPath);

} // namespace StartupChecks
