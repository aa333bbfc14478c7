#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace lumivane {

/// A true-colour picture of 32-bit pixels, blue in bits 0-7, green 8-15, red
/// 16-23; rows top to bottom, each row `width` pixels with no padding, which is
/// the layout of QImage::Format_RGB32.
class Bitmap32 {
public:
    Bitmap32() = default;
    /// Raises when the size is negative or too large to allocate.
    Bitmap32(int width, int height, std::uint32_t fill = 0x00FFFFFF);

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool empty() const { return m_width == 0 || m_height == 0; }

    std::uint32_t* scanLine(int y)
    {
        return m_pixels.data() + static_cast<std::size_t>(y) * m_width;
    }
    const std::uint32_t* scanLine(int y) const
    {
        return m_pixels.data() + static_cast<std::size_t>(y) * m_width;
    }
    std::uint32_t pixel(int x, int y) const { return scanLine(y)[x]; }
    void setPixel(int x, int y, std::uint32_t value) { scanLine(y)[x] = value; }

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<std::uint32_t> m_pixels;
};

} // namespace lumivane
