#include "tools/lumivane-batch/BatchScheduler.h"
#include "tools/lumivane-batch/BatchSettings.h"

#include "tests/support/TempDir.h"
#include "urllist/UrlListFormat.h"
#include "urllist/UrlRow.h"

#include <gtest/gtest.h>

#include <deque>
#include <sstream>

namespace lumivane::batch {
namespace {

// Pages that end only when the test says so.
class FakePages : public PagePool {
public:
    explicit FakePages(int size)
        : m_size(size)
    {
    }
    int size() const override { return m_size; }
    void load(int page, const PlannedRow& row) override { loads.push_back({page, row.row.url}); }
    void abandonAll() override { ++abandoned; }

    struct Load {
        int page;
        std::string url;
    };
    std::vector<Load> loads;
    int abandoned = 0;

private:
    int m_size;
};

class SchedulerTest : public ::testing::Test {
protected:
    void run(const std::string& list, int pages, Shard shard = {})
    {
        m_input.clear();
        m_input.str(list);
        m_settings.folder = m_dir.path().string();
        m_settings.ext = "jpg";
        m_source = std::make_unique<RowSource>(m_input, ListFormat::pipe, 0);
        m_planner = std::make_unique<RowPlanner>(m_settings, shard);
        m_pages = std::make_unique<FakePages>(pages);
        m_report = std::make_unique<ReportWriter>(&m_reportText);
        m_progress
            = std::make_unique<ProgressPrinter>(m_progressText, false, false, [] { return 0.0; });
        m_scheduler = std::make_unique<BatchScheduler>(
            *m_source, *m_planner, *m_pages, *m_report, *m_progress, [this] { ++m_overCalls; });
        m_scheduler->start();
    }
    void end(int page, const std::string& status, const std::string& error = {})
    {
        m_scheduler->pageEnded(page, {status, error, 5});
    }
    std::vector<std::string> reportLines() const
    {
        std::vector<std::string> lines;
        std::istringstream in(m_reportText.str());
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }

