#include "brand/ProfileLint.h"
#include "brand/ProfileText.h"

#include <gtest/gtest.h>

namespace lumivane {
namespace {

std::string tagged(const std::string& name, const std::string& value)
{
    return openTag(name) + value + closeTag(name) + "\r\n";
}

const std::string tier = tagged("BranderType", "Gold");

TEST(ProfileLint, WarnsAboutWhatReadingLoses)
{
    const struct {
        const char* name;
        std::string text;
        std::vector<std::string> warnings; // each expected as a part of one warning, in order
    } cases[] = {
        {"a clean profile",
            tagged("ApplicationName", "A") + tier + tagged("Banner1", "b.gif^u")
                + tagged("Link1", "c^u") + tagged("LastNewsId", "3"),
            {}},
        {"tags out of order", tagged("BranderCode", "B") + tagged("ApplicationName", "A") + tier,
            {"BranderCode stands before ApplicationName"}},
        {"Welcome after Banner", tier + tagged("Banner1", "b^u") + tagged("Welcome1", "w"),
            {"Banner1 stands before Welcome1"}},
        {"an open tag without close tag", "<%%ApplicationName%%>A\r\n" + tier,
            {"<%%ApplicationName%%> has no close tag <%%/ApplicationName%%>"}},
        {"a gap in a list", tier + tagged("Welcome1", "w") + tagged("Welcome3", "w"),
            {"Welcome3 is not read: the Welcome list stops at Welcome2"}},
        {"an entry beyond 16", tier + tagged("Link17", "x^y"), {"Link17 is never read"}},
        {"a leading zero", tier + tagged("Link01", "x^y"), {"Link01 is never read"}},
        {"Banner and Link entries without a URL",
            tier + tagged("Banner1", "pic.gif") + tagged("Link1", "caption^"),
            {"Banner1 \"pic.gif\" does not split", "Link1 \"caption^\" does not split"}},
        {"BranderType in another letter case", tagged("BranderType", "master"),
            {"BranderType \"master\" must be written \"Master\""}},
        {"BranderType outside the tiers", tagged("BranderType", "Silver"),
            {"BranderType \"Silver\" is not one of"}},
        {"BranderType missing", "", {"BranderType \"\" is not one of"}},
        {"LastNewsId in another letter case", tier + tagged("lastNEWSid", "3"),
            {"<%%lastNEWSid%%> is read, but storing"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<std::string> warnings = lintBrandProfile(c.text);
        ASSERT_EQ(warnings.size(), c.warnings.size()) << (warnings.empty() ? "" : warnings[0]);
        for (std::size_t i = 0; i < warnings.size(); ++i) {
            EXPECT_NE(warnings[i].find(c.warnings[i]), std::string::npos) << warnings[i];
        }
    }
}

} // namespace
} // namespace lumivane
