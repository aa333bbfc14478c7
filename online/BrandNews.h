#pragma once

#include "online/NewsService.h"

namespace lumivane {

struct BrandProfile;

/// The tier, codes and news base URLs of a brand profile record.
NewsBrand newsBrandOf(const BrandProfile& profile);

} // namespace lumivane
