#pragma once

namespace platform {

struct RescanResult {
    enum Status {
        Done,
        NoDeviceTree, // nothing that can enumerate the devices was found
        Failed, // the enumeration was refused or failed; error holds a code for the log
    };
    Status status = Failed;
    int error = 0;
};

// Asks the system to enumerate every device afresh, so that the drivers bind to them
// again, and waits a short while for the request to be taken. Root only on a real
// machine; a sandbox machine only records the request (one line in its rescans.log).
RescanResult rescanDevices();

} // namespace platform
