#pragma once

#include <QStringList>
#include <QVariant>

class Scenario;
struct UpdaterCommandLine;

// Leaves on the machine what a finished job of the updater leaves: the files and
// registry values that the wizard and the product's other programs read later, as the
// job's settings ask. False, with a line on stderr, when something could not be made
// (in a sandbox machine, also for any folder outside it).
bool makeInstallEffects(const UpdaterCommandLine &line, const Scenario &scenario);

// Writes the updater's settings file, "Config/ut.ini" in its own folder, which every
// run leaves behind (and a copy of the updater's folder carries along). A failure is
// only reported on stderr: the run goes on.
void keepUpdaterSettings(const UpdaterCommandLine &line);

// Writes one registry value; false, with a line on stderr, when it cannot be written.
bool writeRegistryValue(const QString &key, const QString &name, const QVariant &value);

// Places a copy of this program at path, its folder made when needed (in a sandbox
// machine only inside it); the copy plays the role of its new name.
bool placeCopyOfThisProgram(const QString &path);

// The program names under which the updater installs the guide ("NovaTundraGuide.exe", ...).
QStringList guideProgramNames();
