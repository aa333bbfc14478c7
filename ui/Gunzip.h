#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace lumivane {

/// Inflates gzip data (one or more members). Empty when the data is not gzip,
/// is damaged or truncated, or inflates to more than maxSize bytes.
std::optional<std::string> gunzip(const std::string& compressed, std::size_t maxSize);

} // namespace lumivane
