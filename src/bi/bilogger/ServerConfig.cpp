#include "bilogger/ServerConfig.h"

#include <json/reader.h>

#include <memory>

namespace bilogger {

std::optional<ServerConfig> ServerConfig::parse(const std::string &json)
{
    Json::CharReaderBuilder builder;
    const std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    Json::Value root;
    if (!reader->parse(json.data(), json.data() + json.size(), &root, nullptr) || !root.isObject())
        return std::nullopt;

    ServerConfig config;
    const Json::Value &url = root["url"];
    const Json::Value &compress = root["compress"];
    const Json::Value &expire = root["expire_time"];
    const Json::Value &size = root["package_size"];
    const Json::Value &line = root["package_line"];
    if ((!url.isNull() && !url.isString()) || (!compress.isNull() && !compress.isBool())
        || (!expire.isNull() && !expire.isInt64()) || (!size.isNull() && !size.isInt64())
        || (!line.isNull() && !line.isInt()))
        return std::nullopt;
    config.url = url.asString();
    config.compress = compress.asBool();
    if (!expire.isNull())
        config.expireTime = expire.asInt64();
    if (!size.isNull())
        config.packageSize = size.asInt64();
    if (!line.isNull())
        config.packageLine = line.asInt();
    if (config.expireTime < 0 || config.packageSize <= 0 || config.packageLine <= 0)
        return std::nullopt;
    return config;
}

StoredConfig freshConfig(const std::string &json, const ServerConfig &config, std::int64_t now)
{
    return { json, config.expireTime, now + config.expireTime };
}

} // namespace bilogger
