#include "online/BrandNews.h"

#include "brand/BrandProfile.h"

namespace lumivane {

NewsBrand newsBrandOf(const BrandProfile& profile)
{
    return {profile.BranderType, profile.BranderCode, profile.MasterPublID, profile.PlatinumPublID,
        profile.GoldPublID, profile.MasterNewsBaseURL, profile.PlatinumNewsBaseURL,
        profile.GoldNewsBaseURL};
}

} // namespace lumivane
