#pragma once

#include "snapshot/Bitmap32.h"

#include <string>

namespace lumivane {

/// Writes the thumbnail in the format the file name's extension (from its last
/// dot, compared exactly, case included) selects: ".bmp", ".jpg" or ".gif".
/// Any other extension writes nothing. The target is replaced only by a
/// complete file; raises as the chosen writer does.
void writeThumbnail(const std::string& fileName, const Bitmap32& thumbnail);

} // namespace lumivane
