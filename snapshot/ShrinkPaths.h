#pragma once

#include "snapshot/Bitmap32.h"

// The two ways ShrinkBitmap computes its result; both need a source and a
// destination that have pixels. Exposed so tests can hold them to the same bytes.
namespace lumivane::shrink {

/// Both source sides are whole multiples of the destination's: every weight is 1.
bool hasWholeRatio(const Bitmap32& source, const Bitmap32& destination);

/// The weighted sums in extended precision, valid for every pair of sizes.
void shrinkGeneral(const Bitmap32& source, Bitmap32& destination);

/// Integer block means rounded with ties to even; only for whole ratios.
void shrinkWholeRatio(const Bitmap32& source, Bitmap32& destination);

} // namespace lumivane::shrink
