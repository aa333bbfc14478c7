#pragma once

#include "brand/BrandProfile.h"

#include <array>
#include <string>
#include <vector>

namespace lumivane {

/// A single-value tag and the record member it fills.
struct ProfileTag {
    const char* name;
    std::string BrandProfile::*field;
};

/// A numbered list: tags name1 to name16.
struct ProfileList {
    const char* name;
    std::vector<std::string> BrandProfile::*field;
};

inline constexpr int profileListCapacity = 16;
inline constexpr const char* lastNewsIdTag = "LastNewsId";
inline constexpr const char* affiliateIdMarker = "%%AFFILIATEID%%";

/// Tags 1 to 17 in the order the profile is read; a file must hold them in this order.
inline const std::array<ProfileTag, 17> profileTags = {{
    {"ApplicationName", &BrandProfile::ApplicationName},
    {"BranderCode", &BrandProfile::BranderCode},
    {"BranderType", &BrandProfile::BranderType},
    {"AffiliateURL", &BrandProfile::AffiliateURL},
    {"AffiliateTYPE", &BrandProfile::AffiliateTYPE},
    {"AffiliateID", &BrandProfile::AffiliateID},
    {"MasterNewsBaseURL", &BrandProfile::MasterNewsBaseURL},
    {"PlatinumNewsBaseURL", &BrandProfile::PlatinumNewsBaseURL},
    {"GoldNewsBaseURL", &BrandProfile::GoldNewsBaseURL},
    {"MasterPublID", &BrandProfile::MasterPublID},
    {"PlatinumPublID", &BrandProfile::PlatinumPublID},
    {"GoldPublID", &BrandProfile::GoldPublID},
    {"MakeMoneyButton", &BrandProfile::MakeMoneyButton},
    {"AppHelpURL", &BrandProfile::AppHelpURL},
    {"CopyrightYears", &BrandProfile::CopyrightYears},
    {"CopyrightCompany", &BrandProfile::CopyrightCompany},
    {"AboutText", &BrandProfile::AboutText},
}};

/// The lists, read after the single tags in this order.
inline const std::array<ProfileList, 3> profileLists = {{
    {"Welcome", &BrandProfile::Welcome},
    {"Banner", &BrandProfile::Banner},
    {"Link", &BrandProfile::Link},
}};

/// The four tiers a BranderType can name, compared exactly.
inline constexpr std::array<const char*, 4> brandTiers = {"Master", "Platinum", "Gold", "Free"};

} // namespace lumivane
