#include "brand/BrandChoices.h"

#include "tests/brand/ScriptedRandom.h"

#include <gtest/gtest.h>

namespace lumivane {
namespace {

using test::ScriptedRandom;

TEST(BrandChoices, SplitsEntriesIntoTwoPieces)
{
    const struct {
        std::string entry;
        std::optional<std::pair<std::string, std::string>> expected;
    } cases[] = {
        {"pic.jpg^http://a/", std::pair {"pic.jpg", "http://a/"}},
        {"pic.jpg^http://a/^ignored^too", std::pair {"pic.jpg", "http://a/"}},
        {"pic.jpg^^", std::pair {"pic.jpg", ""}},
        {"^http://a/", std::pair {"", "http://a/"}},
        {"pic.jpg", std::nullopt},
        {"pic.jpg^", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.entry);
        const auto pieces = splitEntry(test.entry);
        ASSERT_EQ(pieces.has_value(), test.expected.has_value());
        if (pieces) {
            EXPECT_EQ(pieces->first, test.expected->first);
            EXPECT_EQ(pieces->second, test.expected->second);
        }
    }
}

TEST(BrandChoices, ImageNamesGiveTheirFileNameAndFormat)
{
    const struct {
        std::string name;
        std::string fileName;
        std::optional<std::string> format;
    } cases[] = {
        {"promo.gif", "promo.gif", "gif"},
        {"PROMO.GIF", "PROMO.GIF", "gif"},
        {"odd.gif.bmp", "odd.gif.bmp", "gif"},
        {R"(C:\images\pic.jpg)", "pic.jpg", "jpeg"},
        {"D:pic.JPEG", "pic.JPEG", "jpeg"},
        {"../../etc/banner.bmp", "banner.bmp", "bmp"},
        {"icon.ico", "icon.ico", "ico"},
        {"vector.wmf", "vector.wmf", "wmf"},
        {"vector.emf", "vector.emf", "emf"},
        {R"(folder.gif\pic.png)", "pic.png", std::nullopt},
        {"picture.png", "picture.png", std::nullopt},
        {"noextension", "noextension", std::nullopt},
        {"..", "..", std::nullopt},
        {"", "", std::nullopt},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        EXPECT_EQ(imageFileNamePart(test.name), test.fileName);
        EXPECT_EQ(bannerImageFormat(test.name), test.format);
    }
}

TEST(BrandChoices, WelcomeIsOneDrawOverTheList)
{
    ScriptedRandom random {{2}};
    EXPECT_EQ(chooseWelcome({"a", "b", "c"}, random.source()), "c");
    EXPECT_EQ(random.counts, std::vector<std::size_t> {3});
    EXPECT_EQ(chooseWelcome({}, random.source()), "");
    EXPECT_EQ(random.counts.size(), 1u) << "an empty list draws nothing";
}

TEST(BrandChoices, BannerKeepsItsNumberAndSkipsEntriesThatDoNotSplit)
{
    ScriptedRandom random {{1}};
    const auto banner = chooseBanner(
        {"one.gif^http://1/", "broken", "three.gif^http://3/", "four^"}, random.source());
    ASSERT_TRUE(banner);
    EXPECT_EQ(banner->number, 3);
    EXPECT_EQ(banner->imageName, "three.gif");
    EXPECT_EQ(banner->clickUrl, "http://3/");
    EXPECT_EQ(random.counts, std::vector<std::size_t> {2});

    EXPECT_FALSE(chooseBanner({"broken", "also^"}, random.source()));
    EXPECT_FALSE(chooseBanner({}, random.source()));
}

TEST(BrandChoices, TwoLinksAreTwoDifferentEntries)
{
    const std::vector<std::string> links {"A^http://a/", "B^http://b/", "C^http://c/"};
    for (std::size_t first = 0; first < 3; ++first) {
        for (std::size_t second = 0; second < 2; ++second) {
            ScriptedRandom random {{first, second}};
            const auto chosen = chooseLinks(links, random.source());
            EXPECT_EQ(random.counts, (std::vector<std::size_t> {3, 2}));
            EXPECT_NE(chosen.link1Caption, chosen.link2Caption);
            EXPECT_EQ(chosen.link1Url, "http://" + std::string(1, char('a' + first)) + "/");
        }
    }
}

TEST(BrandChoices, OneLinkLeavesTheSecondEmpty)
{
    ScriptedRandom random;
    const auto chosen = chooseLinks({"broken", "Only^http://only/", "x^"}, random.source());
    EXPECT_EQ(chosen.link1Caption, "Only");
    EXPECT_EQ(chosen.link1Url, "http://only/");
    EXPECT_EQ(chosen.link2Caption, "");
    EXPECT_EQ(chosen.link2Url, "");
    EXPECT_EQ(random.counts, std::vector<std::size_t> {1});

    const auto none = chooseLinks({"no caret"}, random.source());
    EXPECT_EQ(none.link1Caption, "");
}

TEST(BrandChoices, SystemRandomIsUniformOverTheRange)
{
    const auto random = systemRandomIndex();
    std::vector<int> seen(4, 0);
    for (int i = 0; i < 4000; ++i) {
        const auto index = random(4);
        ASSERT_LT(index, 4u);
        ++seen[index];
    }
    for (const int count : seen)
        EXPECT_GT(count, 800) << "each of four indexes comes about a quarter of the time";
    EXPECT_EQ(random(1), 0u);
}

} // namespace
} // namespace lumivane
