#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace lumivane {

/// A uniform random index from 0 to count - 1 (count > 0); injectable so tests choose.
using RandomIndex = std::function<std::size_t(std::size_t count)>;

/// The program's random source: a generator seeded once from the system's entropy.
RandomIndex systemRandomIndex();

/// A profile entry cut at "^": piece 0 and piece 1, further pieces ignored.
struct EntryPieces {
    std::string first;
    std::string second;
};

/// Empty when the entry does not split into at least two pieces (no "^", or nothing
/// after the only "^").
std::optional<EntryPieces> splitEntry(const std::string& entry);

/// The text after the last "\", ":" or "/" of an image name.
std::string imageFileNamePart(const std::string& imageName);

/// The image format a banner's image name tells: "gif" when the lower-cased file name
/// contains ".gif"; otherwise by its extension "bmp", "ico", "jpeg" (.jpg, .jpeg), "wmf"
/// or "emf". Empty for any other name.
std::optional<std::string> bannerImageFormat(const std::string& imageName);

struct BannerChoice {
    int number = 0; ///< the entry's number N: its file is banner<N>.dat
    std::string imageName;
    std::string clickUrl;
};

struct LinkChoice {
    std::string link1Caption;
    std::string link1Url;
    std::string link2Caption;
    std::string link2Url;
};

/// One welcome page drawn from the list; empty for an empty list.
std::string chooseWelcome(const std::vector<std::string>& entries, const RandomIndex& random);

/// One banner drawn from the entries that split; empty when none does.
std::optional<BannerChoice> chooseBanner(
    const std::vector<std::string>& entries, const RandomIndex& random);

/// Up to two different links drawn from the entries that split, the second from the
/// entries left after the first.
LinkChoice chooseLinks(const std::vector<std::string>& entries, const RandomIndex& random);

} // namespace lumivane
