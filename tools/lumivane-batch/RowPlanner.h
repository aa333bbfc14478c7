#pragma once

#include "tools/lumivane-batch/BatchOptions.h"
#include "tools/lumivane-batch/RowSource.h"

#include <optional>
#include <string>
#include <unordered_map>

namespace lumivane::batch {

struct BatchSettings;

/// A row of this run with the status it starts with.
struct PlannedRow {
    ListRow row;
    long long sequence = 0; ///< 0-based position among the rows of this shard
    std::string status; ///< "Pending" or "Skipped"
    std::string file; ///< the thumbnail file name: folder, "/", ID, ".", format
    std::optional<std::string> duplicateOf; ///< number of the previous row with this ID
};

/// Decides each row's starting status as the desktop's Start does for a whole
/// list at once: "Skipped" when skipping is on and the thumbnail file existed
/// before the run, so a file written earlier in this run for the same ID does
/// not make a later row skip.
class RowPlanner {
public:
    RowPlanner(const BatchSettings& settings, Shard shard);

    bool inShard(long long index) const { return index % m_shard.count == m_shard.index; }
    /// Rows of this shard in a list of that many rows.
    long long shardSize(long long listRows) const;

    /// Plans the next row of the shard; rows must come in list order.
    PlannedRow plan(ListRow row);

private:
    struct Seen {
        std::string lastNumber;
        bool skipped;
    };

    const BatchSettings& m_settings;
    Shard m_shard;
    long long m_sequence = 0;
    std::unordered_map<std::string, Seen> m_seen;
};

/// A file, not a directory, exists under that name.
bool thumbnailExists(const std::string& fileName);

} // namespace lumivane::batch
