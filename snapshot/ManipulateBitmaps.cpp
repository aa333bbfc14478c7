#include "snapshot/ManipulateBitmaps.h"

#include "platform/Error.h"
#include "snapshot/ShrinkPaths.h"

#include <limits>
#include <string>

static_assert(std::numeric_limits<long double>::digits == 64,
    "ShrinkBitmap needs long double to be the x87 80-bit format with a 64-bit significand "
    "(x86-64 Linux); its results depend on that precision");

namespace lumivane {

namespace {

std::string sizeText(const Bitmap32& bitmap)
{
    return std::to_string(bitmap.width()) + " x " + std::to_string(bitmap.height());
}

} // namespace

SourceSpanResult SourceSpan(int destinationSize, int sourceSize, int destinationIndex)
{
    if (destinationSize <= 0 || sourceSize < 0 || destinationIndex < 0
        || destinationIndex >= destinationSize)
        throw Error("SourceSpan: index " + std::to_string(destinationIndex)
            + " is outside a destination of " + std::to_string(destinationSize)
            + " for a source of " + std::to_string(sourceSize));
    const long double d = destinationSize;
    const long double s = sourceSize;
    const double start = static_cast<double>(destinationIndex / d * s);
    const double end = static_cast<double>((destinationIndex + 1) / d * s);

    SourceSpanResult span {};
    span.first = static_cast<int>(start);
    span.firstWeight = static_cast<double>(1.0L - (static_cast<long double>(start) - span.first));
    const int endWhole = static_cast<int>(end);
    if (end == endWhole) {
        span.last = endWhole - 1;
        span.lastWeight = 1.0;
    } else {
        span.last = endWhole;
        span.lastWeight = static_cast<double>(static_cast<long double>(end) - span.last);
    }
    if (span.first == span.last) {
        span.firstWeight = static_cast<double>(
            static_cast<long double>(span.firstWeight) - (1.0L - span.lastWeight));
        span.lastWeight = span.firstWeight;
    }
    return span;
}

void ShrinkBitmap(const Bitmap32& source, Bitmap32& destination)
{
    if (destination.empty())
        return;
    // Empty spans would leave every weight sum 0, and 0 / 0 has no value.
    if (source.empty())
        throw Error("Invalid floating point operation: cannot scale a bitmap of " + sizeText(source)
            + " pixels to " + sizeText(destination));
    if (shrink::hasWholeRatio(source, destination))
        shrink::shrinkWholeRatio(source, destination);
    else
        shrink::shrinkGeneral(source, destination);
}

} // namespace lumivane
