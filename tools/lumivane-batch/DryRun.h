#pragma once

#include <ostream>

namespace lumivane::batch {

class RowPlanner;
class RowSource;

/// Prints each row of the shard as "number TAB ID TAB URL TAB status" with the
/// bytes of the list unquoted, status "Skipped" or "Pending"; captures nothing.
/// Returns the number of rows printed.
long long printDryRun(RowSource& source, RowPlanner& planner, std::ostream& out);

} // namespace lumivane::batch
