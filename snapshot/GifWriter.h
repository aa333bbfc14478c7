#pragma once

#include "snapshot/Bitmap32.h"

#include <cstdint>
#include <string>
#include <vector>

namespace lumivane {

/// Index into the fixed 216-colour palette: entry r * 36 + g * 6 + b holds
/// (r * 51, g * 51, b * 51), and each channel takes the level (value + 3) / 51.
std::uint8_t webPaletteIndex(std::uint32_t pixel);

/// The bitmap's pixels as palette indices, rows top to bottom, no dithering.
std::vector<std::uint8_t> reduceToWebPalette(const Bitmap32& bitmap);

/// Writes a GIF of one image in the fixed palette, padded with black to the 256
/// entries a GIF colour table needs. Colours are reduced before the file is
/// created, and the file replaces the target only when complete. Raises
/// "GIF error #<n>" with giflib's error code, or "Cannot create file "<path>". <reason>".
void writeGif(const std::string& fileName, const Bitmap32& bitmap);

} // namespace lumivane
