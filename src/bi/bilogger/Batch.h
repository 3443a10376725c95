#pragma once

#include "bilogger/LogStore.h"

#include <cstdint>
#include <string>
#include <vector>

namespace bilogger {

// One upload: the contents of the rows joined back to back, and the rows' ids.
struct Batch {
    std::string body;
    std::vector<std::int64_t> ids;
};

// Takes rows from the front while the body plus the next row stays below packageSize
// bytes and fewer than packageLine rows are taken; a first row that does not fit is
// sent alone.
Batch makeBatch(const std::vector<StoredRow> &rows, std::int64_t packageSize, int packageLine);

} // namespace bilogger
