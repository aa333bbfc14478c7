#include "tests/tools/BmpFile.h"

#include "tests/support/TempDir.h"

#include <cstdlib>
#include <cstring>

namespace lumivane::test {

namespace {

std::int32_t field(const std::string& bytes, std::size_t offset, std::size_t size)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < size; ++i)
        value |= std::uint32_t(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
    return static_cast<std::int32_t>(value);
}

} // namespace

Bitmap32 readBmp32(const std::string& path)
{
    const std::string bytes = readFile(path);
    if (bytes.size() < 54 || bytes.compare(0, 2, "BM") != 0 || field(bytes, 28, 2) != 32)
        return {};
    const int width = field(bytes, 18, 4);
    const int height = field(bytes, 22, 4);
    const std::size_t offset = static_cast<std::size_t>(field(bytes, 10, 4));
    if (width <= 0 || height <= 0 || bytes.size() < offset + std::size_t(width) * height * 4)
        return {};
    Bitmap32 bitmap(width, height);
    for (int y = 0; y < height; ++y) {
        const std::size_t row = offset + std::size_t(height - 1 - y) * width * 4;
        std::memcpy(bitmap.scanLine(y), bytes.data() + row, std::size_t(width) * 4);
    }
    return bitmap;
}

std::uint32_t averageColour(const Bitmap32& bitmap, int left, int top, int width, int height)
{
    std::uint64_t sums[3] = {0, 0, 0};
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x)
            for (int c = 0; c < 3; ++c)
                sums[c] += (bitmap.pixel(x, y) >> (8 * c)) & 0xFF;
    const std::uint64_t count = std::uint64_t(width) * height;
    return std::uint32_t(sums[0] / count) | std::uint32_t(sums[1] / count) << 8
        | std::uint32_t(sums[2] / count) << 16;
}

bool closeColour(std::uint32_t a, std::uint32_t b, int tolerance)
{
    for (int c = 0; c < 3; ++c) {
        const int x = (a >> (8 * c)) & 0xFF;
        const int y = (b >> (8 * c)) & 0xFF;
        if (std::abs(x - y) > tolerance)
            return false;
    }
    return true;
}

} // namespace lumivane::test