    test::TempDir m_dir;
    BatchSettings m_settings;
    std::istringstream m_input;
    std::ostringstream m_reportText;
    std::ostringstream m_progressText;
    std::unique_ptr<RowSource> m_source;
    std::unique_ptr<RowPlanner> m_planner;
    std::unique_ptr<FakePages> m_pages;
    std::unique_ptr<ReportWriter> m_report;
    std::unique_ptr<ProgressPrinter> m_progress;
    std::unique_ptr<BatchScheduler> m_scheduler;
    int m_overCalls = 0;
};

TEST_F(SchedulerTest, ReportKeepsListOrderWhilePagesEndInAnyOrder)
{
    run("a|u1\nb|u2\nc|u3\n", 2);
    ASSERT_EQ(m_pages->loads.size(), 2u);
    end(1, status::error, "HTTP 404");
    EXPECT_EQ(reportLines().size(), 1u); // row 2 waits for row 1
    ASSERT_EQ(m_pages->loads.size(), 3u);
    EXPECT_EQ(m_pages->loads[2].page, 1);
    end(1, status::success);
    end(0, status::success);
    ASSERT_TRUE(m_scheduler->over());
    EXPECT_EQ(m_overCalls, 1);
    const auto dir = m_dir.path().string();
    const std::vector<std::string> expected {"number,id,url,status,file,millis,error",
        "1,a,u1,Success," + dir + "/a.jpg,5,", "2,b,u2,Error,,5,HTTP 404",
        "3,c,u3,Success," + dir + "/c.jpg,5,"};
    EXPECT_EQ(reportLines(), expected);
    EXPECT_EQ(m_scheduler->exitCode(), exitRowErrors);
    EXPECT_NE(m_progressText.str().find("1/? Error u2 (HTTP 404)\n"), std::string::npos);
    EXPECT_NE(
        m_progressText.str().find("Total: 3  Done: 3  Success: 2  Errors: 1\n"), std::string::npos);
}

TEST_F(SchedulerTest, EmptyListEndsAtOnceWithExitZero)
{
    run("", 2);
    EXPECT_TRUE(m_scheduler->over());
    EXPECT_EQ(m_scheduler->exitCode(), exitAllDone);
    EXPECT_EQ(reportLines().size(), 1u);
    EXPECT_EQ(m_progressText.str(), "Total: 0  Done: 0  Success: 0  Errors: 0\n");
}

TEST_F(SchedulerTest, SkippedRowsNeedNoPageAndDuplicatesWaitAndWarn)
{
    test::writeFile(m_dir.file("old.jpg"), "x");
    run("old|u1\ndup|u2\ndup|u3\nold|u4\nslash/id|u5\n", 3);
    // Row 3 shares its ID with row 2, which is still loading: it must not start.
    ASSERT_EQ(m_pages->loads.size(), 1u);
    end(0, status::success);
    ASSERT_EQ(m_pages->loads.size(), 2u);
    EXPECT_EQ(m_pages->loads[1].url, "u3");
    end(0, status::success);
    ASSERT_TRUE(m_scheduler->over());
    const auto lines = reportLines();
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_NE(lines[1].find(",Skipped,"), std::string::npos);
    EXPECT_NE(lines[3].find("warning: same ID as row 2, whose thumbnail file this row replaced"),
        std::string::npos);
    EXPECT_NE(lines[4].find(",Skipped,"), std::string::npos);
    EXPECT_NE(lines[4].find("warning: same ID as row 1"), std::string::npos);
    EXPECT_NE(
        lines[5].find("5,slash/id,u5,Error,,0,\"the ID contains \"\"/\"\""), std::string::npos);
    EXPECT_EQ(m_scheduler->exitCode(), exitRowErrors);
}

TEST_F(SchedulerTest, ShardsCoverEveryRowExactlyOnce)
{
    std::string list;
    for (int i = 0; i < 10; ++i)
        list += "id" + std::to_string(i) + "|u" + std::to_string(i) + "\n";
    std::vector<int> seen(10, 0);
    for (int k = 0; k < 3; ++k) {
        m_reportText.str("");
        run(list, 1, {k, 3});
        while (!m_scheduler->over())
            end(0, status::success);
        for (const auto& load : m_pages->loads)
            ++seen.at(static_cast<std::size_t>(std::stoi(load.url.substr(1))));
        EXPECT_EQ(m_planner->shardSize(10), k == 0 ? 4 : 3);
        EXPECT_EQ(m_scheduler->counters().total, m_planner->shardSize(10));
    }
    EXPECT_EQ(seen, std::vector<int>(10, 1));
}

TEST_F(SchedulerTest, InterruptFinishesPagesInFlightAndReportsTheRestPending)
{
    run("a|u1\nb|u2\nc|u3\nd|u4\n", 2);
    m_scheduler->interrupt(15);
    EXPECT_FALSE(m_scheduler->over());
    end(0, status::success);
    EXPECT_EQ(m_pages->loads.size(), 2u); // nothing new starts
    m_scheduler->interrupt(15);
    EXPECT_EQ(m_pages->abandoned, 1);
    end(1, status::pending, "interrupted");
    ASSERT_TRUE(m_scheduler->over());
    EXPECT_EQ(m_scheduler->exitCode(), 143);
    const auto lines = reportLines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[2], "2,b,u2,Pending,,5,interrupted");
    EXPECT_EQ(lines[4], "4,d,u4,Pending,,0,");
    EXPECT_NE(
        m_progressText.str().find("Total: 4  Done: 1  Success: 1  Errors: 0"), std::string::npos);
}

TEST(ReportWriter, QuotesOnlyFieldsThatNeedIt)
{
    EXPECT_EQ(csvField("plain text"), "plain text");
    EXPECT_EQ(csvField("a,b"), "\"a,b\"");
    EXPECT_EQ(csvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(csvField("two\nlines"), "\"two\nlines\"");
}

TEST(ProgressPrinter, TerminalRewritesOneLineAndEndsWithTheTotals)
{
    std::ostringstream out;
    double now = 0;
    ProgressPrinter progress(out, true, false, [&now] { return now; });
    progress.setTotal(4);
    RunCounters counters {4, 0, 0, 0};
    RowResult row {"1", "a", "u", status::success, "", 0, ""};
    now = 2;
    counters.done = counters.success = 1;
    progress.rowEnded(row, counters);
    progress.finish(counters);
    EXPECT_EQ(out.str(),
        "\r\033[K1/4  success 1  errors 0  0.5 pages/s  ETA 0m06s\r\033[K"
        "Total: 4  Done: 1  Success: 1  Errors: 0\n");
}

TEST(RowSource, StreamsRowsNumberedFromOneAcrossPieces)
{
    std::string list;
    for (int i = 0; i < 100000; ++i)
        list += "http://h/" + std::to_string(i) + (i % 2 ? "\r\n" : "\n");
    std::istringstream in(list);
    RowSource source(in, ListFormat::oneUrlPerLine, 1);
    long long rows = 0;
    while (auto row = source.next()) {
        ASSERT_EQ(row->number, std::to_string(rows + 1));
        ASSERT_EQ(row->url, "http://h/" + std::to_string(rows));
        ++rows;
    }
    EXPECT_EQ(rows, 100000);
    std::istringstream again(list);
    EXPECT_EQ(countRows(again), 100000);
}

} // namespace
} // namespace lumivane::batch
