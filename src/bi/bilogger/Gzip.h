#pragma once

#include <string>

namespace bilogger {

// data as one gzip member (RFC 1952): a header with modification time 0 and
// operating system 255 (unknown), raw deflate data at the best compression, then the
// CRC-32 and the length of data. Empty when zlib fails.
std::string gzip(const std::string &data);

} // namespace bilogger
