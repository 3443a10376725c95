// Stores numbered records and flushes them to the BI server until it is killed, for
// the crash test. Usage:
//   bi-crash-helper store FOLDER HOST CAFILE FIRST   prints "READY", then "stored N" per record
//   bi-crash-helper drain FOLDER HOST CAFILE         flushes until the store is empty, prints "DRAINED"
#include "bilogger/BiLogger.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

using namespace bilogger;

namespace {

constexpr int RecordsPerRun = 200;
constexpr int FlushEvery = 10;

} // namespace

int main(int argc, char **argv)
{
    if (argc < 5)
        return 2;
    const std::string mode = argv[1];
    BiLogger logger;
    if (!logger.init(argv[2], "com.kelt.nova.crash", ClientInfo { "uuid", "maker", "1", "en_US", "1.0.0.0" },
            Endpoints { argv[3], std::string(), argv[4] }))
        return 1;
    std::printf("READY\n");
    std::fflush(stdout);

    if (mode == "drain") {
        for (int pass = 0; pass < 20 && logger.rowCount() > 0; ++pass)
            logger.flush().wait_for(std::chrono::seconds(30));
        std::printf(logger.rowCount() == 0 ? "DRAINED\n" : "LEFT\n");
        return 0;
    }

    const long first = argc > 5 ? std::stol(argv[5]) : 0;
    std::shared_future<FlushReport> flushing;
    for (long n = first; n < first + RecordsPerRun; ++n) {
        BiRecord record("oobe_crash");
        record.add("a0", std::to_string(n));
        record.add("a1", std::string(size_t(n % 400), 'x'));
        if (!logger.submit(record))
            return 1;
        std::printf("stored %ld\n", n);
        std::fflush(stdout);
        if (n % FlushEvery == 0
            && (!flushing.valid() || flushing.wait_for(std::chrono::seconds(0)) == std::future_status::ready))
            flushing = logger.flush();
    }
    // Keep flushing until the test ends the process.
    for (int pass = 0; pass < 600; ++pass) {
        logger.flush().wait_for(std::chrono::seconds(10));
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return 0;
}
