#include "bilogger/RecordWriter.h"

#include "bilogger/BiLogger.h"

#include <sstream>

namespace bilogger {

RecordWriter::RecordWriter()
{
    Json::StreamWriterBuilder builder;
    builder["indentation"] = "";
    builder["emitUTF8"] = true;
    m_writer.reset(builder.newStreamWriter());
}

std::string RecordWriter::content(const BiRecord &record, const ClientInfo &client, const std::string &appId,
    const std::string &environment, std::int64_t timestamp) const
{
    Json::Value object(Json::objectValue);
    object["category"] = record.category();
    object["version"] = BiLogger::version();
    object["timestamp"] = Json::Int64(timestamp);
    object["app_id"] = appId;
    object["environment"] = environment;
    object["serial_num"] = client.serialNum;
    object["manufacturer"] = client.manufacturer;
    object["sdk_int"] = client.sdkInt;
    object["locale"] = client.locale;
    object["app_version"] = client.appVersion;
    // A record's own pair wins over a standard key of the same name: the session
    // record's "locale" is the install language, not the user's locale.
    for (const auto &[key, value] : record.pairs())
        object[key] = value;
    std::ostringstream out;
    m_writer->write(object, &out);
    return out.str();
}

} // namespace bilogger
