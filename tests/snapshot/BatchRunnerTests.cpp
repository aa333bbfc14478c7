#include "RunnerFakes.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace lumivane::test {
namespace {

constexpr const char* selectMessage = "Please select at least one url to start the process";

class BatchRunnerTest : public ::testing::Test {
protected:
    BatchRunnerTest() { rig.settings.folderText = folder.path().string(); }

    TempDir folder;
    RunnerRig rig;
};

TEST(BatchRunnerFolder, InvalidFolderShowsOnlyTheFirstMessage)
{
    for (const std::string badFolder : {"", "/nonexistent/lumivane-out"}) {
        SCOPED_TRACE(badFolder);
        RunnerRig rig;
        rig.settings.folderText = badFolder;
        rig.addRows({{"a", true}, {"b", false}});
        rig.list.setStatus(1, status::success);
        rig.runner.Start();
        EXPECT_EQ(rig.messages.texts,
            std::vector<std::string> {"Please enter a valid folder to save thumbnails."});
        EXPECT_EQ(rig.messages.kinds.front(), MessageKind::Information);
        EXPECT_TRUE(rig.messages.okOnly);
        EXPECT_EQ(rig.statusOf(0), status::pending);
        EXPECT_EQ(rig.statusOf(1), status::success);
        EXPECT_EQ(rig.panels.total, "Total: 2");
        EXPECT_EQ(rig.panels.done, "Done: 1");
        EXPECT_TRUE(rig.browser.navigations.empty());
        EXPECT_FALSE(rig.timer.on);
    }
}

TEST_F(BatchRunnerTest, EmptyListAsksForRows)
{
    rig.runner.Start();
    EXPECT_EQ(rig.messages.texts,
        std::vector<std::string> {"Please create a new URL list or add a custom URL."});
    EXPECT_TRUE(rig.browser.navigations.empty());
}

TEST_F(BatchRunnerTest, RowsButNoneSelectedAsksForASelection)
{
    rig.addRows({{"a", false}, {"b", false}});
    rig.list.setStatus(1, status::error);
    rig.runner.Start();
    EXPECT_EQ(rig.messages.texts, std::vector<std::string> {selectMessage});
    EXPECT_EQ(rig.statusOf(0), status::pending);
    EXPECT_EQ(rig.statusOf(1), status::error);
    EXPECT_TRUE(rig.browser.navigations.empty());
    EXPECT_FALSE(rig.timer.on);
    EXPECT_EQ(rig.runner.currentRow(), -1);
}

TEST_F(BatchRunnerTest, UnselectedPendingRowsRunAndASelectedSuccessRowIsCapturedAgain)
{
    rig.addRows({{"p1", false}, {"p2", false}, {"s1", true}});
    rig.list.setStatus(2, status::success);
    rig.runner.Start();
    EXPECT_EQ(rig.pages.active, InnerPages::snapshotBrowserPage);
    EXPECT_TRUE(rig.timer.on);
    for (int tick = 0; tick < 3; ++tick)
        rig.completeAndTick();

    EXPECT_EQ(rig.browser.navigations,
        (std::vector<std::string> {"http://p1/", "http://p2/", "http://s1/"}));
    EXPECT_EQ(rig.captures,
        (std::vector<std::string> {rig.fileOf("p1"), rig.fileOf("p2"), rig.fileOf("s1")}));
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(rig.statusOf(i), status::success);
    EXPECT_FALSE(rig.timer.on);
    EXPECT_EQ(rig.pages.active, InnerPages::urlListPage);
    EXPECT_EQ(rig.runner.currentRow(), -1);
    EXPECT_TRUE(rig.messages.texts.empty());
    EXPECT_EQ(rig.panels.success, "Success: 3");
}

TEST_F(BatchRunnerTest, SkipLooksOnlyForTheFileOfTheChosenFormat)
{
    struct Case {
        const char* existing;
        bool skip;
        const char* expected;
    } cases[] = {
        {"x1.gif", true, status::skipped},
        {"x1.jpg", true, status::pending},
        {"x1.gif", false, status::pending},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.existing);
        TempDir out;
        RunnerRig rig;
        rig.settings.folderText = out.path().string();
        rig.settings.extText = "gif";
        rig.settings.skipTicked = c.skip;
        writeFile(out.file(c.existing), "old");
        rig.addRows({{"x1", true}});
        rig.runner.Start();
        const bool loaded = std::string(c.expected) == status::pending;
        EXPECT_EQ(rig.statusOf(0), c.expected);
        EXPECT_EQ(rig.browser.navigations.size(), loaded ? 1u : 0u);
        EXPECT_EQ(rig.timer.on, loaded);
    }
}

