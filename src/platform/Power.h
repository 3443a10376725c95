#pragma once

namespace platform {

class Power {
public:
    // Asks the system to restart. A sandbox machine only records the request
    // (one line in its restarts.log) and never restarts the host.
    static bool restart();
};

} // namespace platform
