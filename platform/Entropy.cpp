#include "platform/Entropy.h"

#include <algorithm>
#include <cstdint>
#include <ctime>

namespace lumivane {

namespace {

void storeLittleEndian(std::uint64_t value, unsigned char* bytes)
{
    for (int i = 0; i < 8; ++i) {
        bytes[i] = static_cast<unsigned char>(value >> (8 * i));
    }
}

std::uint64_t clockValue()
{
    timespec now {};
    if (clock_gettime(CLOCK_MONOTONIC, &now) == 0) {
        return static_cast<std::uint64_t>(now.tv_sec) * 1000000000u
            + static_cast<std::uint64_t>(now.tv_nsec);
    }
    // The coarser fallback keeps only 32 bits, as a millisecond tick count does.
    std::timespec_get(&now, TIME_UTC);
    const auto ms = static_cast<std::uint64_t>(now.tv_sec) * 1000u
        + static_cast<std::uint64_t>(now.tv_nsec) / 1000000u;
    return ms & 0xFFFFFFFFu;
}

} // namespace

std::size_t fillPlatformEntropy(unsigned char* buffer, std::size_t n)
{
    unsigned char bytes[8];
    storeLittleEndian(clockValue(), bytes);
    const std::size_t count = std::min<std::size_t>(n, sizeof bytes);
    std::copy(bytes, bytes + count, buffer);
    return count;
}

} // namespace lumivane
