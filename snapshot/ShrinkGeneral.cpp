#include "snapshot/ManipulateBitmaps.h"
#include "snapshot/ShrinkPaths.h"

#include <cstdint>
#include <vector>

namespace lumivane::shrink {

namespace {

long double weightAt(const SourceSpanResult& span, int index)
{
    if (index == span.first)
        return span.firstWeight;
    if (index == span.last)
        return span.lastWeight;
    return 1.0L;
}

// Each product and addition is formed in extended precision and every sum is
// stored back as a double after each step: the results depend on that order.
struct WeightedSums {
    double blue = 0;
    double green = 0;
    double red = 0;
    double weight = 0;

    void add(std::uint32_t pixel, long double wx, long double wy)
    {
        blue = static_cast<double>(blue + (pixel & 0xFFu) * wx * wy);
        green = static_cast<double>(green + ((pixel >> 8) & 0xFFu) * wx * wy);
        red = static_cast<double>(red + ((pixel >> 16) & 0xFFu) * wx * wy);
        weight = static_cast<double>(weight + wx * wy);
    }

    std::uint32_t mean(double sum) const
    {
        // Adding 2^63 leaves no fraction bits in the 64-bit significand, so the
        // addition rounds the mean (0 to 255) to nearest with ties to even, as lrint
        // does in the default rounding mode, without a library call per channel.
        constexpr long double noFractionBits = 9223372036854775808.0L;
        const long double quotient = sum / static_cast<long double>(weight);
        return static_cast<std::uint32_t>(quotient + noFractionBits - noFractionBits);
    }

    std::uint32_t pixel() const { return mean(blue) | mean(green) << 8 | mean(red) << 16; }
};

std::uint32_t averagePixel(
    const Bitmap32& source, const SourceSpanResult& rows, const SourceSpanResult& columns)
{
    WeightedSums sums;
    for (int sy = rows.first; sy <= rows.last; ++sy) {
        const long double wy = weightAt(rows, sy);
        const std::uint32_t* line = source.scanLine(sy);
        for (int sx = columns.first; sx <= columns.last; ++sx)
            sums.add(line[sx], weightAt(columns, sx), wy);
    }
    return sums.pixel();
}

} // namespace

void shrinkGeneral(const Bitmap32& source, Bitmap32& destination)
{
    const int width = destination.width();
    const int height = destination.height();
    // A column's span depends only on its index, so it is computed once per column.
    std::vector<SourceSpanResult> columns(static_cast<std::size_t>(width));
    for (int x = 0; x < width; ++x)
        columns[static_cast<std::size_t>(x)] = SourceSpan(width, source.width(), x);

    for (int y = 0; y < height; ++y) {
        const SourceSpanResult rows = SourceSpan(height, source.height(), y);
        std::uint32_t* out = destination.scanLine(y);
        for (int x = 0; x < width; ++x)
            out[x] = averagePixel(source, rows, columns[static_cast<std::size_t>(x)]);
    }
}

} // namespace lumivane::shrink
