#include "urllist/UrlListExport.h"

#include "platform/Error.h"
#include "tests/support/TempDir.h"
#include "tests/urllist/FakeStatusPanels.h"
#include "tests/urllist/ListRows.h"
#include "urllist/UrlListImport.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace lumivane {
namespace {

using test::rowsOf;
using test::RowText;

TEST(Export, SelectedRowsInListOrder)
{
    UrlList list;
    test::fillList(list, 3);
    list.setSelected(0, true);
    list.setSelected(2, true);
    EXPECT_EQ(exportText(list, ListFormat::pipe), "id1|http://row1\r\nid3|http://row3\r\n");
    EXPECT_EQ(exportText(list, ListFormat::comma), "id1,http://row1\r\nid3,http://row3\r\n");
    EXPECT_EQ(exportText(list, ListFormat::oneUrlPerLine), "http://row1\r\nhttp://row3\r\n");

    list.sortByColumn(UrlColumn::url);
    list.sortByColumn(UrlColumn::url);
    EXPECT_EQ(exportText(list, ListFormat::oneUrlPerLine), "http://row3\r\nhttp://row1\r\n");
}

TEST(Export, EmptyUrlGivesAnEmptyLine)
{
    UrlList list;
    list.append({"1", "k", ""});
    list.setSelected(0, true);
    EXPECT_EQ(exportText(list, ListFormat::oneUrlPerLine), "\r\n");
}

TEST(Export, RoundTripsThroughImport)
{
    test::TempDir dir;
    for (const auto format : {ListFormat::pipe, ListFormat::comma}) {
        UrlList list;
        list.append({"1", "a1", "http://a.b/?x=1,2|3"});
        list.append({"2", "", ""});
        list.append({"3", "\xEF\xBB\xBFz", "  spaced  "});
        for (std::size_t i = 0; i < list.count(); ++i)
            list.setSelected(i, true);
        saveListFile(list, dir.file("list.txt"), format);

        UrlList again;
        test::FakeStatusPanels panels;
        loadListFile(again, panels, dir.file("list.txt"), format, 0);
        EXPECT_EQ(rowsOf(again), rowsOf(list));
    }
}

TEST(Export, ReplacesAnExistingFile)
{
    test::TempDir dir;
    test::writeFile(dir.file("list.txt"), "old contents that are longer\r\n");
    UrlList list;
    test::fillList(list, 1);
    list.setSelected(0, true);
    saveListFile(list, dir.file("list.txt"), ListFormat::pipe);
    EXPECT_EQ(test::readFile(dir.file("list.txt")), "id1|http://row1\r\n");
}

TEST(Export, UnwritableNamesAreReportedWithTheReason)
{
    test::TempDir dir;
    UrlList list;
    test::fillList(list, 1);
    list.setSelected(0, true);
    const struct {
        std::string path;
        const char* reason;
    } cases[] = {
        {dir.file("missing/list.txt"), "No such file or directory"},
        {dir.path().string(), "Is a directory"},
        {dir.file(std::string(300, 'n')), "File name too long"},
    };
    for (const auto& c : cases) {
        try {
            saveListFile(list, c.path, ListFormat::pipe);
            ADD_FAILURE() << "no error for " << c.path;
        } catch (const Error& error) {
            const std::string message = error.what();
            EXPECT_NE(message.find(c.path), std::string::npos) << message;
            EXPECT_NE(message.find(c.reason), std::string::npos) << message;
        }
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("missing")));
}

} // namespace
} // namespace lumivane
