#include "urllist/RowIdentifiers.h"

#include <gtest/gtest.h>

namespace lumivane {
namespace {

TEST(UrlDerivedId, WorkedExamples)
{
    const struct {
        const char* source;
        const char* id;
    } cases[] = {
        {"HTTP://WWW.A.B/X/Y.Z", "a_bIxIy_z"},
        {"https://a.b/", "https:IIa_bI"},
        {"a.www.b", "a_b"},
        {"http://a.b/x?y=1&z=2#f", "a_bIx?y=1&z=2#f"},
        {"http://www.", ""},
        {"hthttp://tp://x", "http:IIx"},
        {"", ""},
        {" http://a.b ", " a_b "},
        {"wwwww.x", "wwx"},
        {"A\\B%20:C", "a\\b%20:c"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(urlDerivedId(c.source), c.id) << c.source;
}

TEST(UrlDerivedId, OnlyAsciiLettersAreLowered)
{
    EXPECT_EQ(urlDerivedId("\xC4\xD6Z"), "\xC4\xD6z");
}

TEST(Md5Id, DigestsOfTheBytesAsHeld)
{
    EXPECT_EQ(md5Id(""), "d41d8cd98f00b204e9800998ecf8427e");
    EXPECT_EQ(md5Id("abc"), "900150983cd24fb0d6963f7d28e17f72");
    EXPECT_EQ(md5Id(std::string("a\0b", 3)), md5Id(std::string("a\0b", 3)));
    EXPECT_NE(md5Id(std::string("a\0b", 3)), md5Id("a"));
    EXPECT_NE(md5Id("http://a.b"), md5Id("http://a.b "));
    EXPECT_NE(md5Id("http://A.B"), md5Id("http://a.b"));
}

TEST(RowId, SelectorIndexChoosesTheGenerator)
{
    const std::string source = "http://www.Example.com/";
    EXPECT_EQ(rowId(source, 0), md5Id(source));
    EXPECT_EQ(rowId(source, 1), "example_comI");
    // A stored index the selector cannot show still gives every row an ID.
    EXPECT_EQ(rowId(source, -1), md5Id(source));
    EXPECT_EQ(rowId(source, 7), md5Id(source));
    EXPECT_EQ(rowId("", 0).size(), 32u);
}

} // namespace
} // namespace lumivane
