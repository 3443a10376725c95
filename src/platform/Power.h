#pragma once

namespace platform {

class Power {
public:
    // Asks the system to restart after delaySeconds (0: at once, forcibly), and returns
    // at once, so the caller can still quit first. A sandbox machine only records the
    // request (one line in its restarts.log) and never restarts the host.
    static bool restart(int delaySeconds);
};

} // namespace platform
