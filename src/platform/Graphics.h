#pragma once

#include "platform/Launch.h"

#include <QString>

#include <memory>

namespace platform {

// Whether the default EGL display can be initialised, i.e. an OpenGL ES capable driver
// is there; the program then prefers OpenGL ES over software rendering. The probe
// program beside the executable (ProgramName) answers in a child process, so the driver
// stack that EGL loads (tens of megabytes) never enters the caller's process, and the
// caller can go on with its own start-up while the driver loads.
class EglProbe {
public:
    static const char ProgramName[];

    // Starts the probe program of programFolder, its output going nowhere. False when it
    // cannot be started; succeeded() then answers false.
    bool start(const QString &programFolder);
    // True when the probe ended with exit code 0 within waitMs. A probe still running
    // then is killed and counts as failed. The first call decides; later ones repeat it.
    bool succeeded(int waitMs);

private:
    std::unique_ptr<StartedProgram> m_program; // a probe still running goes with it
};

} // namespace platform
