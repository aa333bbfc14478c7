#include "tests/support/FakeMessageDialog.h"
#include "urllist/StatusPanels.h"
#include "urllist/UrlList.h"
#include "urllist/UrlListCommands.h"

#include <gtest/gtest.h>

using namespace lumivane;
using lumivane::test::FakeMessageDialog;

namespace {

UrlList listNumbered(std::initializer_list<const char*> numbers)
{
    UrlList list;
    for (const char* n : numbers) {
        UrlRow row;
        row.number = n;
        row.id = std::string("id") + n;
        row.url = std::string("u") + n;
        list.append(row);
    }
    return list;
}

std::vector<std::string> column(const UrlList& list, std::string UrlRow::*field)
{
    std::vector<std::string> result;
    for (std::size_t i = 0; i < list.count(); ++i)
        result.push_back(list.row(i).*field);
    return result;
}

struct TotalPanel : StatusPanels {
    void setTotalText(const std::string& text) override { total = text; }
    void setDoneText(const std::string&) override { }
    void setSuccessText(const std::string&) override { }
    void setErrorText(const std::string&) override { }
    std::string total = "Total:";
};

using Strings = std::vector<std::string>;

} // namespace

TEST(UrlListNumbering, NextNumberFollowsTheBottomRow)
{
    EXPECT_EQ(nextRowNumber(UrlList {}), "1");
    EXPECT_EQ(nextRowNumber(listNumbered({"1", "7"})), "8");
    EXPECT_EQ(nextRowNumber(listNumbered({"12", "3"})), "4") << "the bottom row, not the largest";
}

TEST(UrlListNumbering, SortingByNumberIsByteWiseAndMovesWholeRows)
{
    auto list = listNumbered({"9", "10", "2"});
    list.sortByColumn(UrlColumn::number);
    EXPECT_EQ(column(list, &UrlRow::number), (Strings {"10", "2", "9"}));
    EXPECT_EQ(column(list, &UrlRow::url), (Strings {"u10", "u2", "u9"}));

    list.sortByColumn(UrlColumn::number);
    EXPECT_EQ(column(list, &UrlRow::number), (Strings {"9", "2", "10"})) << "same column reverses";
    EXPECT_EQ(nextRowNumber(list), "11");

    list.sortByColumn(UrlColumn::url);
    EXPECT_EQ(column(list, &UrlRow::url), (Strings {"u9", "u2", "u10"}))
        << "another column keeps the last direction";
    EXPECT_FALSE(list.sortAscending());
}

TEST(UrlListNumbering, CapitalsSortBeforeSmallLettersAndHighBytesLast)
{
    UrlList list;
    for (const char* id : {"b", "\xE9", "B", "a"}) {
        UrlRow row;
        row.id = id;
        list.append(row);
    }
    list.sortByColumn(UrlColumn::id);
    EXPECT_EQ(column(list, &UrlRow::id), (Strings {"B", "a", "b", "\xE9"}));
}

TEST(UrlListCommands, DeleteSelectedRenumbersFromTheTop)
{
    const struct {
        const char* name;
        std::vector<std::size_t> selected;
        Strings urls;
        Strings messages;
    } cases[] = {
        {"rows 2 and 4 of 5", {1, 3}, {"u1", "u3", "u5"}, {}},
        {"every row", {0, 1, 2, 3, 4}, {}, {}},
        {"nothing selected", {}, {"u1", "u2", "u3", "u4", "u5"},
            {"Please select the items do you want delete."}},
    };
    for (const auto& c : cases) {
        auto list = listNumbered({"1", "2", "3", "4", "5"});
        for (auto i : c.selected)
            list.setSelected(i, true);
        FakeMessageDialog dialog;
        TotalPanel panel;
        refreshTotal(list, panel);
        deleteSelected(list, dialog);
        EXPECT_EQ(column(list, &UrlRow::url), c.urls) << c.name;
        EXPECT_EQ(dialog.texts(), c.messages) << c.name;
        EXPECT_EQ(panel.total, "Total: 5") << c.name << ": the Total panel is not refreshed";
        if (!c.selected.empty()) {
            Strings expected;
            for (std::size_t i = 1; i <= c.urls.size(); ++i)
                expected.push_back(std::to_string(i));
            EXPECT_EQ(column(list, &UrlRow::number), expected) << c.name;
        }
    }
}

TEST(UrlListCommands, SelectionCommandsAndTheLayoutVersion)
{
    UrlList empty;
    selectAll(empty);
    clearSelection(empty);
    EXPECT_EQ(empty.selectedCount(), 0u);

    auto list = listNumbered({"1", "2", "3"});
    const auto version = list.layoutVersion();
    selectAll(list);
    EXPECT_EQ(list.selectedCount(), 3u);
    list.setStatus(0, status::success);
    EXPECT_EQ(list.layoutVersion(), version) << "status and selection keep row positions";
    clearSelection(list);
    EXPECT_FALSE(list.firstSelected());
    list.setSelected(2, true);
    EXPECT_EQ(list.firstSelected(), 2u);
    list.remove(0);
    EXPECT_NE(list.layoutVersion(), version);
}
