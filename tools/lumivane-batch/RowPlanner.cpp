#include "tools/lumivane-batch/RowPlanner.h"

#include "platform/ProgramFolder.h"
#include "tools/lumivane-batch/BatchSettings.h"
#include "urllist/UrlRow.h"

#include <filesystem>

namespace lumivane::batch {

RowPlanner::RowPlanner(const BatchSettings& settings, Shard shard)
    : m_settings(settings)
    , m_shard(shard)
{
}

long long RowPlanner::shardSize(long long listRows) const
{
    if (listRows <= m_shard.index)
        return 0;
    return (listRows - m_shard.index + m_shard.count - 1) / m_shard.count;
}

PlannedRow RowPlanner::plan(ListRow row)
{
    PlannedRow planned;
    planned.sequence = m_sequence++;
    planned.file = joinPath(m_settings.folder, row.id + "." + m_settings.ext);
    const auto seen = m_seen.find(row.id);
    bool skipped = false;
    if (seen == m_seen.end()) {
        skipped = m_settings.skip && thumbnailExists(planned.file);
        m_seen.emplace(row.id, Seen {row.number, skipped});
    } else {
        skipped = seen->second.skipped;
        planned.duplicateOf = seen->second.lastNumber;
        seen->second.lastNumber = row.number;
    }
    planned.status = skipped ? status::skipped : status::pending;
    planned.row = std::move(row);
    return planned;
}

bool thumbnailExists(const std::string& fileName)
{
    std::error_code ignored;
    const auto found = std::filesystem::status(fileName, ignored);
    return std::filesystem::exists(found) && !std::filesystem::is_directory(found);
}

} // namespace lumivane::batch
