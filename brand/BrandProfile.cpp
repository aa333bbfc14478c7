#include "brand/BrandProfile.h"

#include "brand/ProfileTags.h"
#include "brand/ProfileText.h"
#include "brand/ProgramVersion.h"

namespace lumivane {

namespace {

std::string replaceAll(std::string text, std::string_view marker, const std::string& by)
{
    for (std::size_t at = text.find(marker); at != std::string::npos;
         at = text.find(marker, at + by.size())) {
        text.replace(at, marker.size(), by);
    }
    return text;
}

} // namespace

bool isNewsButtonVisible(const BrandProfile& profile)
{
    const auto tier = [&](const std::string& publId, const std::string& baseUrl) {
        return !publId.empty() && !baseUrl.empty();
    };
    const std::string& type = profile.BranderType;
    if (type == "Master" || type == "Free") {
        return tier(profile.MasterPublID, profile.MasterNewsBaseURL);
    }
    if (type == "Platinum") {
        return tier(profile.PlatinumPublID, profile.PlatinumNewsBaseURL);
    }
    return type == "Gold" && tier(profile.GoldPublID, profile.GoldNewsBaseURL);
}

BrandProfile readBrandProfileText(const std::string& joinedText)
{
    BrandProfile profile;
    RemainingText text(joinedText);
    for (const ProfileTag& tag : profileTags) {
        profile.*tag.field = text.extract(openTag(tag.name), closeTag(tag.name));
    }
    profile.windowCaption = profile.ApplicationName + " v" + programVersion;
    profile.AffiliateURL = replaceAll(profile.AffiliateURL, affiliateIdMarker, profile.AffiliateID);
    profile.newsButtonVisible = isNewsButtonVisible(profile);
    profile.makeMoneyCaption
        = profile.MakeMoneyButton.empty() ? "Make Money" : profile.MakeMoneyButton;
    for (const ProfileList& list : profileLists) {
        for (int n = 1; n <= profileListCapacity; ++n) {
            const std::string name = list.name + std::to_string(n);
            std::string value = text.extract(openTag(name), closeTag(name));
            if (value.empty()) {
                break;
            }
            (profile.*list.field).push_back(std::move(value));
        }
    }
    return profile;
}

} // namespace lumivane
