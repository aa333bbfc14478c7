#include "app/AspectFormula.h"

#include <cmath>
#include <limits>

static_assert(std::numeric_limits<long double>::digits == 64,
    "The aspect formula and the downscaler need long double with a 64-bit significand "
    "(x87 extended precision); this platform's long double is another format.");

namespace lumivane {

std::optional<int> aspectHeight(int thumbWidth, int browserWidth, int browserHeight)
{
    if (browserWidth == 0)
        return std::nullopt;
    const double ratio = static_cast<double>(
        static_cast<long double>(thumbWidth) / static_cast<long double>(browserWidth));
    const long double product = static_cast<long double>(ratio) * browserHeight;
    const long double truncated = std::trunc(product);
    if (!std::isfinite(truncated) || truncated > std::numeric_limits<int>::max()
        || truncated < std::numeric_limits<int>::min())
        return std::nullopt;
    return static_cast<int>(truncated);
}

} // namespace lumivane
