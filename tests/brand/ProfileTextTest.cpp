#include "brand/ProfileText.h"
#include "brand/BrandProfile.h"

#include <gtest/gtest.h>

namespace lumivane {
namespace {

std::string tagged(const std::string& name, const std::string& value)
{
    return openTag(name) + value + closeTag(name);
}

TEST(ProfileText, LinesEndAtAnyBreakAndStopAtNul)
{
    using Lines = std::vector<std::string>;
    const struct {
        std::string text;
        Lines lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"a\n\r\nb", {"a", "", "b"}},
        {"a\r\rb", {"a", "", "b"}},
        {"\r\n", {""}},
        {std::string("a\r\nb\0c\r\nd", 9), {"a", "b"}},
        {std::string("\0abc", 4), {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(splitProfileLines(c.text), c.lines) << c.text;
    }
    EXPECT_EQ(joinProfileLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
    EXPECT_EQ(joinProfileLines({}), "");
}

TEST(ProfileText, ExtractionShrinksTheRemainingText)
{
    RemainingText text("x<%%a%%>1<%%/A%%>y<%%b%%>2");
    const TagMatch a = text.extractTag("<%%A%%>", "<%%/a%%>");
    EXPECT_EQ(a.value, "1");
    EXPECT_EQ(text.offset(), 9u); // starts at the close tag
    const TagMatch b = text.extractTag("<%%b%%>", "<%%/b%%>");
    EXPECT_TRUE(b.openFound);
    EXPECT_FALSE(b.closeFound);
    EXPECT_EQ(b.value, "");
    EXPECT_EQ(text.offset(), 25u); // just after the unclosed open tag
    EXPECT_EQ(text.extract("<%%a%%>", "<%%/a%%>"), "");
    EXPECT_TRUE(text.occursAnywhere("<%%A%%>"));
    EXPECT_EQ(text.offset(), 25u);
}

struct ProfileCase {
    const char* name;
    std::string text;
    std::function<void(const BrandProfile&)> check;
};

TEST(BrandProfile, TagExtractionTable)
{
    const ProfileCase cases[] = {
        {"letter case of tags is ignored", "<%%applicationname%%>ABC<%%/APPLICATIONNAME%%>",
            [](const BrandProfile& p) {
                EXPECT_EQ(p.ApplicationName, "ABC");
                EXPECT_EQ(p.windowCaption, "ABC v2.0");
            }},
        {"BranderCode before ApplicationName is lost",
            tagged("BranderCode", "BC") + tagged("ApplicationName", "App")
                + tagged("BranderType", "Gold"),
            [](const BrandProfile& p) {
                EXPECT_EQ(p.BranderCode, "");
                EXPECT_EQ(p.ApplicationName, "App");
                EXPECT_EQ(p.BranderType, "Gold");
            }},
        {"a gap in Welcome stops the list",
            tagged("Welcome1", "one") + tagged("Welcome2", "two") + tagged("Welcome4", "four")
                + tagged("Banner1", "b.gif^u"),
            [](const BrandProfile& p) {
                EXPECT_EQ(p.Welcome, (std::vector<std::string> {"one", "two"}));
                EXPECT_EQ(p.Banner, (std::vector<std::string> {"b.gif^u"}));
            }},
        {"an empty entry stops the list",
            tagged("Link1", "a^u") + tagged("Link2", "") + tagged("Link3", "c^u"),
            [](const BrandProfile& p) { EXPECT_EQ(p.Link.size(), 1u); }},
        {"an unclosed tag consumes only up to its open tag",
            "<%%ApplicationName%%>Lost" + tagged("BranderCode", "BC"),
            [](const BrandProfile& p) {
                EXPECT_EQ(p.ApplicationName, "");
                EXPECT_EQ(p.BranderCode, "BC");
                EXPECT_EQ(p.windowCaption, " v2.0");
            }},
        {"a value over three lines keeps two CR LF",
            joinProfileLines(splitProfileLines(tagged("AboutText", " one\ntwo\rthree "))),
            [](const BrandProfile& p) { EXPECT_EQ(p.AboutText, " one\r\ntwo\r\nthree "); }},
        {"every upper-case affiliate marker is replaced",
            tagged(
                "AffiliateURL", "http://x/?a=%%AFFILIATEID%%&b=%%AFFILIATEID%%&c=%%affiliateid%%")
                + tagged("AffiliateID", "42"),
            [](const BrandProfile& p) {
                EXPECT_EQ(p.AffiliateURL, "http://x/?a=42&b=42&c=%%affiliateid%%");
                EXPECT_EQ(p.AffiliateID, "42");
            }},
        {"a lower-case BranderType hides the News button",
            tagged("BranderType", "master") + tagged("MasterNewsBaseURL", "http://n/")
                + tagged("MasterPublID", "7"),
            [](const BrandProfile& p) { EXPECT_FALSE(p.newsButtonVisible); }},
        {"an empty Make Money caption gives the built-in one", tagged("MakeMoneyButton", ""),
            [](const BrandProfile& p) { EXPECT_EQ(p.makeMoneyCaption, "Make Money"); }},
        {"a Make Money caption is shown as written", tagged("MakeMoneyButton", "Earn"),
            [](const BrandProfile& p) {
                EXPECT_EQ(p.makeMoneyCaption, "Earn");
                EXPECT_EQ(p.MakeMoneyButton, "Earn");
            }},
    };
    for (const ProfileCase& c : cases) {
        SCOPED_TRACE(c.name);
        c.check(readBrandProfileText(c.text));
    }
}

TEST(BrandProfile, ListsHoldAtMostSixteenEntries)
{
    std::string text;
    for (int n = 1; n <= 17; ++n) {
        text += tagged("Welcome" + std::to_string(n), "w" + std::to_string(n));
    }
    const BrandProfile profile = readBrandProfileText(text);
    ASSERT_EQ(profile.Welcome.size(), 16u);
    EXPECT_EQ(profile.Welcome.back(), "w16");
}

TEST(BrandProfile, NewsButtonRule)
{
    const struct {
        const char* type;
        bool master, platinum, gold;
        bool visible;
    } cases[] = {
        {"Master", true, false, false, true},
        {"Master", false, true, true, false},
        {"Platinum", false, true, false, true},
        {"Platinum", true, false, true, false},
        {"Gold", false, false, true, true},
        {"Gold", true, true, false, false},
        {"Free", true, false, false, true},
        {"Free", false, true, true, false},
        {"GOLD", true, true, true, false},
        {"", true, true, true, false},
    };
    for (const auto& c : cases) {
        BrandProfile p;
        p.BranderType = c.type;
        if (c.master) {
            p.MasterPublID = p.MasterNewsBaseURL = "m";
        }
        if (c.platinum) {
            p.PlatinumPublID = p.PlatinumNewsBaseURL = "p";
        }
        if (c.gold) {
            p.GoldPublID = p.GoldNewsBaseURL = "g";
        }
        EXPECT_EQ(isNewsButtonVisible(p), c.visible) << c.type << c.master << c.platinum << c.gold;
    }
    BrandProfile halfTier;
    halfTier.BranderType = "Gold";
    halfTier.GoldPublID = "g";
    EXPECT_FALSE(isNewsButtonVisible(halfTier));
}

} // namespace
} // namespace lumivane
