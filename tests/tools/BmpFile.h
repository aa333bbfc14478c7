#pragma once

#include "snapshot/Bitmap32.h"

#include <string>

namespace lumivane::test {

/// A 32-bit bottom-up BMP as the project's writer makes it; an empty bitmap
/// when the file is not one.
Bitmap32 readBmp32(const std::string& path);

/// The average colour of a rectangle, as 0x00RRGGBB.
std::uint32_t averageColour(const Bitmap32& bitmap, int left, int top, int width, int height);

/// Every channel of a within `tolerance` of b.
bool closeColour(std::uint32_t a, std::uint32_t b, int tolerance = 12);

} // namespace lumivane::test
