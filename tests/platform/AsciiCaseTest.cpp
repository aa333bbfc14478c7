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

} // namespace
} // namespace lumivane
