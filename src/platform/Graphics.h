#pragma once

#include <QString>

namespace platform {

// Whether the default EGL display can be initialised, i.e. an OpenGL ES capable driver
// is there; the program then prefers OpenGL ES over software rendering. The probe
// program beside the executable (ProgramName) answers in a child process, so the driver
// stack that EGL loads (tens of megabytes) never enters the caller's process, and the
// caller can go on with its own start-up while the driver loads.
class EglProbe {
public:
    static const char ProgramName[];

    EglProbe() = default;
    // A probe still running is killed and reaped.
    ~EglProbe();
    EglProbe(const EglProbe &) = delete;
    EglProbe &operator=(const EglProbe &) = delete;

    // Starts the probe program of programFolder, its output going nowhere. False when it
    // cannot be started; succeeded() then answers false.
    bool start(const QString &programFolder);
    // True when the probe ended with exit code 0 within waitMs. A probe still running
    // then is killed and counts as failed. The first call decides; later ones repeat it.
    bool succeeded(int waitMs);

private:
    int m_pid = -1; // while the child is not yet reaped
    int m_pidFd = -1;
    bool m_succeeded = false;
};

} // namespace platform
