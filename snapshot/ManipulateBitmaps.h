#pragma once

#include "snapshot/Bitmap32.h"

namespace lumivane {

/// The source indices one destination row or column covers: indices strictly
/// between first and last have weight 1.
struct SourceSpanResult {
    int first;
    int last;
    double firstWeight;
    double lastWeight;
};

/// The footprint of destination index `destinationIndex` in a source of
/// `sourceSize`, with 64-bit-significand arithmetic stored as doubles. Raises
/// when destinationSize is not positive, sourceSize is negative or the index
/// lies outside the destination.
SourceSpanResult SourceSpan(int destinationSize, int sourceSize, int destinationIndex);

/// Area-average scaling of `source` to the size `destination` already has; the
/// destination's pixels are overwritten with bits 24-31 clear. Raises when the
/// source has no pixels but the destination has some.
void ShrinkBitmap(const Bitmap32& source, Bitmap32& destination);

} // namespace lumivane
