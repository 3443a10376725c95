#pragma once

#include "bilogger/BiRecord.h"

#include <json/writer.h>

#include <cstdint>
#include <memory>
#include <string>

namespace bilogger {

// Facts about the PC and the program that every record carries.
struct ClientInfo {
    std::string serialNum; // the PC's product UUID
    std::string manufacturer; // the maker of the operating system
    std::string sdkInt; // the operating system's version
    std::string locale; // the user's locale, "en_US"
    std::string appVersion; // the program's version, "1.0.121.0"
};

// Turns records into the stored content: one compact JSON object holding the record's
// pairs and the standard keys, a pair taking the place of a standard key of its name. Not thread-safe; the logger
// serialises its use.
class RecordWriter {
public:
    RecordWriter();

    std::string content(const BiRecord &record, const ClientInfo &client, const std::string &appId,
        const std::string &environment, std::int64_t timestamp) const;

private:
    std::unique_ptr<Json::StreamWriter> m_writer;
};

} // namespace bilogger
