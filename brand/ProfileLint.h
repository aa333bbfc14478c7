#pragma once

#include <string>
#include <vector>

namespace lumivane {

/// Warnings, one sentence each, for what reading this profile text (lines joined with CR LF)
/// silently loses: tags out of the reading order, open tags without close tags, gaps and
/// entries beyond 16 in the numbered lists, Banner and Link entries that do not split at "^",
/// a BranderType that is not one of the four tiers as written, and a LastNewsId tag in another
/// letter case.
std::vector<std::string> lintBrandProfile(const std::string& joinedText);

} // namespace lumivane
