#include "brand/ProfileLint.h"

#include "brand/BrandProfile.h"
#include "brand/ProfileTags.h"
#include "brand/ProfileText.h"

#include <algorithm>
#include <cctype>

namespace lumivane {

namespace {

using Warnings = std::vector<std::string>;

/// Why a tag read as empty although the text holds it.
void checkMatch(const std::string& name, const TagMatch& match, const RemainingText& text,
    const std::string& previous, Warnings& warnings)
{
    if (!match.openFound && text.occursAnywhere(openTag(name))) {
        warnings.push_back(name + " stands before " + previous
            + " and is not read: tags must follow the reading order");
    } else if (match.openFound && !match.closeFound) {
        warnings.push_back(
            openTag(name) + " has no close tag " + closeTag(name) + ": its value is empty");
    }
}

bool splitsInTwo(const std::string& entry)
{
    const std::size_t caret = entry.find('^');
    return caret != std::string::npos && caret + 1 < entry.size();
}

void checkGap(const char* list, int gapAt, const RemainingText& text, Warnings& warnings)
{
    for (int m = gapAt + 1; m <= profileListCapacity; ++m) {
        const std::string name = list + std::to_string(m);
        if (text.occursAnywhere(openTag(name))) {
            warnings.push_back(name + " is not read: the " + list + " list stops at " + list
                + std::to_string(gapAt) + ", which is missing or empty");
            return;
        }
    }
}

/// Numbered tags the reader never asks for: beyond 16, 0, or with leading zeros.
void checkNumbers(const std::string& joinedText, const char* list, Warnings& warnings)
{
    const std::string upper = upperAscii(joinedText);
    const std::string prefix = upperAscii(std::string("<%%") + list);
    for (std::size_t at = upper.find(prefix); at != std::string::npos;
         at = upper.find(prefix, at + 1)) {
        std::size_t end = at + prefix.size();
        while (end < upper.size() && std::isdigit(static_cast<unsigned char>(upper[end]))) {
            ++end;
        }
        const std::string digits = upper.substr(at + prefix.size(), end - at - prefix.size());
        if (digits.empty() || upper.compare(end, 3, "%%>") != 0) {
            continue;
        }
        const bool valid = digits.size() <= 2 && digits[0] != '0' && std::stoi(digits) <= 16;
        if (!valid) {
            warnings.push_back(list + digits + " is never read: entries are numbered 1 to "
                + std::to_string(profileListCapacity) + " without leading zeros");
        }
    }
}

std::string previousName(const std::string& previous, const std::string& current)
{
    return previous.empty() ? current : previous;
}

void lintSingleTags(RemainingText& text, std::string& previous, Warnings& warnings)
{
    for (const ProfileTag& tag : profileTags) {
        const TagMatch match = text.extractTag(openTag(tag.name), closeTag(tag.name));
        checkMatch(tag.name, match, text, previousName(previous, tag.name), warnings);
        if (match.openFound) {
            previous = tag.name;
        }
    }
}

void lintLists(RemainingText& text, std::string& previous, Warnings& warnings)
{
    for (const ProfileList& list : profileLists) {
        for (int n = 1; n <= profileListCapacity; ++n) {
            const std::string name = list.name + std::to_string(n);
            const TagMatch match = text.extractTag(openTag(name), closeTag(name));
            checkMatch(name, match, text, previousName(previous, name), warnings);
            if (match.openFound) {
                previous = name;
            }
            if (match.value.empty()) {
                checkGap(list.name, n, text, warnings);
                break;
            }
            if (list.field != &BrandProfile::Welcome && !splitsInTwo(match.value)) {
                warnings.push_back(name + " \"" + match.value
                    + "\" does not split at \"^\" into a name and a URL");
            }
        }
    }
}

void lintBranderType(const std::string& type, Warnings& warnings)
{
    const auto sameAs = [&](const char* tier) { return type == tier; };
    if (std::any_of(brandTiers.begin(), brandTiers.end(), sameAs)) {
        return;
    }
    const auto likeTier = [&](const char* tier) { return upperAscii(type) == upperAscii(tier); };
    const auto tier = std::find_if(brandTiers.begin(), brandTiers.end(), likeTier);
    const std::string shown = "BranderType \"" + type + "\"";
    if (tier != brandTiers.end()) {
        warnings.push_back(shown + " must be written \"" + *tier
            + "\": tiers are compared with their letter case, so the News button stays hidden");
    } else {
        warnings.push_back(
            shown + " is not one of Master, Platinum, Gold, Free: the News button stays hidden");
    }
}

void lintLastNewsId(const std::string& joinedText, Warnings& warnings)
{
    const std::string exact = openTag(lastNewsIdTag);
    const std::string upper = upperAscii(joinedText);
    const std::size_t at = upper.find(upperAscii(exact));
    if (at != std::string::npos && joinedText.compare(at, exact.size(), exact) != 0) {
        warnings.push_back(joinedText.substr(at, exact.size())
            + " is read, but storing the last news id looks for " + exact
            + " exactly and appends a second LastNewsId line");
    }
}

} // namespace

std::vector<std::string> lintBrandProfile(const std::string& joinedText)
{
    Warnings warnings;
    RemainingText text(joinedText);
    std::string previous;
    lintSingleTags(text, previous, warnings);
    lintLists(text, previous, warnings);
    for (const ProfileList& list : profileLists) {
        checkNumbers(joinedText, list.name, warnings);
    }
    lintBranderType(readBrandProfileText(joinedText).BranderType, warnings);
    lintLastNewsId(joinedText, warnings);
    return warnings;
}

} // namespace lumivane
