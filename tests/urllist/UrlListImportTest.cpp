#include "urllist/UrlListImport.h"

#include "platform/Error.h"
#include "tests/support/TempDir.h"
#include "tests/urllist/FakeStatusPanels.h"
#include "tests/urllist/ListRows.h"
#include "urllist/RowIdentifiers.h"

#include <gtest/gtest.h>

#include <random>

#include <sys/stat.h>

namespace lumivane {
namespace {

using test::FakeStatusPanels;
using test::fixturePath;
using test::rowsOf;
using test::RowText;
using Rows = std::vector<RowText>;

std::vector<std::string> urlsOf(const UrlList& list)
{
    std::vector<std::string> urls;
    for (const auto& row : rowsOf(list))
        urls.push_back(row.url);
    return urls;
}

class ImportTest : public testing::Test {
protected:
    void load(const std::string& fixture, ListFormat format, int linkType = 1)
    {
        loadListFile(list, panels, fixturePath("urllist/" + fixture), format, linkType);
    }

    UrlList list;
    FakeStatusPanels panels;
};

TEST_F(ImportTest, FileLinesContinueTheOldNumbering)
{
    test::fillList(list, 5);
    load("three-lines.txt", ListFormat::oneUrlPerLine);
    EXPECT_EQ(rowsOf(list),
        (Rows {{"6", "one_com", "http://one.com"}, {"7", "two_com ", "http://two.com "},
            {"8", "three_com", "http://three.com"}}));
    EXPECT_EQ(panels.total, "Total: 3");
    EXPECT_EQ(panels.totalWrites, 3);
    EXPECT_EQ(list.row(0).status, "Pending");
}

TEST_F(ImportTest, FileLineCutting)
{
    const struct {
        const char* fixture;
        std::vector<std::string> urls;
    } cases[] = {
        {"mixed-line-ends.txt",
            {"http://a.com", "http://b.com", "http://c.com", "http://d.com", "", "http://e.com"}},
        {"nul-byte.txt", {"http://a.com", "http://b"}},
        {"bom.txt", {"\xEF\xBB\xBFhttp://a.com"}},
    };
    for (const auto& c : cases) {
        load(c.fixture, ListFormat::oneUrlPerLine);
        EXPECT_EQ(urlsOf(list), c.urls) << c.fixture;
    }
}

TEST_F(ImportTest, SeparatedFormatsTakeTheIdFromTheFile)
{
    load("pipe.txt", ListFormat::pipe);
    EXPECT_EQ(rowsOf(list), (Rows {{"1", "k", "x|y"}, {"2", "", "x"}, {"3", "", "no separator"}}));
    load("comma.txt", ListFormat::comma);
    EXPECT_EQ(rowsOf(list), (Rows {{"4", "k", "http://a.b/?q=1,2"}, {"5", "", "x"}}));
}

TEST_F(ImportTest, OneUrlPerLineUsesTheSelectorIndex)
{
    load("three-lines.txt", ListFormat::oneUrlPerLine, 0);
    EXPECT_EQ(list.row(1).id, md5Id("http://two.com "));
    load("pipe.txt", ListFormat::oneUrlPerLine, 1);
    EXPECT_EQ(list.row(0).id, "k|x|y");
}

TEST_F(ImportTest, EmptyFileEmptiesTheListAndKeepsTheTotal)
{
    test::fillList(list, 2);
    panels.total = "Total: 2";
    load("empty.txt", ListFormat::oneUrlPerLine);
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(panels.total, "Total: 2");
}

TEST_F(ImportTest, MissingFileOrNameChangesNothing)
{
    test::fillList(list, 2);
    test::TempDir dir;
    // A pipe would block the window until some program writes to it, and a
    // device such as /dev/urandom never ends: neither is a list file.
    const std::string pipe = dir.file("pipe");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    for (const std::string& path : {std::string(), dir.file("absent.txt"), dir.path().string(),
             pipe, std::string("/dev/urandom")})
        loadListFile(list, panels, path, ListFormat::oneUrlPerLine, 0);
    EXPECT_EQ(list.count(), 2u);
    EXPECT_EQ(panels.totalWrites, 0);
}

TEST_F(ImportTest, UnreadableFileIsReportedAfterEmptying)
{
    test::fillList(list, 2);
    // Exists and opens, but reading at offset 0 fails with an I/O error.
    const std::string path = "/proc/self/mem";
    try {
        loadListFile(list, panels, path, ListFormat::oneUrlPerLine, 0);
        FAIL() << "no error raised";
    } catch (const Error& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find(path), std::string::npos) << message;
        EXPECT_NE(message.find("Input/output error"), std::string::npos) << message;
        EXPECT_NE(message.find("emptied"), std::string::npos) << message;
    }
    EXPECT_TRUE(list.empty());
}

TEST_F(ImportTest, BinaryMegabytesImportInOnePass)
{
    test::TempDir dir;
    std::string bytes(6 * 1024 * 1024, '\0');
    std::mt19937 random(7);
    for (auto& byte : bytes)
        byte = static_cast<char>(1 + random() % 255);
    bytes[bytes.size() / 2] = '\0';
    test::writeFile(dir.file("binary.dat"), bytes);
    loadListFile(list, panels, dir.file("binary.dat"), ListFormat::comma, 1);
    const auto lines = cutLines(bytes);
    ASSERT_EQ(list.count(), lines.size());
    EXPECT_EQ(list.row(list.count() - 1).number, std::to_string(lines.size()));
}

TEST_F(ImportTest, TypedLines)
{
    test::fillList(list, 5);
    EXPECT_TRUE(loadTypedList(list, panels, "http://a.b\n\n  http://c \n", 1));
    EXPECT_EQ(rowsOf(list),
        (Rows {{"6", "a_b", "http://a.b"}, {"7", "", ""}, {"8", "  c ", "  http://c "}}));
    EXPECT_EQ(panels.total, "Total: 3");
}

TEST_F(ImportTest, BlankTypedTextLeavesTheList)
{
    test::fillList(list, 2);
    for (const char* text : {"", "   \n \r\n\t ", "\n"})
        EXPECT_FALSE(loadTypedList(list, panels, text, 0)) << text;
    EXPECT_EQ(list.count(), 2u);
    EXPECT_EQ(panels.totalWrites, 0);
}

TEST_F(ImportTest, AddUrlKeepsTheUntrimmedText)
{
    EXPECT_FALSE(addUrl(list, panels, "   ", 0));
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(panels.totalWrites, 0);

    EXPECT_TRUE(addUrl(list, panels, " http://a.b", 0));
    EXPECT_TRUE(addUrl(list, panels, " http://a.b", 0));
    EXPECT_TRUE(addUrl(list, panels, "word", 1));
    EXPECT_EQ(rowsOf(list),
        (Rows {{"1", md5Id(" http://a.b"), " http://a.b"},
            {"2", md5Id(" http://a.b"), " http://a.b"}, {"3", "word", "word"}}));
    EXPECT_EQ(panels.total, "Total: 3");
}

TEST_F(ImportTest, AddUrlNumbersAfterTheBottomRow)
{
    test::fillList(list, 7);
    addUrl(list, panels, "http://x", 0);
    EXPECT_EQ(list.row(7).number, "8");
}

} // namespace
} // namespace lumivane
