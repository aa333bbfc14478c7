#pragma once

#include "snapshot/Bitmap32.h"

#include <string>

namespace lumivane {

/// Writes a Windows bitmap file: 14-byte "BM" header, 40-byte information
/// header, no colour table, 32 bits per pixel (blue, green, red, 0), bottom row
/// first. Replaces the file only once it is complete; raises
/// "Cannot create file "<path>". <reason>" when it cannot be written.
void writeBmp(const std::string& fileName, const Bitmap32& bitmap);

} // namespace lumivane
