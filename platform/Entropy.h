#pragma once

#include <cstddef>

namespace lumivane {

/// Fills up to n bytes (at most 8) with the monotonic clock in nanoseconds as a little-endian
/// 64-bit value; when that clock is not available, the milliseconds as a 32-bit value followed
/// by four zero bytes. Returns how many bytes it filled.
std::size_t fillPlatformEntropy(unsigned char* buffer, std::size_t n);

} // namespace lumivane
