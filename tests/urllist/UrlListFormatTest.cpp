#include "urllist/UrlListFormat.h"

#include <gtest/gtest.h>

#include <sstream>

namespace lumivane {
namespace {

using Lines = std::vector<std::string>;

TEST(CutLines, LineEnds)
{
    const struct {
        std::string text;
        Lines lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\n", {"a"}},
        {"\n", {""}},
        {"\r\n\r\n", {"", ""}},
        {"a\r\nb\rc\nd", {"a", "b", "c", "d"}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"a\n\nb\n", {"a", "", "b"}},
        {std::string("a\nb\0c\nd", 7), {"a", "b"}},
        {std::string("\0a", 2), {}},
        {std::string("a\r\0\n", 4), {"a"}},
        {"\xEF\xBB\xBFhttp://a\n", {"\xEF\xBB\xBFhttp://a"}},
        {" a \t\n", {" a \t"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cutLines(c.text), c.lines) << testing::PrintToString(c.text);
}

// Cutting in pieces must match cutting at once wherever the pieces meet.
TEST(LineCutter, PiecesGiveTheSameLines)
{
    using namespace std::string_literals;
    const std::string text = "ab\r\ncd\r\ref\n\ng\rh\r\nend\0tail"s;
    const Lines whole = cutLines(text);
    for (std::size_t size = 1; size <= text.size(); ++size) {
        Lines lines;
        LineCutter cutter([&](std::string_view line) { lines.emplace_back(line); });
        for (std::size_t at = 0; at < text.size(); at += size)
            cutter.feed(std::string_view(text).substr(at, size));
        cutter.finish();
        EXPECT_EQ(lines, whole) << "piece size " << size;
    }
}

TEST(LineCutter, ReportsTheEndAtNul)
{
    Lines lines;
    LineCutter cutter([&](std::string_view line) { lines.emplace_back(line); });
    EXPECT_TRUE(cutter.feed("a\nb"));
    EXPECT_FALSE(cutter.feed(std::string("c\0d\n", 4)));
    EXPECT_FALSE(cutter.feed("e\n"));
    cutter.finish();
    EXPECT_EQ(lines, (Lines {"a", "bc"}));
}

TEST(ReadLines, LongStreamWithoutLineEnds)
{
    const std::string big(3 * 1024 * 1024 + 17, 'x');
    std::istringstream in(big + "\r\n" + big);
    std::size_t count = 0;
    EXPECT_TRUE(readLines(in, [&](std::string_view line) {
        EXPECT_EQ(line.size(), big.size());
        ++count;
    }));
    EXPECT_EQ(count, 2u);
}

TEST(ListLines, ParseEachFormat)
{
    const struct {
        const char* line;
        ListFormat format;
        const char* id;
        const char* url;
    } cases[] = {
        {"k|x|y", ListFormat::pipe, "k", "x|y"},
        {"|x", ListFormat::pipe, "", "x"},
        {"x", ListFormat::pipe, "", "x"},
        {"k,x", ListFormat::pipe, "", "k,x"},
        {"", ListFormat::pipe, "", ""},
        {"k|", ListFormat::pipe, "k", ""},
        {"k,http://a.b/?q=1,2", ListFormat::comma, "k", "http://a.b/?q=1,2"},
        {",x", ListFormat::comma, "", "x"},
        {"k|x", ListFormat::comma, "", "k|x"},
        {"http://www.a.b/ ", ListFormat::oneUrlPerLine, "a_bI ", "http://www.a.b/ "},
        {"k|x", ListFormat::oneUrlPerLine, "k|x", "k|x"},
    };
    for (const auto& c : cases) {
        const auto entry = parseLine(c.line, c.format, 1);
        EXPECT_EQ(entry.id, c.id) << c.line;
        EXPECT_EQ(entry.url, c.url) << c.line;
    }
    EXPECT_EQ(parseLine("http://a", ListFormat::oneUrlPerLine, 0).id.size(), 32u);
}

TEST(ListLines, FormatEachFormat)
{
    EXPECT_EQ(formatLine(ListFormat::oneUrlPerLine, "k", "http://a"), "http://a");
    EXPECT_EQ(formatLine(ListFormat::pipe, "k", "http://a"), "k|http://a");
    EXPECT_EQ(formatLine(ListFormat::comma, "k", "http://a"), "k,http://a");
    EXPECT_EQ(formatLine(ListFormat::comma, "", ""), ",");
}

} // namespace
} // namespace lumivane
