#include "platform/AsciiCase.h"

#include <gtest/gtest.h>

namespace lumivane {
namespace {

TEST(AsciiCase, ChangesAsciiLettersOnly)
{
    const std::string mixed = "Promo.GIF \xC9t\xE9 <%%x%%> 09";
    EXPECT_EQ(lowerAscii(mixed), "promo.gif \xC9t\xE9 <%%x%%> 09");
    EXPECT_EQ(upperAscii(mixed), "PROMO.GIF \xC9T\xE9 <%%X%%> 09");
    EXPECT_EQ(lowerAscii(""), "");
}

TEST(AsciiCase, ComparesNamesWithoutRegardToAsciiCase)
{
    EXPECT_TRUE(equalsIgnoringAsciiCase("Settings", "sETTINGS"));
    EXPECT_TRUE(equalsIgnoringAsciiCase("", ""));
    EXPECT_FALSE(equalsIgnoringAsciiCase("Settings", "Setting"));
    EXPECT_FALSE(equalsIgnoringAsciiCase("\xC9", "\xE9")) << "only ASCII letters fold";
    EXPECT_FALSE(equalsIgnoringAsciiCase("[", "{")) << "no folding beyond the letters";
}

} // namespace
} // namespace lumivane
