#pragma once

#include <optional>

namespace lumivane {

/// Thumbnail height for a locked aspect ratio: the ratio is rounded to a double
/// first and the product is not, so 300, 900, 600 gives 199. Nothing when the
/// arithmetic fails (browser width 0, a result out of range).
std::optional<int> aspectHeight(int thumbWidth, int browserWidth, int browserHeight);

} // namespace lumivane