TEST_F(BatchRunnerTest, SkipIgnoresADirectoryOfTheThumbnailsName)
{
    rig.settings.skipTicked = true;
    std::filesystem::create_directory(folder.path() / "x1.jpg");
    rig.addRows({{"x1", true}});
    rig.runner.Start();
    EXPECT_EQ(rig.statusOf(0), status::pending);
}

TEST_F(BatchRunnerTest, AFrameErrorIsUndoneByALaterNavigation)
{
    rig.addRows({{"a", true}});
    rig.runner.Start();
    rig.runner.BeforeNavigate2();
    EXPECT_EQ(rig.statusOf(0), status::downloading);
    rig.runner.NavigateError();
    EXPECT_EQ(rig.statusOf(0), status::error);
    EXPECT_EQ(rig.panels.errors, "Errors: 1");
    rig.runner.BeforeNavigate2();
    rig.completeAndTick();
    EXPECT_EQ(rig.captures, std::vector<std::string> {rig.fileOf("a")});
    EXPECT_EQ(rig.statusOf(0), status::success);
}

TEST_F(BatchRunnerTest, AFailedPageIsNotCapturedAndTheRunMovesOn)
{
    rig.addRows({{"bad", true}, {"good", true}});
    rig.runner.Start();
    rig.runner.BeforeNavigate2();
    rig.runner.NavigateError();
    rig.completeAndTick();
    EXPECT_EQ(rig.statusOf(0), status::error);
    EXPECT_TRUE(rig.captures.empty());
    EXPECT_EQ(rig.browser.navigations.back(), "http://good/");
    rig.completeAndTick();
    EXPECT_EQ(rig.statusOf(0), status::error);
    EXPECT_EQ(rig.captures, std::vector<std::string> {rig.fileOf("good")});
}

TEST_F(BatchRunnerTest, DeselectingAllEndsTheRunAfterTheCurrentCapture)
{
    rig.addRows({{"a", true}, {"b", true}});
    rig.runner.Start();
    rig.list.setSelected(0, false);
    rig.list.setSelected(1, false);
    rig.completeAndTick();
    EXPECT_EQ(rig.captures, std::vector<std::string> {rig.fileOf("a")});
    EXPECT_EQ(rig.messages.texts, std::vector<std::string> {selectMessage});
    EXPECT_EQ(rig.browser.navigations.size(), 1u);
    EXPECT_FALSE(rig.timer.on);
    EXPECT_EQ(rig.statusOf(1), status::pending);
}

TEST_F(BatchRunnerTest, StopWhileLoadingPutsTheRowBackAndSilencesLateEvents)
{
    rig.addRows({{"a", true}, {"b", true}});
    rig.runner.Start();
    rig.runner.BeforeNavigate2();
    rig.runner.ProgressChange(40, 100);
    rig.runner.Stop();
    EXPECT_FALSE(rig.timer.on);
    EXPECT_EQ(rig.browser.stops, 1);
    EXPECT_TRUE(rig.runner.stopFlag());
    EXPECT_EQ(rig.statusOf(0), status::pending);
    EXPECT_EQ(rig.runner.currentRow(), 0);

    rig.runner.BeforeNavigate2();
    rig.runner.NavigateError();
    rig.runner.ProgressChange(90, 100);
    rig.completeAndTick();
    EXPECT_EQ(rig.statusOf(0), status::pending);
    EXPECT_EQ(rig.gauge.value(), 0);
    EXPECT_TRUE(rig.captures.empty());

    rig.runner.Start();
    EXPECT_EQ(rig.browser.navigations.back(), "http://a/");
    EXPECT_TRUE(rig.timer.on);
}

TEST_F(BatchRunnerTest, StopWithNoCurrentRowChangesNoRow)
{
    rig.addRows({{"a", true}});
    rig.list.setStatus(0, status::success);
    rig.runner.Stop();
    EXPECT_EQ(rig.statusOf(0), status::success);
    EXPECT_EQ(rig.browser.stops, 1);
}

TEST_F(BatchRunnerTest, CountersCountOnlyTheirThreeWords)
{
    rig.addRows({{"a", false}, {"b", false}, {"c", false}, {"d", false}, {"e", false}});
    const char* words[]
        = {status::pending, status::success, status::error, status::skipped, status::downloading};
    for (std::size_t i = 0; i < 5; ++i)
        rig.list.setStatus(i, words[i]);
    const int pumpsBefore = rig.pumps;
    rig.runner.UpdateCounters();
    EXPECT_EQ(rig.panels.total, "Total: 5");
    EXPECT_EQ(rig.panels.done, "Done: 4");
    EXPECT_EQ(rig.panels.success, "Success: 1");
    EXPECT_EQ(rig.panels.errors, "Errors: 1");
    EXPECT_EQ(rig.runner.pending(), 1);
    EXPECT_EQ(rig.pumps, pumpsBefore + 1);
}

