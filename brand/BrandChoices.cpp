#include "brand/BrandChoices.h"

#include "platform/AsciiCase.h"
#include "platform/SplitByCharacter.h"

#include <algorithm>
#include <memory>
#include <random>

namespace lumivane {

namespace {

struct NumberedPieces {
    int number;
    EntryPieces pieces;
};

// The entries that split, each with its number in the profile (1-based).
std::vector<NumberedPieces> splittingEntries(const std::vector<std::string>& entries)
{
    std::vector<NumberedPieces> usable;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (auto pieces = splitEntry(entries[i]))
            usable.push_back({static_cast<int>(i + 1), std::move(*pieces)});
    }
    return usable;
}

std::size_t draw(const RandomIndex& random, std::size_t count)
{
    return std::min(random(count), count - 1);
}

} // namespace

RandomIndex systemRandomIndex()
{
    auto generator = std::make_shared<std::mt19937>(std::random_device {}());
    return [generator](std::size_t count) {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(*generator);
    };
}

std::optional<EntryPieces> splitEntry(const std::string& entry)
{
    const auto pieces = splitByCharacter(entry, '^');
    if (pieces.size() < 2)
        return std::nullopt;
    return EntryPieces {pieces[0], pieces[1]};
}

std::string imageFileNamePart(const std::string& imageName)
{
    const auto cut = imageName.find_last_of("\\:/");
    return cut == std::string::npos ? imageName : imageName.substr(cut + 1);
}

std::optional<std::string> bannerImageFormat(const std::string& imageName)
{
    const auto name = lowerAscii(imageFileNamePart(imageName));
    if (name.find(".gif") != std::string::npos)
        return "gif";
    const auto dot = name.rfind('.');
    if (dot == std::string::npos)
        return std::nullopt;
    const auto extension = name.substr(dot + 1);
    if (extension == "jpg" || extension == "jpeg")
        return "jpeg";
    if (extension == "bmp" || extension == "ico" || extension == "wmf" || extension == "emf")
        return extension;
    return std::nullopt;
}

std::string chooseWelcome(const std::vector<std::string>& entries, const RandomIndex& random)
{
    return entries.empty() ? std::string() : entries[draw(random, entries.size())];
}

std::optional<BannerChoice> chooseBanner(
    const std::vector<std::string>& entries, const RandomIndex& random)
{
    auto usable = splittingEntries(entries);
    if (usable.empty())
        return std::nullopt;
    auto& chosen = usable[draw(random, usable.size())];
    return BannerChoice {
        chosen.number, std::move(chosen.pieces.first), std::move(chosen.pieces.second)};
}

LinkChoice chooseLinks(const std::vector<std::string>& entries, const RandomIndex& random)
{
    auto usable = splittingEntries(entries);
    LinkChoice links;
    if (usable.empty())
        return links;
    const auto first = usable.begin() + static_cast<std::ptrdiff_t>(draw(random, usable.size()));
    links.link1Caption = first->pieces.first;
    links.link1Url = first->pieces.second;
    usable.erase(first);
    if (usable.empty())
        return links;
    const auto& second = usable[draw(random, usable.size())];
    links.link2Caption = second.pieces.first;
    links.link2Url = second.pieces.second;
    return links;
}

} // namespace lumivane
