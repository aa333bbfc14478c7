#include "tools/lumivane-batch/DryRun.h"

#include "tools/lumivane-batch/RowPlanner.h"

namespace lumivane::batch {

long long printDryRun(RowSource& source, RowPlanner& planner, std::ostream& out)
{
    long long printed = 0;
    while (auto next = source.next()) {
        if (!planner.inShard(next->index))
            continue;
        const PlannedRow row = planner.plan(std::move(*next));
        out << row.row.number << '\t' << row.row.id << '\t' << row.row.url << '\t' << row.status
            << '\n';
        ++printed;
    }
    out.flush();
    return printed;
}

} // namespace lumivane::batch