TEST_F(BatchRunnerTest, StartDuringARunStartsItOver)
{
    rig.addRows({{"a", false}, {"b", true}});
    rig.runner.Start();
    rig.runner.BeforeNavigate2();
    EXPECT_EQ(rig.statusOf(0), status::downloading);
    rig.runner.Start();
    // The unselected row that was loading keeps its word; the selected one is loaded.
    EXPECT_EQ(rig.statusOf(0), status::downloading);
    EXPECT_EQ(rig.browser.navigations.back(), "http://b/");
    EXPECT_EQ(rig.runner.currentRow(), 1);
    EXPECT_TRUE(rig.timer.on);
}

TEST_F(BatchRunnerTest, ATickBeforeThePageIsCompleteOnlyBringsTheListBack)
{
    rig.addRows({{"a", true}});
    rig.runner.Start();
    rig.runner.Tick();
    EXPECT_TRUE(rig.timer.on);
    EXPECT_EQ(rig.pages.active, InnerPages::urlListPage);
    EXPECT_TRUE(rig.captures.empty());
}

TEST_F(BatchRunnerTest, ARowThatIsGoneOrReplacedEndsTheRunCleanly)
{
    struct Case {
        const char* name;
        std::function<void(UrlList&)> edit;
    } cases[] = {
        {"current row deleted", [](UrlList& list) { list.remove(1); }},
        {"row above deleted", [](UrlList& list) { list.remove(0); }},
        {"list replaced",
            [](UrlList& list) {
                list.clear();
                list.append(UrlRow {"1", "new", "http://new/", status::pending, false});
            }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RunnerRig rig;
        rig.settings.folderText = folder.path().string();
        rig.addRows({{"a", false}, {"b", true}, {"c", false}});
        rig.list.setStatus(0, status::success);
        rig.runner.Start();
        ASSERT_EQ(rig.runner.currentRow(), 1);
        c.edit(rig.list);
        std::vector<std::string> before;
        for (std::size_t i = 0; i < rig.list.count(); ++i)
            before.push_back(rig.statusOf(i));

        rig.runner.BeforeNavigate2();
        rig.runner.NavigateError();
        rig.completeAndTick();

        for (std::size_t i = 0; i < rig.list.count(); ++i)
            EXPECT_EQ(rig.statusOf(i), before[i]);
        EXPECT_TRUE(rig.captures.empty());
        EXPECT_FALSE(rig.timer.on);
        EXPECT_EQ(rig.browser.stops, 1);
        EXPECT_EQ(rig.runner.currentRow(), -1);
        EXPECT_EQ(rig.panels.total, "Total: " + std::to_string(rig.list.count()));
        rig.runner.Stop();
        for (std::size_t i = 0; i < rig.list.count(); ++i)
            EXPECT_EQ(rig.statusOf(i), before[i]);
    }
}

TEST_F(BatchRunnerTest, RowsAddedDuringARunAreTakenUpByIt)
{
    rig.addRows({{"a", true}});
    rig.runner.Start();
    rig.list.append(UrlRow {"2", "added", "http://added/", status::pending, false});
    rig.completeAndTick();
    EXPECT_EQ(rig.statusOf(0), status::success);
    EXPECT_EQ(rig.browser.navigations.back(), "http://added/");
    rig.completeAndTick();
    EXPECT_EQ(rig.captures, (std::vector<std::string> {rig.fileOf("a"), rig.fileOf("added")}));
}

TEST_F(BatchRunnerTest, RowsDeletedWhileStartMarksThemStopTheMarking)
{
    rig.addRows({{"a", true}, {"b", true}, {"c", true}});
    rig.duringPump = [this] {
        if (rig.list.count() == 3)
            rig.list.remove(2);
    };
    rig.runner.Start();
    EXPECT_EQ(rig.list.count(), 2u);
    EXPECT_EQ(rig.browser.navigations, std::vector<std::string> {"http://a/"});
}

TEST_F(BatchRunnerTest, AFailedCaptureEndsTheRunAndALaterStartGoesOn)
{
    rig.addRows({{"a", true}, {"b", true}});
    rig.runner.Start();
    rig.runner.BeforeNavigate2();
    rig.failCapture = true;
    rig.browser.complete();
    EXPECT_THROW(rig.runner.Tick(), Error);
    EXPECT_FALSE(rig.timer.on);
    EXPECT_EQ(rig.pages.active, InnerPages::urlListPage);
    EXPECT_EQ(rig.statusOf(0), status::downloading);
    EXPECT_EQ(rig.statusOf(1), status::pending);

    rig.failCapture = false;
    rig.list.setSelected(0, false);
    rig.runner.Start();
    rig.completeAndTick();
    EXPECT_EQ(rig.captures, std::vector<std::string> {rig.fileOf("b")});
    EXPECT_EQ(rig.statusOf(0), status::downloading);
}

TEST_F(BatchRunnerTest, AnIdWithASlashIsNoFileNameAndEndsTheRunLikeAFailedCapture)
{
    rig.addRows({{"../escape", true}, {"b", true}});
    rig.runner.Start();
    rig.runner.BeforeNavigate2();
    rig.browser.complete();
    try {
        rig.runner.Tick();
        ADD_FAILURE() << "the capture went ahead";
    } catch (const Error& error) {
        EXPECT_EQ(std::string(error.what()),
            "Cannot create file \"" + rig.fileOf("../escape")
                + "\". A file name cannot contain \"/\"");
    }
    EXPECT_TRUE(rig.captures.empty());
    EXPECT_FALSE(rig.timer.on);
    EXPECT_EQ(rig.statusOf(0), status::downloading);
    EXPECT_EQ(rig.statusOf(1), status::pending);
}

TEST_F(BatchRunnerTest, ARefusedNavigationEndsTheRunAndMarksTheRow)
{
    rig.addRows({{"a", true}, {"b", true}});
    rig.browser.refuse = true;
    EXPECT_THROW(rig.runner.Start(), Error);
    EXPECT_FALSE(rig.timer.on);
    EXPECT_EQ(rig.statusOf(0), status::error);

    rig.browser.refuse = false;
    rig.list.setSelected(0, false);
    rig.runner.Start();
    EXPECT_EQ(rig.browser.navigations, std::vector<std::string> {"http://b/"});
}

TEST_F(BatchRunnerTest, StopPressedWhileCountersLetMessagesRunEndsTheRun)
{
    rig.addRows({{"a", true}, {"b", true}});
    rig.runner.Start();
    rig.duringPump = [this] { rig.runner.Stop(); };
    rig.completeAndTick();
    EXPECT_EQ(rig.captures.size(), 1u);
    EXPECT_EQ(rig.browser.navigations.size(), 1u);
    EXPECT_FALSE(rig.timer.on);
}

TEST_F(BatchRunnerTest, StopPressedWhileStartMarksRowsEndsIt)
{
    rig.addRows({{"a", true}, {"b", true}});
    bool stopped = false;
    rig.duringPump = [&] {
        if (!stopped && rig.pumps == 2) {
            stopped = true;
            rig.runner.Stop();
        }
    };
    rig.runner.Start();
    EXPECT_TRUE(rig.browser.navigations.empty());
    EXPECT_FALSE(rig.timer.on);
}

TEST(ProgressGauge, ClampsEachAssignmentAgainstTheRangeInForce)
{
    struct Case {
        int progress;
        int progressMax;
        int value;
        int maximum;
    } steps[] = {
        {50, 100, 50, 100},
        {150, 100, 100, 100},
        {-5, 100, 0, 100},
        {70, 50, 50, 50},
        {80, 200, 50, 200},
        {80, 200, 80, 200},
        {10, -1, 0, -1},
        {10, 100, 0, 100},
    };
    RunnerRig rig;
    for (const auto& step : steps) {
        SCOPED_TRACE(std::to_string(step.progress) + "/" + std::to_string(step.progressMax));
        rig.runner.ProgressChange(step.progress, step.progressMax);
        EXPECT_EQ(rig.gauge.value(), step.value);
        EXPECT_EQ(rig.gauge.maximum(), step.maximum);
        EXPECT_EQ(rig.gaugeDisplay.shownValue, step.value);
        EXPECT_EQ(rig.gaugeDisplay.shownMaximum, step.maximum);
    }
}

TEST(ThumbnailFileName, JoinsWithoutChange)
{
    EXPECT_EQ(thumbnailFileName("/out", "ab12", "gif"), "/out/ab12.gif");
    EXPECT_EQ(thumbnailFileName("/out/", "a b", "jpg"), "/out//a b.jpg");
}

} // namespace
} // namespace lumivane::test
