#pragma once

#include "bilogger/LogStore.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

namespace bilogger {

// The BI server's configuration answer. Keys: "url" (an https base URL for the
// uploads), "compress" (gzip the upload bodies), "expire_time" (seconds the answer
// stays valid), "package_size" (bytes of one batch body), "package_line" (rows of one
// batch); "version" and "dev_app_id" are kept in the stored text only.
struct ServerConfig {
    static constexpr std::int64_t DefaultExpireTime = 3600;
    static constexpr std::int64_t DefaultPackageSize = 64 * 1024;
    static constexpr int DefaultPackageLine = 100;

    std::string url;
    bool compress = false;
    std::int64_t expireTime = DefaultExpireTime;
    std::int64_t packageSize = DefaultPackageSize;
    int packageLine = DefaultPackageLine;

    // A JSON object whose known keys have their types; batch limits must be positive
    // and the expiry not negative. Missing keys keep their defaults.
    static std::optional<ServerConfig> parse(const std::string &json);
};

// When a stored configuration stops being valid: the earlier of its expiry epoch and
// now plus its remaining countdown, so that a clock set back cannot stretch it.
inline std::int64_t validityEnd(const StoredConfig &stored, std::int64_t now)
{
    return std::min(stored.expireEpoch, now + stored.validCountdown);
}

// The stored form of a fresh answer received at now.
StoredConfig freshConfig(const std::string &json, const ServerConfig &config, std::int64_t now);

} // namespace bilogger
