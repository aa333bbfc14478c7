#include "snapshot/ShrinkPaths.h"

#include <algorithm>
#include <cstdint>
#include <vector>

// With whole-number ratios every span starts and ends on a whole number, so all
// weights are exactly 1, the extended-precision sums are exact integers and the
// weight sum is the block's pixel count. The block mean rounded with ties to
// even in integers therefore gives the same bytes as the general path: a mean
// that is not a tie lies at least 1 / (2 * count) from one, far more than the
// extended quotient's rounding error.
namespace lumivane::shrink {

namespace {

std::uint32_t roundedMean(std::uint64_t sum, std::uint64_t count)
{
    std::uint64_t quotient = sum / count;
    const std::uint64_t twiceRemainder = 2 * (sum % count);
    if (twiceRemainder > count || (twiceRemainder == count && (quotient & 1) != 0))
        ++quotient;
    return static_cast<std::uint32_t>(quotient);
}

// Channel sums of one destination row, three per destination column.
void addSourceRow(const std::uint32_t* line, int blockWidth, std::vector<std::uint64_t>& sums)
{
    const std::size_t width = sums.size() / 3;
    for (std::size_t x = 0; x < width; ++x) {
        std::uint64_t blue = 0;
        std::uint64_t green = 0;
        std::uint64_t red = 0;
        for (int i = 0; i < blockWidth; ++i, ++line) {
            blue += *line & 0xFFu;
            green += (*line >> 8) & 0xFFu;
            red += (*line >> 16) & 0xFFu;
        }
        sums[3 * x] += blue;
        sums[3 * x + 1] += green;
        sums[3 * x + 2] += red;
    }
}

} // namespace

bool hasWholeRatio(const Bitmap32& source, const Bitmap32& destination)
{
    return source.width() % destination.width() == 0 && source.height() % destination.height() == 0;
}

void shrinkWholeRatio(const Bitmap32& source, Bitmap32& destination)
{
    const int width = destination.width();
    const int blockWidth = source.width() / width;
    const int blockHeight = source.height() / destination.height();
    const std::uint64_t count = static_cast<std::uint64_t>(blockWidth) * blockHeight;
    std::vector<std::uint64_t> sums(3 * static_cast<std::size_t>(width));

    for (int y = 0; y < destination.height(); ++y) {
        std::fill(sums.begin(), sums.end(), 0);
        for (int sy = y * blockHeight; sy < (y + 1) * blockHeight; ++sy)
            addSourceRow(source.scanLine(sy), blockWidth, sums);
        std::uint32_t* out = destination.scanLine(y);
        for (int x = 0; x < width; ++x) {
            const std::uint64_t* channel = &sums[3 * static_cast<std::size_t>(x)];
            out[x] = roundedMean(channel[0], count) | roundedMean(channel[1], count) << 8
                | roundedMean(channel[2], count) << 16;
        }
    }
}

} // namespace lumivane::shrink
