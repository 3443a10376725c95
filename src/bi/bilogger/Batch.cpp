#include "bilogger/Batch.h"

namespace bilogger {

Batch makeBatch(const std::vector<StoredRow> &rows, std::int64_t packageSize, int packageLine)
{
    Batch batch;
    for (const StoredRow &row : rows) {
        if (int(batch.ids.size()) >= packageLine)
            break;
        const bool fits = std::int64_t(batch.body.size() + row.content.size()) < packageSize;
        if (!fits && !batch.ids.empty())
            break;
        batch.body += row.content;
        batch.ids.push_back(row.id);
        if (!fits)
            break;
    }
    return batch;
}

} // namespace bilogger
