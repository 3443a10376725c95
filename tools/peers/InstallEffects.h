#pragma once

#include <QStringList>

struct UpdaterCommandLine;

// Leaves on the machine what a finished job of the updater leaves: the files and
// registry values that the wizard and the product's other programs read later. False,
// with a line on stderr, when something could not be made (in a sandbox machine, also
// for any folder outside it).
bool makeInstallEffects(const UpdaterCommandLine &line);

// The program names under which the updater installs the guide ("NovaTundraGuide.exe", ...).
QStringList guideProgramNames();
