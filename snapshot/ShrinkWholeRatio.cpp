#include "snapshot/ShrinkPaths.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

// With whole-number ratios every span starts and ends on a whole number, so all
// weights are exactly 1, the extended-precision sums are exact integers and the
// weight sum is the block's pixel count. A block mean that is not a tie lies at
// least 1 / (2 * count) from one, far more than a double quotient's rounding
// error, so rounding that quotient with ties to even gives the general path's
// bytes.
namespace lumivane::shrink {

namespace {

// Per source column, the channel sums over the rows of one block row.
struct ColumnSums {
    std::vector<std::uint32_t> blue, green, red;

    explicit ColumnSums(int width)
        : blue(static_cast<std::size_t>(width))
        , green(static_cast<std::size_t>(width))
        , red(static_cast<std::size_t>(width))
    {
    }

    void clear()
    {
        std::fill(blue.begin(), blue.end(), 0);
        std::fill(green.begin(), green.end(), 0);
        std::fill(red.begin(), red.end(), 0);
    }

    void add(const std::uint32_t* line)
    {
        for (std::size_t x = 0; x < blue.size(); ++x) {
            blue[x] += line[x] & 0xFFu;
            green[x] += (line[x] >> 8) & 0xFFu;
            red[x] += (line[x] >> 16) & 0xFFu;
        }
    }
};

std::uint32_t roundedMean(
    const std::vector<std::uint32_t>& columns, std::size_t first, int blockWidth, double count)
{
    std::uint64_t sum = 0;
    for (int i = 0; i < blockWidth; ++i)
        sum += columns[first + static_cast<std::size_t>(i)];
    // lrint rounds to nearest with ties to even in the default rounding mode.
    return static_cast<std::uint32_t>(std::lrint(static_cast<double>(sum) / count));
}

} // namespace

bool hasWholeRatio(const Bitmap32& source, const Bitmap32& destination)
{
    return source.width() % destination.width() == 0 && source.height() % destination.height() == 0;
}

void shrinkWholeRatio(const Bitmap32& source, Bitmap32& destination)
{
    const int blockWidth = source.width() / destination.width();
    const int blockHeight = source.height() / destination.height();
    // Bitmap32 caps its pixel count, so a column sum fits in 32 bits.
    const double count = static_cast<double>(blockWidth) * blockHeight;
    ColumnSums columns(source.width());

    for (int y = 0; y < destination.height(); ++y) {
        columns.clear();
        for (int sy = y * blockHeight; sy < (y + 1) * blockHeight; ++sy)
            columns.add(source.scanLine(sy));
        std::uint32_t* out = destination.scanLine(y);
        for (int x = 0; x < destination.width(); ++x) {
            const std::size_t first = static_cast<std::size_t>(x) * blockWidth;
            out[x] = roundedMean(columns.blue, first, blockWidth, count)
                | roundedMean(columns.green, first, blockWidth, count) << 8
                | roundedMean(columns.red, first, blockWidth, count) << 16;
        }
    }
}

} // namespace lumivane::shrink
