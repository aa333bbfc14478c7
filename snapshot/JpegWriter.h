#pragma once

#include "snapshot/Bitmap32.h"

#include <string>

namespace lumivane {

/// Writes a baseline JFIF JPEG of the bitmap as 24-bit colour at quality 90,
/// every other setting at libjpeg's defaults. The file is created before
/// encoding and replaces the target only when complete. Raises "JPEG error #<n>"
/// with libjpeg's message number, or "Cannot create file "<path>". <reason>".
void writeJpeg(const std::string& fileName, const Bitmap32& bitmap);

} // namespace lumivane
