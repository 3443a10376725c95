#include "bilogger/Gzip.h"

#include <zlib.h>

namespace bilogger {

namespace {

void appendLittleEndian32(std::string &out, uLong value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(char((value >> shift) & 0xff));
}

} // namespace

std::string gzip(const std::string &data)
{
    z_stream stream {};
    // Negative window bits: raw deflate, the header and trailer are written here.
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 9, Z_DEFAULT_STRATEGY) != Z_OK)
        return {};
    // ID1 ID2 CM=8 (deflate) FLG=0 MTIME=0 XFL=2 (best compression) OS=255.
    std::string out("\x1f\x8b\x08\x00\x00\x00\x00\x00\x02\xff", 10);
    const size_t header = out.size();
    out.resize(header + deflateBound(&stream, uLong(data.size())));
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.data()));
    stream.avail_in = uInt(data.size());
    stream.next_out = reinterpret_cast<Bytef *>(&out[header]);
    stream.avail_out = uInt(out.size() - header);
    const int rc = deflate(&stream, Z_FINISH);
    deflateEnd(&stream);
    if (rc != Z_STREAM_END)
        return {};
    out.resize(header + stream.total_out);
    appendLittleEndian32(
        out, crc32(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef *>(data.data()), uInt(data.size())));
    appendLittleEndian32(out, uLong(data.size()));
    return out;
}

} // namespace bilogger
