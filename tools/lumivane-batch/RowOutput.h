#pragma once

#include "snapshot/Bitmap32.h"

#include <string>

namespace lumivane::batch {

struct BatchSettings;
struct PlannedRow;

/// Writes a captured page as the desktop's capture does: the page image is
/// shrunk to the thumbnail size and written by the file's extension; with
/// page images on, the page image itself goes to <page images>/<ID>.bmp.
/// Raises lumivane::Error with the reason when a file cannot be written.
void writeRowOutput(const Bitmap32& page, const BatchSettings& settings, const PlannedRow& row);

} // namespace lumivane::batch
