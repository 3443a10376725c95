#pragma once

#include <QStringList>

class Scenario;

// A role plays one external program. It gets the program's arguments and its
// scenario, and returns the process's exit code.
using Role = int (*)(const QStringList &arguments, const Scenario &scenario);

// Sends the scenario's "messages" to its "pipe" ("intervalMs" apart), stays alive for
// "runMs", then exits with "exitCode". The behaviour of every program without a role
// of its own.
int runScripted(const QStringList &arguments, const Scenario &scenario);
