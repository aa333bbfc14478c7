#pragma once

#include "snapshot/Bitmap32.h"

#include <cstdint>
#include <random>
#include <vector>

namespace lumivane::test {

inline Bitmap32 bitmapOf(int width, int height, const std::vector<std::uint32_t>& pixels)
{
    Bitmap32 bitmap(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bitmap.setPixel(x, y, pixels[static_cast<std::size_t>(y * width + x)]);
    return bitmap;
}

inline std::vector<std::uint32_t> pixelsOf(const Bitmap32& bitmap)
{
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < bitmap.height(); ++y)
        pixels.insert(pixels.end(), bitmap.scanLine(y), bitmap.scanLine(y) + bitmap.width());
    return pixels;
}

/// Random pixels, bits 24-31 included; `levels` channel values from 0 (a few
/// levels make exact ties common).
inline Bitmap32 randomBitmap(int width, int height, std::mt19937& random, unsigned levels = 256)
{
    std::uniform_int_distribution<unsigned> channel(0, levels - 1);
    std::uniform_int_distribution<unsigned> top(0, 255);
    Bitmap32 bitmap(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bitmap.setPixel(x, y,
                top(random) << 24 | channel(random) << 16 | channel(random) << 8 | channel(random));
    return bitmap;
}

} // namespace lumivane::test
