#pragma once

#include <optional>
#include <string>
#include <vector>

namespace lumivane {

/// The brand profile record: the values of dbsettings.dat as the program reads them. Every
/// member is empty when the profile or its tag is missing. The tag members carry the tag names.
struct BrandProfile {
    std::string ApplicationName;
    std::string BranderCode;
    /// "Master", "Platinum", "Gold" or "Free", compared exactly (letter case included).
    std::string BranderType;
    /// With every "%%AFFILIATEID%%" already replaced by AffiliateID.
    std::string AffiliateURL;
    std::string AffiliateTYPE;
    std::string AffiliateID;
    std::string MasterNewsBaseURL;
    std::string PlatinumNewsBaseURL;
    std::string GoldNewsBaseURL;
    std::string MasterPublID;
    std::string PlatinumPublID;
    std::string GoldPublID;
    /// The raw tag value; makeMoneyCaption is what the button shows.
    std::string MakeMoneyButton;
    std::string AppHelpURL;
    std::string CopyrightYears;
    std::string CopyrightCompany;
    std::string AboutText;

    /// Entries 1 to k before the first missing or empty one, at most 16 each.
    std::vector<std::string> Welcome;
    std::vector<std::string> Banner; ///< image name "^" click URL
    std::vector<std::string> Link; ///< caption "^" URL

    /// What reading the profile sets in the main window directly.
    std::string windowCaption; ///< ApplicationName + " v" + programVersion
    bool newsButtonVisible = false;
    std::string makeMoneyCaption; ///< MakeMoneyButton, or "Make Money" when empty

    /// The presentation's choices, filled when the brand is applied to the window.
    std::string welcomePage;
    std::string bannerClickUrl;
    std::string bannerImageName;
    std::string link1Caption;
    std::string link1Url;
    std::string link2Caption;
    std::string link2Url;
    std::string iconFileName;
};

/// The record read from a profile text (lines already joined with CR LF), tags 1 to 17 in
/// reading order, then the Welcome, Banner and Link lists, with the direct effects filled in.
BrandProfile readBrandProfileText(const std::string& joinedText);

/// Reads <programFolder>/dbsettings.dat through the temporary dbsettings.sim, which is deleted
/// before this returns, also on failure. std::nullopt when dbsettings.dat does not exist (the
/// window keeps its built-in look). A profile that fails the password check reads as empty
/// text, one that fails only the authentication check as decrypted. Raises lumivane::Error
/// when dbsettings.dat cannot be read or dbsettings.sim cannot be written or read.
std::optional<BrandProfile> LoadBrandProfileRecord(const std::string& programFolder);

/// The News button rule: the tier's publisher ID and news base URL are both non-empty
/// ("Free" is judged by the Master values); any other BranderType hides the button.
bool isNewsButtonVisible(const BrandProfile& profile);

/// The LastNewsId value (first occurrence anywhere, tag letter case ignored); empty when the
/// file or the tag is missing. Raises like LoadBrandProfileRecord.
std::string ReadLastNewsId(const std::string& programFolder);

/// Stores value as the LastNewsId line of dbsettings.dat: replaces the first line holding
/// "<%%LastNewsId%%>" (exact letter case) or appends one. The new container is written beside
/// the old one and renamed over it. Does nothing and returns false when dbsettings.dat is
/// missing or cannot be verified (password check failed, too short), so an unreadable profile
/// is never replaced; true when written. Raises lumivane::Error on a read or write error,
/// leaving dbsettings.dat as it was.
bool WriteLastNewsId(const std::string& programFolder, const std::string& value);

} // namespace lumivane
