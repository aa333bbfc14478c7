#include "app/UrlListView.h"

#include <QAbstractItemModelTester>

#include <gtest/gtest.h>

using namespace lumivane;

namespace {

UrlRow row(const std::string& number)
{
    UrlRow r;
    r.number = number;
    r.id = "id" + number;
    r.url = "http://" + number;
    return r;
}

} // namespace

// Qt's model tester checks that every change is announced before it happens and
// confirmed after, with row counts that agree at each step.
TEST(UrlListModel, FollowsQtsModelRulesThroughEveryListChange)
{
    UrlList list;
    UrlListModel model(list, nullptr);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);

    for (int i = 1; i <= 6; ++i)
        list.append(row(std::to_string(i)));
    list.remove(0);
    list.remove(list.count() - 1);
    list.setSelected(1, true);
    list.removeSelected();
    list.sortByColumn(UrlColumn::url);
    list.setStatus(0, status::success);
    list.setAllSelected(true);
    list.clear();
    EXPECT_EQ(model.rowCount(), 0);
}
