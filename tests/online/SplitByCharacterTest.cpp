#include "platform/SplitByCharacter.h"

#include <gtest/gtest.h>

namespace lumivane {
namespace {

TEST(SplitByCharacter, KeepsInnerEmptyPiecesAndDropsAnEmptyLastOne)
{
    const struct {
        std::string text;
        char separator;
        std::vector<std::string> pieces;
    } cases[] = {
        {"a^^b^", '^', {"a", "", "b"}},
        {"", '^', {}},
        {"^", '^', {""}},
        {"^a", '^', {"", "a"}},
        {"12^Spring offers^2008-03-05", '^', {"12", "Spring offers", "2008-03-05"}},
        {"x\xAFy\xAFOK", '\xAF', {"x", "y", "OK"}},
        {"abc", '^', {"abc"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(splitByCharacter(c.text, c.separator), c.pieces) << c.text;
}

TEST(SplitByCharacter, EmptiesTheListFirst)
{
    std::vector<std::string> pieces {"old"};
    splitByCharacter("a^b", '^', pieces);
    EXPECT_EQ(pieces, (std::vector<std::string> {"a", "b"}));
}

} // namespace
} // namespace lumivane
