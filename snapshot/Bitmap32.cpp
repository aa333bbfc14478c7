#include "snapshot/Bitmap32.h"

#include "platform/Error.h"

#include <new>
#include <string>

namespace lumivane {

namespace {

// 1 GiB of pixels: far beyond any viewport or thumbnail, and refused before
// any allocation is attempted.
constexpr long long maxPixels = 1LL << 28;

std::string sizeText(int width, int height)
{
    return std::to_string(width) + " x " + std::to_string(height);
}

} // namespace

Bitmap32::Bitmap32(int width, int height, std::uint32_t fill)
{
    if (width < 0 || height < 0)
        throw Error(
            "Cannot create a bitmap of " + sizeText(width, height) + " pixels: a size is negative");
    if (static_cast<long long>(width) * height > maxPixels)
        throw Error("Cannot create a bitmap of " + sizeText(width, height)
            + " pixels: too large for memory");
    try {
        m_pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
    } catch (const std::bad_alloc&) {
        throw Error(
            "Cannot create a bitmap of " + sizeText(width, height) + " pixels: out of memory");
    }
    m_width = width;
    m_height = height;
}

} // namespace lumivane
